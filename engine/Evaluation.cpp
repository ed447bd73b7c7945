#include "engine/Evaluation.h"

#include "engine/Calcular.h"
#include "engine/Catalogue.h"
#include "engine/Messages.h"
#include "engine/UserError.h"

#include <cmath>

namespace velm {
namespace {

bool allFinite(const Module1& m) {
    auto finite = [](const std::optional<double>& v) { return v && std::isfinite(*v); };
    const bool common = finite(m.DEN) && finite(m.CP) && finite(m.MIU) && finite(m.UN) &&
                        finite(m.K) && finite(m.ALFA) && finite(m.PR);
    return common && (isGasFamily(m) || finite(m.BETA));
}

}  // namespace

Evaluation runEvaluation(Module1& m, std::string_view ENRANGO, PointSource& source,
                         Notifier& notifier) {
    Evaluation e;
    const bool gas = isGasFamily(m);
    const bool inRange = ENRANGO == kSI;
    if (gas && !(m.PRESION && *m.PRESION > 0)) {
        notifier.inform(std::string(msg::kZeroPressure));
        e.outcome = EvaluationOutcome::ZeroPressure;
        return e;
    }

    if (gas && inRange) CalcularGas(m);
    if (!gas && inRange) CalcularLiquido(m);
    if (!isBuiltIn(m.FAMILIA.value_or(""), m.FLUIDO.value_or("")) || !inRange) {
        try {
            if (CalcularTabla(m, ENRANGO, source, notifier) == TablaOutcome::TooFewPoints) {
                e.outcome = EvaluationOutcome::TooFewPoints;
                return e;
            }
        } catch (const UserError& error) {
            notifier.inform(error.what());
            e.outcome = EvaluationOutcome::Unreadable;
            return e;
        }
    }

    if (isEnglish(m)) convertToEnglish(m);
    if (!allFinite(m)) {
        notifier.inform(std::string(msg::kNotComputable));
        return e;
    }
    e.texts = resultTexts(m);
    e.outcome = EvaluationOutcome::Shown;
    return e;
}

}  // namespace velm
