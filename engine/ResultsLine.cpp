#include "engine/ResultsLine.h"

#include "engine/DisplayPattern.h"
#include "engine/Properties.h"

#include <stdexcept>

namespace velm {
namespace {

double required(const std::optional<double>& v) {
    if (!v) throw std::logic_error("results line written before an evaluation");
    return *v;
}

}  // namespace

std::string temperatureHeading(const Module1& m) {
    if (m.UNIDADES != kSI) return "T (ºF)";
    return m.ESCALA == "K" ? "T (K)" : "T (ºC)";
}

std::string headingLine(const Module1& m) {
    const bool english = m.UNIDADES != kSI;
    std::string line = "\"" + temperatureHeading(m) + "\"";
    for (const PropertyInfo& p : propertiesOf(familyOf(m)))
        line += ",\"" + p.heading(english) + "\"";
    return line;
}

std::string valuesLine(const Module1& m) {
    std::string line = formatGeneral(required(m.TEMPENT));
    for (const PropertyInfo& p : propertiesOf(familyOf(m)))
        line += "," + formatGeneral(required(m.*p.field));
    return line;
}

std::string toFileLine(const std::string& utf8Line) {
    std::string out;
    out.reserve(utf8Line.size() + 2);
    for (std::size_t i = 0; i < utf8Line.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8Line[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if ((b == 0xC2 || b == 0xC3) && i + 1 < utf8Line.size()) {
            // two-byte sequences U+0080..U+00FF are exactly the Latin-1 upper half
            const auto next = static_cast<unsigned char>(utf8Line[++i]);
            out += static_cast<char>(((b & 0x03) << 6) | (next & 0x3F));
        } else {
            throw std::invalid_argument("results line holds a character outside Latin-1");
        }
    }
    out += "\r\n";
    return out;
}

}  // namespace velm
