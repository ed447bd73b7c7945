#include "engine/Properties.h"

namespace velm {

std::string PropertyInfo::heading(bool english) const {
    const std::string_view u = unit(english);
    std::string h(symbol);
    if (!u.empty()) h.append(" (").append(u).append(")");
    return h;
}

}  // namespace velm
