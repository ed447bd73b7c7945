// properties(): the engine's sweep of a fluid's properties into NumPy arrays, or one
// temperature's into floats.
#include "python/Module.h"

#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Properties.h"
#include "engine/Sweep.h"
#include "engine/SweepText.h"

#include <array>

namespace velm::python {
namespace {

// The request of a call, its entries accepted as the property screen accepts them.
SweepRequest requestOf(const std::string& family, const std::string& fluid, const py::object& pressure,
                       const std::string& units, const std::string& scale) {
    SweepRequest r;
    r.family = familyNamedOrRaise(family);
    r.fluid = fluid;
    r.english = englishOrRaise(units);
    r.scale = std::string(scaleNamedOrRaise(scale));
    if (r.family == Family::Gases) {
        if (pressure.is_none()) raise("a gas needs a pressure (kPa, or psi under INGLES)");
        const PressureRule p = pressureRule(pressure.cast<double>(), r.english);
        if (p.outcome != PressureOutcome::Accepted) raise(refusal(p.outcome));
        r.pressure = p.kPa;
    } else if (!pressure.is_none()) {
        raise("pressure is for gases only");
    }
    return r;
}

// Runs the sweep; the refusal raised, each warning issued once. The interpreter is left to
// other threads while a long sweep or a stored table's reading runs.
void sweep(const SweepRequest& r, std::span<const double> temperatures, PointSource& source,
           const SweepColumns& out, bool release) {
    ColumnsOutcome o;
    if (release) {
        py::gil_scoped_release unlocked;
        o = sweepColumns(r, temperatures, source, out);
    } else {
        o = sweepColumns(r, temperatures, source, out);
    }
    if (o.refusal) raise(*o.refusal);
    warn(o.warnings);
}

}  // namespace

py::dict properties(const std::string& family, const std::string& fluid, const py::object& temperature,
                    const py::object& pressure, const std::string& units, const std::string& scale,
                    const py::object& dbDir) {
    const SweepRequest r = requestOf(family, fluid, pressure, units, scale);
    LazyStore source(folderOf(dbDir));
    const auto shown = propertiesOf(r.family);
    py::dict result;

    const Numbers temperatures = numbersOf(temperature, "temperature");
    if (temperatures.scalar) {
        const double t = temperatures.value;
        std::array<double, kPropertyCount> v{};
        RowSource from = RowSource::Correlation;
        SweepColumns out;
        for (std::size_t i = 0; i < kPropertyCount; ++i) out.value[i] = &v[i];
        out.source = &from;
        sweep(r, std::span(&t, 1), source, out, !isBuiltIn(r.family, r.fluid));
        for (const PropertyInfo& p : shown) result[py::str(p.column.data(), p.column.size())] = v[index(p.id)];
        const std::string_view origin = sourceText(from);
        result["ORIGEN"] = py::str(origin.data(), origin.size());
        return result;
    }

    const Doubles& t = temperatures.array;
    const auto n = std::size_t(t.shape(0));
    std::vector<Doubles> columns;
    SweepColumns out;
    for (const PropertyInfo& p : shown) {
        columns.emplace_back(py::ssize_t(n));
        out.value[index(p.id)] = columns.back().mutable_data();
    }
    std::vector<RowSource> from(n);
    out.source = from.data();
    sweep(r, std::span(t.data(), n), source, out, true);

    for (std::size_t i = 0; i < shown.size(); ++i)
        result[py::str(shown[i].column.data(), shown[i].column.size())] = columns[i];
    const std::array words{sourceText(RowSource::Correlation), sourceText(RowSource::TablePoint),
                           sourceText(RowSource::Interpolated), sourceText(RowSource::Extrapolated)};
    result["ORIGEN"] = textColumn(words, n, [&from](std::size_t i) { return std::size_t(from[i]); });
    return result;
}

}  // namespace velm::python
