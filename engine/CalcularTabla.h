#pragma once
// Evaluation of a fluid from its stored table of measured points: the exact point, linear
// interpolation between neighbours, or linear extrapolation from the two end points.

#include "engine/Message.h"
#include "engine/Module1.h"
#include "engine/PointSource.h"

#include <string>
#include <string_view>

namespace velm {

// Where the messages go (a message box, or standard error), each as the text layer renders it.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void inform(const Message& message) = 0;
};

enum class TablaOutcome { Computed, TooFewPoints, Unreadable, ZeroPressure };

// Reads FAMILIA, FLUIDO, TEMP, PRESION (gases); writes the results in SI units. Warns before
// extrapolating unless ENRANGO is "NO" (the user was warned at acceptance). Any other outcome:
// the message was told and nothing can be computed from this table at this pressure.
TablaOutcome CalcularTabla(Module1& m, std::string_view ENRANGO, PointSource& source,
                           Notifier& notifier);
// The same through the state's fluid already resolved.
class FluidEvaluator;
TablaOutcome CalcularTabla(Module1& m, std::string_view ENRANGO, FluidEvaluator& fluid, Notifier& notifier);

// A stored temperature as the extrapolation messages write it: the shortest decimal text of
// the stored single-precision value, with the regional decimal separator.
std::string storedTemperatureText(double stored, bool decimalComma);

}  // namespace velm
