#include "engine/Evaluation.h"

#include "engine/Fluid.h"
#include "engine/Properties.h"

#include <cmath>

namespace velm {
namespace {

bool allFinite(const Module1& m) {
    for (const PropertyInfo& p : propertiesOf(familyOf(m)))
        if (const std::optional<double>& v = m.*p.field; !v || !std::isfinite(*v)) return false;
    return true;
}

EvaluationOutcome outcomeOf(TablaOutcome t) {
    switch (t) {
        case TablaOutcome::TooFewPoints: return EvaluationOutcome::TooFewPoints;
        case TablaOutcome::ZeroPressure: return EvaluationOutcome::ZeroPressure;
        case TablaOutcome::Unreadable: return EvaluationOutcome::Unreadable;
        case TablaOutcome::Computed: break;
    }
    return EvaluationOutcome::Shown;
}

}  // namespace

Evaluation runEvaluation(Module1& m, std::string_view ENRANGO, PointSource& source,
                         Notifier& notifier) {
    Evaluation e;
    const bool gas = isGasFamily(m);
    if (gas && !(m.PRESION && *m.PRESION > 0)) {
        notifier.inform(message(MessageId::ZeroPressure));
        e.outcome = EvaluationOutcome::ZeroPressure;
        return e;
    }

    FluidEvaluator fluid(familyOf(m), m.FLUIDO.value_or(""), gas ? *m.PRESION : 0, source);
    if (fluid.builtIn() && ENRANGO == kSI) {
        const PropertyValues v = fluid.correlationValues(*m.TEMP);
        for (const PropertyInfo& p : propertiesOf(fluid.family())) m.*p.field = v[index(p.id)];
    } else if (const TablaOutcome t = CalcularTabla(m, ENRANGO, fluid, notifier); t != TablaOutcome::Computed) {
        e.outcome = outcomeOf(t);
        return e;
    }

    if (isEnglish(m)) convertToEnglish(m);
    if (!allFinite(m)) {
        notifier.inform(message(MessageId::NotComputable));
        return e;
    }
    e.texts = resultTexts(m);
    e.outcome = EvaluationOutcome::Shown;
    return e;
}

}  // namespace velm
