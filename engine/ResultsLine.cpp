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

std::string temperatureHeading(bool english, std::string_view scale) {
    if (english) return "T (ºF)";
    return scale == "K" ? "T (K)" : "T (ºC)";
}

std::string temperatureHeading(const Module1& m) {
    return temperatureHeading(m.UNIDADES != kSI, m.ESCALA);
}

std::string headingLine(Family family, bool english, std::string_view scale) {
    std::string line = "\"" + temperatureHeading(english, scale) + "\"";
    for (const PropertyInfo& p : propertiesOf(family)) line += ",\"" + p.heading(english) + "\"";
    return line;
}

std::string headingLine(const Module1& m) {
    return headingLine(familyOf(m), m.UNIDADES != kSI, m.ESCALA);
}

std::string valuesLine(Family family, double TEMPENT,
                       const std::array<double, kPropertyCount>& results) {
    std::string line = formatGeneral(TEMPENT);
    for (const PropertyInfo& p : propertiesOf(family)) line += "," + formatGeneral(results[index(p.id)]);
    return line;
}

std::string valuesLine(const Module1& m) {
    std::array<double, kPropertyCount> results{};
    for (const PropertyInfo& p : propertiesOf(familyOf(m))) results[index(p.id)] = required(m.*p.field);
    return valuesLine(familyOf(m), required(m.TEMPENT), results);
}

std::string toFileLine(const std::string& utf8Line) {
    std::string out;
    out.reserve(utf8Line.size() + 2);
    for (std::size_t i = 0; i < utf8Line.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8Line[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if ((b == 0xC2 || b == 0xC3) && i + 1 < utf8Line.size() &&
                   (static_cast<unsigned char>(utf8Line[i + 1]) & 0xC0) == 0x80) {
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
