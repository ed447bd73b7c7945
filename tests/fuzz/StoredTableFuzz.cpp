// A stored table read from any bytes: the bytes become GASES.mdb in a folder of its own, and
// the program lists its tables, reads them and evaluates from them. Every failure must be a
// message (a UserError), never a crash or another exception; points come in ascending TEMP,
// each value a finite single; no result and no message writes a non-finite number; and
// reading changes no byte of the file and leaves nothing beside it.
#include "engine/Evaluation.h"
#include "i18n/MessageText.h"
#include "engine/UserError.h"
#include "store/FluidStore.h"
#include "tests/fuzz/FileInput.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using namespace velm;
using velm::fuzz::check;

namespace {

class Recorder : public Notifier {
public:
    void inform(const Message& m) override { texts.push_back(messageText(m)); }
    std::vector<std::string> texts;
};

// The temperature an extrapolation message gives: after "ES MAYOR A " or "ES MENOR A ".
std::string quotedTemperature(const std::string& message) {
    for (const char* lead : {"TEMPERATURA ES MAYOR A ", "TEMPERATURA ES MENOR A "}) {
        const auto at = message.rfind(lead);
        if (at == std::string::npos) continue;
        const auto from = at + std::string(lead).size();
        return message.substr(from, message.find_first_of(" )", from) - from);
    }
    return {};
}

void evaluate(const DatabaseFiles& files, const std::string& fluid, double T) {
    Module1 m;
    m.FAMILIA = Family::Gases;
    m.FLUIDO = fluid;
    m.UNIDADES = "SI";
    m.TEMP = T;
    m.PRESION = 101.3;
    StorePointSource source(files);
    Recorder recorder;
    const Evaluation e = runEvaluation(m, "SI", source, recorder);
    if (e.outcome == EvaluationOutcome::Shown)
        for (const auto& r : {m.DEN, m.CP, m.MIU, m.UN, m.K, m.ALFA, m.PR})
            check(r && std::isfinite(*r), "a result shown is finite", fluid);
    for (const std::string& text : recorder.texts)
        check(!velm::fuzz::writesNonFinite(quotedTemperature(text)),
              "a message writes no non-finite temperature", text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    velm::fuzz::FileInput::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;  // an empty file is a new one: it is seeded, as it should be
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QString> path = velm::fuzz::FileInput::write(bytes);
    if (!path) return 0;

    const DatabaseFiles files(velm::fuzz::FileInput::directory());
    const FluidStore gases(files, Family::Gases);
    std::vector<std::string> tables;
    try {
        tables = gases.listFluidTables();
    } catch (const UserError&) {
    }
    if (tables.size() > 4) tables.resize(4);
    for (const std::string& table : tables) {
        std::vector<double> temperatures;
        try {
            gases.readPoints(table, [&](const TablePoint& p) {
                check(temperatures.empty() || p.TEMP >= temperatures.back(), "points in ascending TEMP", table);
                temperatures.push_back(p.TEMP);
                for (const double v : p.value) check(storedValue(v).has_value(), "a value read is a finite single", table);
            });
        } catch (const UserError&) {
        }
        try {
            gases.readRows(table);
        } catch (const UserError&) {
        }
        const double T = temperatures.empty() ? 300 : temperatures.front();
        for (const double t : {T, T + 0.5, T - 1e3, 1e300}) evaluate(files, table, t);
    }

    velm::fuzz::FileInput::checkLeftAsItWas(*path, bytes);
    return 0;
}
