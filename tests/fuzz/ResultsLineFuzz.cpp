// The lines of the results file on any calculation state: headings as the unit system and
// the scale say, one number per heading, each reading back to its value to 15 digits, every
// line Latin-1 ending in CR LF; and the Latin-1 conversion on any text: what it takes reads
// back as the text given, what it cannot take it refuses.
//
// Input: one byte of flags (gas, English units, scale), nine doubles (TEMPENT and the eight
// results), then a text for the conversion alone.
#include "engine/Entry.h"
#include "engine/Module1.h"
#include "engine/ResultsLine.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

using namespace velm;
using velm::fuzz::check;

namespace {

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> items(1);
    for (char c : line) {
        if (c == ',') items.emplace_back();
        else items.back() += c;
    }
    return items;
}

// The text as UTF-8 when it is valid UTF-8 of characters up to U+00FF; nullopt otherwise.
std::optional<std::string> latin1Range(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) continue;
        if ((b != 0xC2 && b != 0xC3) || i + 1 == utf8.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(utf8[++i]);
        if (next < 0x80 || next > 0xBF) return std::nullopt;
    }
    return utf8;
}

std::string fromLatin1(const std::string& latin1) {
    std::string utf8;
    for (char c : latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (b >> 6));
            utf8 += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return utf8;
}

void checkLines(const std::uint8_t* data) {
    const std::uint8_t flags = data[0];
    std::array<double, 9> v{};
    std::memcpy(v.data(), data + 1, sizeof v);
    for (double x : v)
        if (!std::isfinite(x)) return;  // only finite results are ever saved

    Module1 m;
    const bool gas = flags & 1;
    m.FAMILIA = gas ? Family::Gases : Family::Liquids;
    m.UNIDADES = (flags & 2) ? kEnglish : kSI;
    m.ESCALA = (flags & 4) ? "K" : ((flags & 8) ? "ºC" : "ºF");
    m.TEMPENT = v[0];
    m.DEN = v[1], m.CP = v[2], m.MIU = v[3], m.UN = v[4], m.K = v[5], m.ALFA = v[6], m.PR = v[7];
    m.BETA = v[8];

    const std::string heading = headingLine(m);
    const std::vector<std::string> headings = split(heading);
    check(headings.size() == (gas ? 8u : 9u), "eight headings for a gas, nine for a liquid", heading);
    for (const std::string& h : headings)
        check(h.size() >= 2 && h.front() == '"' && h.back() == '"', "every heading in quotes", heading);
    const char* temperature = m.UNIDADES != kSI ? "\"T (ºF)\"" : (m.ESCALA == "K" ? "\"T (K)\"" : "\"T (ºC)\"");
    check(headings[0] == temperature, "the temperature heading follows the units and the scale", heading);
    const std::string headingBytes = toFileLine(heading);
    check(fromLatin1(headingBytes) == heading + "\r\n", "the heading line is the heading in Latin-1", heading);

    const std::string values = valuesLine(m);
    const std::vector<std::string> items = split(values);
    check(items.size() == headings.size(), "one value under each heading", values);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<double> back = parseNumber(items[i], false);
        check(back && velm::fuzz::within15Digits(*back, v[i]),
              "each value reads back to 15 digits", values);
    }
    check(toFileLine(values) == values + "\r\n", "a values line is plain ASCII", values);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kState = 1 + 9 * sizeof(double);
    if (size >= kState) checkLines(data);

    const std::string text(reinterpret_cast<const char*>(data) + std::min(size, kState),
                           size - std::min(size, kState));
    const std::optional<std::string> valid = latin1Range(text);
    try {
        const std::string line = toFileLine(text);
        check(valid.has_value(), "a text outside Latin-1 is refused", text);
        check(fromLatin1(line) == text + "\r\n", "Latin-1 reads back as the text given", text);
    } catch (const std::invalid_argument&) {
        check(!valid, "a text in Latin-1 is taken", text);
    }
    return 0;
}
