// The numeric test of the entry boxes and the leading-number rule of the row-entry fields,
// on any text: every number accepted is finite, reads back through the results file's number
// format, and the leading-number rule reads an accepted entry as the numeric test does. The
// reading under both reads as the C++ library's from_chars does (value, end, refusal).
#include "engine/DisplayPattern.h"
#include "engine/Entry.h"
#include "engine/NumberText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

using namespace velm;
using velm::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

#ifdef VELM_FUZZ_LIBRARY_CHARS
    double library = 0, ours = 0;
    const std::from_chars_result expected = std::from_chars(text.data(), text.data() + size, library);
    const NumberRead read = readNumber(text.data(), text.data() + size, ours);
    check(read.ptr == expected.ptr && read.ec == expected.ec &&
              velm::fuzz::bitsOf(ours) == velm::fuzz::bitsOf(library),
          "the reading is the library's", text);
#endif

    const std::optional<double> point = parseNumber(text, false);
    const std::optional<double> comma = parseNumber(text, true);
    if (text.find(',') == std::string::npos)
        check(point == comma, "a text without a comma reads alike with either separator", text);

    for (const std::optional<double>& v : {point, comma}) {
        if (!v) continue;
        check(std::isfinite(*v), "an accepted entry is a finite number", text);
        // The results file writes 15 significant digits, and they read back as written.
        const std::string written = formatGeneral(*v);
        const std::optional<double> back = parseNumber(written, false);
        check(back.has_value(), "the results file's number reads back", written);
        check(formatGeneral(*back) == written, "writing what was read back writes it again", written);
        check(velm::fuzz::within15Digits(*back, *v),
              "the written number is the value to 15 significant digits", written);
    }
    if (point)
        check(leadingNumber(text) == *point, "the leading-number rule reads an accepted entry alike", text);

    check(!std::isnan(leadingNumber(text)), "the leading-number rule never gives NaN", text);
    return 0;
}
