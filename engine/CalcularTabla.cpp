#include "engine/CalcularTabla.h"

#include "engine/Fluid.h"
#include "engine/NumberText.h"

#include <cmath>
#include <limits>

namespace velm {

std::string storedTemperatureText(double stored, bool decimalComma) {
    // The store refuses a temperature beyond the float range (converting one is undefined);
    // any other source's is written as the double it is.
    const bool single = std::fabs(stored) <= double(std::numeric_limits<float>::max());
    std::string text = single ? shortestFixedText(static_cast<float>(stored)) : shortestText(stored);
    if (decimalComma)
        for (char& ch : text)
            if (ch == '.') ch = ',';
    return text;
}

TablaOutcome CalcularTabla(Module1& m, std::string_view ENRANGO, PointSource& source,
                           Notifier& notifier) {
    FluidEvaluator fluid(familyOf(m), m.FLUIDO.value_or(""), isGasFamily(m) ? m.PRESION.value_or(0) : 0, source);
    return CalcularTabla(m, ENRANGO, fluid, notifier);
}

TablaOutcome CalcularTabla(Module1& m, std::string_view ENRANGO, FluidEvaluator& fluid, Notifier& notifier) {
    const FluidValues v = fluid.fromTable(*m.TEMP, ENRANGO != kNo);
    const auto store = [&] {
        for (const PropertyInfo& p : propertiesOf(fluid.family())) m.*p.field = v.value[index(p.id)];
    };
    for (const Message& w : v.warnings) notifier.inform(w);
    if (v.stop) {
        notifier.inform(*v.stop);
        switch (v.stop->id) {
            case MessageId::TooFewPoints:
                if (v.source == RowSource::TablePoint) store();
                return TablaOutcome::TooFewPoints;
            case MessageId::ZeroPressure: return TablaOutcome::ZeroPressure;
            default: return TablaOutcome::Unreadable;
        }
    }
    store();
    return TablaOutcome::Computed;
}

}  // namespace velm
