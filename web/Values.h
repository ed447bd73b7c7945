#pragma once
// What the bindings hand JavaScript and take from it: numbers in typed arrays (copied, so that
// a later growth of the WebAssembly memory never moves them), messages as {code, text}, and
// the points of stored tables from a reader that JavaScript supplies.

#include "engine/Message.h"
#include "engine/PointSource.h"
#include "engine/SweepPlot.h"

#include <emscripten/val.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velm::web {

using emscripten::val;

// A Float64Array, or a Uint8Array, of its own (not a view into the module's memory).
val float64Array(std::span<const double> values);
val bytes(std::string_view bytes);
std::vector<double> doublesOf(const val& array);

// {code: "ZERO_PRESSURE", text: "..."}, the text in the interface's language.
val messageValue(const Message& m);
// The texts of several messages, each text once in the order first told, with its code.
val distinctMessages(const std::vector<Message>& messages);
val stringArray(const std::vector<std::string>& texts);

// The numbers and words of a plot.
val plotValue(const PlotData& d);

// The stored tables, as JavaScript reads them (the shipped tables now; the user's tables in
// the browser's database later). `reader(family, fluid)` returns a Float64Array of rows of
// 1 + 8 numbers (TEMP and the properties, BETA 0 in a gas table), or a string: the message
// of a table that cannot be read. It never throws.
class JsPointSource : public PointSource {
public:
    void setReader(val reader) { reader_ = std::move(reader); }
    void readPoints(Family family, std::string_view fluid,
                    const std::function<void(const TablePoint&)>& take) override;

private:
    val reader_ = val::null();
};

JsPointSource& pointSource();

}  // namespace velm::web
