#pragma once
// What the store's tests share: a fresh folder for the database files, and an evaluation
// run through the driver with its messages recorded.

#include "engine/Evaluation.h"
#include "store/FluidStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace velm::testing {

class Recorder : public Notifier {
public:
    void inform(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

struct Evaluated {
    EvaluationOutcome outcome;
    Module1 m;
    std::vector<std::string> messages;
    // DEN, CP, MIU, UN, K, ALFA, PR, BETA (0 when not written)
    std::array<double, 8> results() const {
        return {m.DEN.value_or(0), m.CP.value_or(0),   m.MIU.value_or(0), m.UN.value_or(0),
                m.K.value_or(0),   m.ALFA.value_or(0), m.PR.value_or(0),  m.BETA.value_or(0)};
    }
};

inline Evaluated evaluate(const DatabaseFiles& files, Family family,
                    const std::string& fluid, double T, double P = 101.3,
                    const char* ENRANGO = "SI") {
    Evaluated r{};
    r.m.FAMILIA = family;
    r.m.FLUIDO = fluid;
    r.m.UNIDADES = "SI";
    r.m.TEMP = T;
    if (family == Family::Gases) r.m.PRESION = P;
    StorePointSource source(files);
    Recorder recorder;
    r.outcome = runEvaluation(r.m, ENRANGO, source, recorder).outcome;
    r.messages = recorder.texts;
    return r;
}

class StoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    DatabaseFiles files{dir.path()};
    FluidStore gases{files, Family::Gases};
    FluidStore liquids{files, Family::Liquids};
    FluidStore& store(Family family) { return family == Family::Gases ? gases : liquids; }
};

}  // namespace velm::testing
