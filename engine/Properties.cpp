#include "engine/Properties.h"

#include "i18n/Text.h"

namespace velm {

std::string PropertyInfo::heading(bool english) const {
    const std::string_view u = unit(english);
    std::string h(symbol);
    if (!u.empty()) h.append(" (").append(u).append(")");
    return h;
}

namespace {
// The symbols and units the screens show: those in Spanish ("pie", "V.AB.") are translated.
std::string shown(std::string_view text) {
    return text.empty() ? std::string() : translatedText("velm::units", std::string(text).c_str());
}
}  // namespace

std::string PropertyInfo::shownUnit(bool english) const { return shown(unit(english)); }

std::string PropertyInfo::shownHeading(bool english) const {
    const std::string u = shownUnit(english);
    return u.empty() ? shown(symbol) : shown(symbol) + " (" + u + ")";
}

}  // namespace velm
