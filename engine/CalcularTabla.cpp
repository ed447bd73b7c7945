#include "engine/CalcularTabla.h"

#include "correlation/Correlation.h"
#include "engine/Entry.h"
#include "engine/Messages.h"
#include "engine/NumberText.h"
#include "engine/TableSelection.h"

#include <cmath>
#include <limits>

namespace velm {
namespace {

// The results of the state from values in SI units at the entered pressure.
void store(Module1& m, const TablePoint& v, bool gas) {
    const std::array<double, kPropertyCount> x = atPressure(v, gas, gas ? *m.PRESION : 0);
    for (const PropertyInfo& p : propertiesOf(gas ? Family::Gases : Family::Liquids))
        m.*p.field = x[index(p.id)];
}

}  // namespace

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
    const bool gas = isGasFamily(m);
    const std::string fluid = m.FLUIDO.value_or("");
    Reading r;
    r.T = *m.TEMP;
    source.readPoints(familyOf(m), fluid, [&r](const TablePoint& p) { r.take(p); });

    const Selection s = r.selection();
    if (s.exact) store(m, *s.exact, gas);
    const TableLine line = chooseLine(s);
    switch (line.step) {
        case TableStep::TooFewPoints:
            notifier.inform(msg::tr(msg::kTooFewPoints));
            return TablaOutcome::TooFewPoints;
        case TableStep::Exact:
            return TablaOutcome::Computed;
        case TableStep::Above:
        case TableStep::Below:
            if (ENRANGO != kNo) {
                const std::string t = storedTemperatureText(line.end->TEMP, regionalDecimalComma());
                notifier.inform(line.step == TableStep::Above ? msg::aboveTable(fluid, t)
                                                              : msg::belowTable(fluid, t));
            }
            break;
        case TableStep::Between:
            break;
    }
    store(m, alongLine(*line.first, *line.second, r.T), gas);
    return TablaOutcome::Computed;
}

}  // namespace velm
