#include "web/Values.h"

#include "engine/UserError.h"
#include "i18n/MessageText.h"

#include <emscripten/bind.h>

#include <set>

namespace velm::web {

val float64Array(std::span<const double> values) {
    return val(emscripten::typed_memory_view(values.size(), values.data())).call<val>("slice");
}

val bytes(std::string_view text) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return val(emscripten::typed_memory_view(text.size(), data)).call<val>("slice");
}

// One copy by the typed array itself (TypedArray.set), not a conversion number by number.
std::vector<double> doublesOf(const val& array) {
    std::vector<double> out(array["length"].as<std::size_t>());
    val(emscripten::typed_memory_view(out.size(), out.data())).call<void>("set", array);
    return out;
}

val messageValue(const Message& m) {
    val v = val::object();
    v.set("code", std::string(messageCode(m.id)));
    v.set("text", messageText(m));
    return v;
}

val distinctMessages(const std::vector<Message>& messages) {
    val out = val::array();
    std::set<std::string> seen;
    for (const Message& m : messages) {
        std::string text = messageText(m);
        if (!seen.insert(text).second) continue;
        val v = val::object();
        v.set("code", std::string(messageCode(m.id)));
        v.set("text", std::move(text));
        out.call<void>("push", v);
    }
    return out;
}

val stringArray(const std::vector<std::string>& texts) {
    val out = val::array();
    for (const std::string& t : texts) out.call<void>("push", t);
    return out;
}

namespace {

val pointsValue(const std::vector<PlotPoint>& points) {
    std::vector<double> x, y;
    x.reserve(points.size());
    y.reserve(points.size());
    for (const PlotPoint& p : points) {
        x.push_back(p.x);
        y.push_back(p.y);
    }
    val v = val::object();
    v.set("x", float64Array(x));
    v.set("y", float64Array(y));
    return v;
}

}  // namespace

val plotValue(const PlotData& d) {
    val v = val::object();
    v.set("title", d.title);
    v.set("xTitle", d.xTitle);
    v.set("yTitle", d.yTitle);
    v.set("lineName", d.lineName);
    v.set("extrapolatedName", d.extrapolatedName);
    v.set("markerName", d.markerName);
    v.set("rangeName", d.rangeName);
    v.set("logAxis", d.logAxis);
    val runs = val::array();
    for (const PlotRun& r : d.runs) {
        val run = pointsValue(r.points);
        run.set("extrapolated", r.extrapolated);
        runs.call<void>("push", run);
    }
    v.set("runs", runs);
    v.set("markers", pointsValue(d.markers));
    if (d.validRange) {
        val range = val::array();
        range.call<void>("push", d.validRange->first);
        range.call<void>("push", d.validRange->second);
        v.set("validRange", range);
    } else {
        v.set("validRange", val::null());
    }
    v.set("xMin", d.xMin);
    v.set("xMax", d.xMax);
    v.set("yMin", d.yMin);
    v.set("yMax", d.yMax);
    v.set("xTicks", d.xTicks);
    v.set("yTicks", d.yTicks);
    v.set("leftOut", double(d.leftOut));
    return v;
}

void JsPointSource::readPoints(Family family, std::string_view fluid,
                               const std::function<void(const TablePoint&)>& take) {
    if (reader_.isNull() || reader_.isUndefined()) throw UserError("");
    const val rows = reader_(std::string(familyName(family)), std::string(fluid));
    if (rows.isString()) throw UserError(rows.as<std::string>());
    const std::vector<double> numbers = doublesOf(rows);
    constexpr std::size_t kWidth = 1 + kPropertyCount;
    for (std::size_t i = 0; i + kWidth <= numbers.size(); i += kWidth) {
        TablePoint p;
        p.TEMP = numbers[i];
        for (std::size_t k = 0; k < kPropertyCount; ++k) p.value[k] = numbers[i + 1 + k];
        take(p);
    }
}

JsPointSource& pointSource() {
    static JsPointSource source;
    return source;
}

}  // namespace velm::web
