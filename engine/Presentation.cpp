#include "engine/Presentation.h"

#include "engine/DisplayPattern.h"
#include "engine/Properties.h"

namespace velm {

void convertToEnglish(Module1& m) {
    for (const PropertyInfo& p : propertiesOf(familyOf(m)))
        if (std::optional<double>& v = m.*p.field) *v *= p.toEnglish;
}

std::vector<std::string> resultTexts(const Module1& m) {
    const Family family = familyOf(m);
    std::vector<std::string> texts;
    for (const PropertyInfo& p : propertiesOf(family))
        texts.push_back(formatPattern(*(m.*p.field), p.pattern(family)));
    return texts;
}

}  // namespace velm
