#include "convection/ConvectionEntry.h"

#include "engine/Entry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace velm::convection {
namespace {

constexpr std::array<std::string_view, 4> kVariableNames{"velocity", "length", "diameter", "surface-temp"};

}  // namespace

std::string_view variableName(Variable v) { return kVariableNames[std::size_t(v)]; }

std::optional<Variable> variableNamed(std::string_view name) {
    for (std::size_t i = 0; i < kVariableNames.size(); ++i)
        if (kVariableNames[i] == name) return Variable(i);
    return std::nullopt;
}

Variable lengthVariable(Case c) {
    return info(c).length == LengthKind::Diameter ? Variable::Diameter : Variable::Length;
}

bool hasVariable(Case c, Variable v) {
    switch (v) {
        case Variable::Velocity: return info(c).takes(Input::Velocity);
        case Variable::Length: return info(c).takes(Input::Length);
        case Variable::Diameter: return info(c).takes(Input::Diameter);
        case Variable::SurfaceTemp: return info(c).takes(Input::SurfaceTemp);
    }
    return false;
}

double toMetres(double value, const Units& u) { return u.english ? value * kMetresPerFoot : value; }
double toSquareMetres(double value, const Units& u) {
    return u.english ? value * (kMetresPerFoot * kMetresPerFoot) : value;
}

void setVariable(Inputs& in, Variable v, double value, const Units& u) {
    switch (v) {
        case Variable::Velocity: in.velocity = toMetres(value, u); return;
        case Variable::Length:
        case Variable::Diameter: in.length = toMetres(value, u); return;
        case Variable::SurfaceTemp: in.surface = toKelvin(value, u.scale); return;
    }
}

Entry acceptEntry(const Setting& s, const EntryTexts& t, bool decimalComma) {
    // A text that is not a number becomes one that is not finite, refused as such.
    const auto number = [decimalComma](const std::string& text) {
        return parseNumber(text, decimalComma).value_or(std::numeric_limits<double>::quiet_NaN());
    };
    EntryValues v{number(t.surface), number(t.fluid), number(t.length), number(t.velocity), number(t.pressure), {}};
    if (!t.perimeter.empty()) v.perimeter = number(t.perimeter);
    return acceptEntry(s, v);
}

Entry acceptEntry(const Setting& s, const EntryValues& v) {
    Entry e;
    const auto refuse = [&e](Field f, Message m) {
        e.refused = f;
        e.message = std::move(m);
        return e;
    };
    const Message notANumber = refusal(TemperatureOutcome::NotANumber);
    const Message doesNotExist = refusal(TemperatureOutcome::DoesNotExist);

    const CaseInfo& c = info(s.kase);
    Inputs& in = e.inputs;
    in.kase = s.kase;
    in.wall = s.wall;
    in.tube = s.tube;
    if (!std::isfinite(v.surface)) return refuse(Field::Surface, notANumber);
    in.surface = toKelvin(v.surface, s.units.scale);
    if (in.surface < 0) return refuse(Field::Surface, doesNotExist);
    if (!std::isfinite(v.fluid)) return refuse(Field::Fluid, notANumber);
    in.fluid = toKelvin(v.fluid, s.units.scale);
    if (in.fluid < 0) return refuse(Field::Fluid, doesNotExist);

    const bool areaGiven = c.length == LengthKind::AreaOverPerimeter && v.perimeter;
    if (!std::isfinite(v.length)) return refuse(Field::Length, notANumber);
    if (!(v.length > 0))
        return refuse(Field::Length, message(areaGiven                          ? MessageId::AreaNotPositive
                                             : c.length == LengthKind::Diameter ? MessageId::DiameterNotPositive
                                                                                : MessageId::LengthNotPositive));
    in.length = toMetres(v.length, s.units);
    if (areaGiven) {
        if (!std::isfinite(*v.perimeter)) return refuse(Field::Perimeter, notANumber);
        if (!(*v.perimeter > 0)) return refuse(Field::Perimeter, message(MessageId::PerimeterNotPositive));
        in.length = toSquareMetres(v.length, s.units) / toMetres(*v.perimeter, s.units);
    }
    if (c.forced) {
        if (!std::isfinite(v.velocity)) return refuse(Field::Velocity, notANumber);
        if (!(v.velocity > 0)) return refuse(Field::Velocity, message(MessageId::VelocityNotPositive));
        setVariable(in, Variable::Velocity, v.velocity, s.units);
    }
    if (s.family == Family::Gases) {
        const PressureRule p = pressureRule(v.pressure, s.units.english);
        if (p.outcome != PressureOutcome::Accepted) return refuse(Field::Pressure, refusal(p.outcome));
        e.pressure = p.kPa;
    }
    return e;
}

Sweep runSweep(FluidProperties& fluid, const Inputs& base, Variable v, const std::vector<double>& values,
               const Units& u) {
    Sweep s;
    s.variable = v;
    s.values.reserve(values.size());
    s.rows.reserve(values.size());
    s.outsideRange.reserve(values.size());
    Inputs in = base;
    for (const double value : values) {
        setVariable(in, v, value, u);
        Outcome o = calculate(fluid, in);
        if (o.stop != Stop::None) {
            s.stop = o.stop;
            s.message = std::move(o.message);
            break;
        }
        for (const Message& w : o.result.warnings)
            if (std::find(s.warnings.begin(), s.warnings.end(), w) == s.warnings.end()) s.warnings.push_back(w);
        s.outsideRange.push_back(!o.result.warnings.empty());
        s.values.push_back(value);
        s.rows.push_back(std::move(o.result));
    }
    return s;
}

RangeEntry acceptRange(std::string_view from, std::string_view to, std::string_view step, bool decimalComma) {
    return velm::acceptRange(from, to, step, decimalComma, {MessageId::ValueFromAboveTo, MessageId::TooManyValues, kMaxValues, {}});
}

}  // namespace velm::convection
