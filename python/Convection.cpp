// convection(): velmorantes-calc --convection's calculation, or its sweep of one input, as the
// CSV's columns: floats and str, or NumPy arrays.
#include "python/Module.h"

#include "convection/ConvectionEntry.h"
#include "convection/ConvectionOutput.h"

#include <pybind11/stl.h>

#include <array>
#include <cmath>
#include <tuple>

namespace velm::python {
namespace {

namespace conv = velm::convection;

// The choice among fixed words of an argument, or its default when it is None.
template <class T>
T choiceOf(const std::optional<std::string>& given, const char* name,
           std::initializer_list<std::pair<const char*, T>> words, T fallback) {
    if (!given) return fallback;
    const std::string& word = *given;
    std::string all;
    for (const auto& [w, value] : words) {
        if (word == w) return value;
        all += (all.empty() ? "\"" : " or \"") + std::string(w) + "\"";
    }
    raise(std::string(name) + " must be " + all + ", not \"" + word + "\"");
}

conv::Setting settingOf(const std::string& family, const std::string& fluid, const std::string& kase,
                        const std::string& units, const std::optional<std::string>& scale,
                        const std::optional<std::string>& tubeCondition, const std::optional<std::string>& correlation) {
    conv::Setting s;
    const std::optional<conv::Case> c = conv::caseNamed(kase);
    if (!c) {
        std::string names;
        for (const conv::CaseInfo& i : conv::cases()) names += (names.empty() ? "" : ", ") + std::string(i.name);
        raise("case must be one of " + names + ", not \"" + kase + "\"");
    }
    s.kase = *c;
    s.family = familyNamedOrRaise(family);
    s.fluid = fluid;
    s.units.english = englishOrRaise(units);
    s.units.scale = s.units.english ? "ºF" : "K";
    if (scale) {
        const std::string_view named = scaleNamedOrRaise(*scale);
        if (s.units.english != (named == "ºF"))
            raise("scale \"" + std::string(named) + "\" is not offered under " +
                  (s.units.english ? "INGLES units (use \"ºF\")" : "SI units (use \"K\" or \"ºC\")"));
        s.units.scale = std::string(named);
    }
    const conv::CaseInfo& taking = conv::info(s.kase);
    for (const auto& [name, given, input] : {std::tuple{"tube_condition", &tubeCondition, conv::Input::TubeCondition},
                                             std::tuple{"correlation", &correlation, conv::Input::TubeCorrelation}})
        if (*given && !taking.takes(input)) raise(std::string(name) + " is for tube only");
    s.wall = choiceOf(tubeCondition, "tube_condition",
                      {{"temperature", conv::WallCondition::Temperature}, {"flux", conv::WallCondition::Flux}},
                      conv::WallCondition::Temperature);
    s.tube = choiceOf(correlation, "correlation",
                      {{"gnielinski", conv::TubeCorrelation::Gnielinski},
                       {"dittus-boelter", conv::TubeCorrelation::DittusBoelter}},
                      conv::TubeCorrelation::Gnielinski);
    return s;
}

// The numbers of a calculation as the calculator takes them: each given exactly when the case
// takes it; one of velocity, length, diameter and surface_temp may be an array, swept as
// --vary sweeps it.
struct ConvectionArgs {
    conv::EntryValues values;
    std::optional<conv::Variable> vary;
    std::vector<double> swept;
};

ConvectionArgs argsOf(const conv::Setting& s, const py::object& surfaceTemp, const py::object& fluidTemp,
                      const py::object& length, const py::object& diameter, const py::object& area,
                      const py::object& perimeter, const py::object& velocity, const py::object& pressure) {
    using conv::Input;
    const conv::CaseInfo& c = conv::info(s.kase);
    const std::string caseName(c.name);
    ConvectionArgs a;
    // An argument given or not as the case wants, and its number; an array is kept as the sweep.
    const auto take = [&](const py::object& x, const char* name, bool wanted, const std::string& why,
                          double& into, std::optional<conv::Variable> variable) {
        if (x.is_none()) {
            if (wanted) raise(caseName + " needs " + name);
            return;
        }
        if (!wanted) raise(std::string(name) + " is not taken " + why);
        if (!variable) {
            into = numberOf(x, name);
            return;
        }
        const Numbers n = numbersOf(x, name);
        if (n.scalar) {
            into = n.value;
            return;
        }
        if (a.vary) raise("only one of surface_temp, length, diameter and velocity may be an array");
        const auto count = std::size_t(n.array.shape(0));
        if (count == 0 || count > conv::kMaxValues)
            raise(std::string(name) + " must hold from 1 to " + std::to_string(conv::kMaxValues) + " values");
        a.vary = variable;
        a.swept.assign(n.array.data(), n.array.data() + count);
        for (const double v : a.swept)
            if (!std::isfinite(v)) raise(message(MessageId::NotANumber));
        into = a.swept.front();  // refused as the first value, as the calculator does
    };
    conv::EntryValues& v = a.values;
    take(surfaceTemp, "surface_temp", c.takes(Input::SurfaceTemp), "", v.surface, conv::Variable::SurfaceTemp);
    take(fluidTemp, "fluid_temp", c.takes(Input::FluidTemp), "", v.fluid, std::nullopt);
    take(velocity, "velocity", c.takes(Input::Velocity), "in free convection", v.velocity, conv::Variable::Velocity);
    if (s.family == Family::Gases) {  // as properties() says it
        if (pressure.is_none()) raise("a gas needs a pressure (kPa, or psi under INGLES)");
        v.pressure = numberOf(pressure, "pressure");
    } else if (!pressure.is_none()) {
        raise("pressure is for gases only");
    }
    // A horizontal plate takes L itself or its area and perimeter.
    const bool areaGiven = c.takes(Input::AreaAndPerimeter) && !(area.is_none() && perimeter.is_none());
    const std::string byCase = "by " + caseName;
    take(diameter, "diameter", c.takes(Input::Diameter), byCase, v.length, conv::Variable::Diameter);
    take(length, "length", c.takes(Input::Length) && !areaGiven, areaGiven ? "with area and perimeter" : byCase,
         v.length, conv::Variable::Length);
    take(area, "area", areaGiven, byCase, v.length, std::nullopt);
    double p = 0;
    take(perimeter, "perimeter", areaGiven, byCase, p, std::nullopt);
    if (areaGiven) v.perimeter = p;
    return a;
}

// The columns of the calculator's CSV: a number in gives floats and str, an array in gives
// arrays; a field the case does not have is None.
py::dict convectionColumns(const conv::Setting& s, const std::vector<conv::Result>& rows, bool scalar) {
    std::vector<conv::Shown> shown;
    shown.reserve(rows.size());
    for (const conv::Result& r : rows) shown.push_back(conv::shown(r, s.units));
    py::dict result;
    const std::string_view caseName = conv::info(s.kase).name;
    std::array<std::string_view, conv::kCorrelationCount> names;
    for (std::size_t c = 0; c < names.size(); ++c) names[c] = conv::correlationName(conv::NuCorrelation(c));
    if (scalar) {
        result["CASO"] = py::str(caseName.data(), caseName.size());
        const std::string_view name = names[std::size_t(rows[0].correlation)];
        result["CORRELACION"] = py::str(name.data(), name.size());
    } else {
        result["CASO"] = textColumn(std::span(&caseName, 1), rows.size(), [](std::size_t) { return std::size_t(0); });
        result["CORRELACION"] =
            textColumn(names, rows.size(), [&rows](std::size_t i) { return std::size_t(rows[i].correlation); });
    }
    // A numeric column from each row's value; None when the case has no such field.
    for (const conv::NumericColumn& c : conv::numericColumns()) {
        const auto value = c.value;
        const py::str k(c.key.data(), c.key.size());
        const std::optional<double> first = value(rows[0], shown[0]);
        if (!first) {
            result[k] = py::none();
        } else if (scalar) {
            result[k] = *first;
        } else {
            Doubles a(py::ssize_t(rows.size()));
            double* out = a.mutable_data();
            for (std::size_t i = 0; i < rows.size(); ++i) out[i] = *value(rows[i], shown[i]);
            result[k] = a;
        }
    }
    return result;
}

}  // namespace

py::dict convection(const std::string& family, const std::string& fluid, const std::string& kase,
                    const py::object& surfaceTemp, const py::object& fluidTemp, const py::object& length,
                    const py::object& diameter, const py::object& area, const py::object& perimeter,
                    const py::object& velocity, const py::object& pressure, const std::string& units,
                    const std::optional<std::string>& scale, const std::optional<std::string>& tubeCondition,
                    const std::optional<std::string>& correlation, const py::object& dbDir) {
    const conv::Setting s = settingOf(family, fluid, kase, units, scale, tubeCondition, correlation);
    const ConvectionArgs a = argsOf(s, surfaceTemp, fluidTemp, length, diameter, area, perimeter, velocity, pressure);
    const conv::Entry e = conv::acceptEntry(s, a.values);
    if (e.refused != conv::Field::None) raise(e.message);
    LazyStore source(folderOf(dbDir));

    conv::Sweep sweep;
    {
        py::gil_scoped_release unlocked;
        conv::FluidProperties fluidProperties(s.family, s.fluid, e.pressure, source);
        if (a.vary) {
            sweep = conv::runSweep(fluidProperties, e.inputs, *a.vary, a.swept, s.units);
        } else {
            conv::Outcome o = conv::calculate(fluidProperties, e.inputs);
            sweep.stop = o.stop;
            sweep.message = std::move(o.message);
            sweep.warnings = o.result.warnings;
            sweep.rows.push_back(std::move(o.result));
        }
    }
    if (sweep.stop != conv::Stop::None) raise(sweep.message);
    warn(sweep.warnings);
    return convectionColumns(s, sweep.rows, !a.vary);
}

}  // namespace velm::python
