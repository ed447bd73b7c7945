#pragma once
// A sweep against the single evaluations it stands for: every temperature accepted as the
// property screen accepts it and evaluated by the driver, each on a calculation state of its
// own. Same rows, same values to the bit, same messages in the same order, same stop.

#include "engine/Entry.h"
#include "engine/Evaluation.h"
#include "engine/Sweep.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace velm::testing {

class Messages : public Notifier {
public:
    void inform(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

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
            singles.inform(std::string(refusal(a.outcome)));
            rows.emplace_back();
            continue;
        }
        if (!a.warning.empty()) singles.inform(a.warning);
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
        std::size_t i = 0;
        for (const PropertyInfo& p : propertiesOf(r.family)) {
            if (!t.computed(row)) break;
            const double single = rows[row][i++], sweep = t.value(row, p.id);
            if (std::bit_cast<std::uint64_t>(single) != std::bit_cast<std::uint64_t>(sweep))
                return at + std::string(p.column) + " " + std::to_string(sweep) + ", single " +
                       std::to_string(single);
        }
    }
    if (swept.texts != singles.texts)
        return name + std::to_string(swept.texts.size()) + " messages swept, " +
               std::to_string(singles.texts.size()) + " single, or other texts";
    return "";
}

}  // namespace velm::testing
