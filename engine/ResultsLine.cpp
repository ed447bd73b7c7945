#include "engine/ResultsLine.h"

#include "engine/DisplayPattern.h"

#include <array>
#include <stdexcept>

namespace velm {
namespace {

// Headings after the temperature's: DEN … PR, then BETA for liquids.
using Headings = std::array<const char*, 8>;

constexpr Headings kSiHeadings{"D (Kg/m^3)", "Cp (KJ/(Kg.K))", "V.AB. (Pa.s)", "V.CI. (m^2/s)",
                                "K (W/(m.K))", "ALFA (m^2/s)", "Pr", "BETA (1/K)"};
constexpr Headings kEnglishHeadings{"D (Lb/pie^3)", "Cp (Btu/(Lb.ºF))", "V.AB. (Lbf.s/pie^2)",
                                     "V.CI. (pie^2/s)", "K (Btu/(h.pie.ºF))", "ALFA (pie^2/s)",
                                     "Pr", "BETA (1/ºF)"};

std::size_t columnsAfterTemperature(const Module1& m) { return isGasFamily(m) ? 7 : 8; }

double required(const std::optional<double>& v) {
    if (!v) throw std::logic_error("results line written before an evaluation");
    return *v;
}

}  // namespace

std::string headingLine(const Module1& m) {
    const bool si = m.UNIDADES == kSI;
    std::string line = "\"";
    line += !si ? "T (ºF)" : (m.ESCALA == "K" ? "T (K)" : "T (ºC)");
    line += "\"";
    const Headings& h = si ? kSiHeadings : kEnglishHeadings;
    for (std::size_t i = 0; i < columnsAfterTemperature(m); ++i)
        line += std::string(",\"") + h[i] + "\"";
    return line;
}

std::string valuesLine(const Module1& m) {
    const std::array<const std::optional<double>*, 8> fields{&m.DEN, &m.CP,   &m.MIU, &m.UN,
                                                             &m.K,   &m.ALFA, &m.PR,  &m.BETA};
    std::string line = formatGeneral(required(m.TEMPENT));
    for (std::size_t i = 0; i < columnsAfterTemperature(m); ++i)
        line += "," + formatGeneral(required(*fields[i]));
    return line;
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
