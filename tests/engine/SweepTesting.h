#pragma once
// Tables that need no file, and a sweep against the single evaluations it stands for: every
// temperature accepted as the property screen accepts it and evaluated by the driver, each on
// a calculation state of its own. Same rows, same values to the bit, same messages in the
// same order, same stop.

#include "engine/Entry.h"
#include "engine/Evaluation.h"
#include "engine/Sweep.h"
#include "engine/UserError.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace velm::testing {

// A double's bits, to compare to the last one (std::bit_cast is missing from WebAssembly's C++
// library).
inline std::uint64_t bitsOf(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

class Messages : public Notifier {
public:
    void inform(const Message& m) override { told.push_back(m); }
    std::vector<Message> told;
};

// A table that needs no file: rows handed over in the order given; counts the readings, or
// fails to read.
class Rows : public PointSource {
public:
    explicit Rows(std::vector<TablePoint> rows, bool unreadable = false)
        : rows_(std::move(rows)), unreadable_(unreadable) {}
    void readPoints(Family, std::string_view, const std::function<void(const TablePoint&)>& take) override {
        ++reads;
        for (const TablePoint& p : rows_) take(p);
        if (unreadable_) throw UserError("LA TABLA NO SE PUEDE LEER");
    }
    int reads = 0;

private:
    std::vector<TablePoint> rows_;
    bool unreadable_;
};

// Value i is v (i + 1) + tag: no two properties coincide, and `tag` tells rows of one
// temperature apart.
inline TablePoint row(double T, double v, double tag = 0) {
    TablePoint p;
    p.TEMP = T;
    for (std::size_t i = 0; i < kPropertyCount; ++i) p.value[i] = v * double(i + 1) + tag;
    return p;
}

inline SweepRequest request(Family family, const std::string& fluid, std::vector<double> temperatures,
                            const char* scale = "K", bool english = false) {
    SweepRequest r;
    r.family = family;
    r.fluid = fluid;
    r.scale = scale;
    r.english = english;
    r.pressure = 101.3;
    r.pressureText = "101.3";
    r.temperatures = std::move(temperatures);
    return r;
}

// "" when the sweep and the single evaluations agree; otherwise the first difference.
inline std::string differenceFromSingles(const SweepRequest& r, PointSource& source) {
    Messages singles;
    std::vector<std::vector<double>> rows;  // empty: refused or not computable
    for (const double t : r.temperatures) {
        Module1 m;
        m.FAMILIA = r.family;
        m.FLUIDO = r.fluid;
        m.UNIDADES = r.english ? kEnglish : kSI;
        if (r.family == Family::Gases) m.PRESION = r.pressure;
        const TemperatureAcceptance a = acceptTemperature(m, t, r.scale);
        if (a.outcome != TemperatureOutcome::Accepted) {
            singles.inform(refusal(a.outcome));
            rows.emplace_back();
            continue;
        }
        if (a.warning) singles.inform(*a.warning);
        const Evaluation e = runEvaluation(m, a.ENRANGO, source, singles);
        if (e.outcome != EvaluationOutcome::Shown && e.outcome != EvaluationOutcome::NotComputable) break;
        rows.emplace_back();
        if (e.outcome == EvaluationOutcome::Shown)
            for (const PropertyInfo& p : propertiesOf(r.family)) rows.back().push_back(*(m.*p.field));
    }

    Messages swept;
    const SweepTable t = runSweep(r, source, &swept);
    const std::string name = r.fluid + " ";
    if (t.rows() != rows.size())
        return name + std::to_string(t.rows()) + " rows swept, " + std::to_string(rows.size()) + " single";
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string at = name + std::to_string(t.entered[row]) + " " + r.scale + ": ";
        if (t.computed(row) != !rows[row].empty()) return at + "computed in one only";
        for (std::size_t i = 0; i < rows[row].size(); ++i) {
            const PropertyInfo& p = propertiesOf(r.family)[i];
            const double single = rows[row][i], sweep = t.value(row, p.id);
            if (bitsOf(single) != bitsOf(sweep))
                return at + std::string(p.column) + " " + std::to_string(sweep) + ", single " + std::to_string(single);
        }
    }
    if (swept.told == singles.told) return "";
    return name + std::to_string(swept.told.size()) + " messages swept, " + std::to_string(singles.told.size()) +
           " single, or other messages";
}

}  // namespace velm::testing
