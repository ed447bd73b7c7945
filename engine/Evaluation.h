#pragma once
// The evaluation behind "&MOSTRAR VELMORANTES", without widgets: which source computes the
// results, the conversion to English units in place, and the texts of the result boxes.
// The property screen and the command-line calculator both run it.

#include "engine/CalcularTabla.h"
#include "engine/Module1.h"
#include "engine/Presentation.h"

#include <string>
#include <string_view>
#include <vector>

namespace velm {

enum class EvaluationOutcome {
    Shown,         // results computed, converted and formatted
    TooFewPoints,  // the stored table has fewer than two points (message told)
    ZeroPressure,  // a gas at a pressure of 0 cannot be evaluated (message told)
    Unreadable,    // the stored table could not be read (message told)
    NotComputable, // a result is not a finite number (message told)
};

struct Evaluation {
    EvaluationOutcome outcome = EvaluationOutcome::NotComputable;
    std::vector<std::string> texts;  // one per property of the family; only when Shown
};

// Runs the correlation of a built-in fluid inside its range (ENRANGO "SI"), otherwise the
// fluid's stored table; then converts to English units when they are in force. Every message
// goes to `notifier`.
Evaluation runEvaluation(Module1& m, std::string_view ENRANGO, PointSource& source,
                         Notifier& notifier);

}  // namespace velm
