#include "engine/Evaluation.h"

#include "engine/Calcular.h"
#include "engine/Catalogue.h"
#include "engine/Messages.h"
#include "engine/Properties.h"
#include "engine/UserError.h"

#include <cmath>

namespace velm {
namespace {

bool allFinite(const Module1& m) {
    for (const PropertyInfo& p : propertiesOf(familyOf(m)))
        if (const std::optional<double>& v = m.*p.field; !v || !std::isfinite(*v)) return false;
    return true;
}

}  // namespace

Evaluation runEvaluation(Module1& m, std::string_view ENRANGO, PointSource& source,
                         Notifier& notifier) {
    Evaluation e;
    const bool gas = isGasFamily(m);
    const bool inRange = ENRANGO == kSI;
    if (gas && !(m.PRESION && *m.PRESION > 0)) {
        notifier.inform(msg::tr(msg::kZeroPressure));
        e.outcome = EvaluationOutcome::ZeroPressure;
        return e;
    }

    if (gas && inRange) CalcularGas(m);
    if (!gas && inRange) CalcularLiquido(m);
    if (!isBuiltIn(familyOf(m), m.FLUIDO.value_or("")) || !inRange) {
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
        notifier.inform(msg::tr(msg::kNotComputable));
        return e;
    }
    e.texts = resultTexts(m);
    e.outcome = EvaluationOutcome::Shown;
    return e;
}

}  // namespace velm
