#include "convection/Convection.h"

#include "engine/Entry.h"

#include <cmath>

namespace velm::convection {
namespace {

constexpr bool kFilm = true;    // properties at (Ts + T∞) / 2
constexpr bool kFluid = false;  // properties at T∞

using enum Input;
constexpr std::array<CaseInfo, 9> kCases{{
    {Case::FlatPlate, "flat-plate", {SurfaceTemp, FluidTemp, Length, Velocity}, kFilm},
    {Case::Cylinder, "cylinder", {SurfaceTemp, FluidTemp, Diameter, Velocity}, kFilm},
    {Case::Sphere, "sphere", {SurfaceTemp, FluidTemp, Diameter, Velocity}, kFluid},
    {Case::Tube, "tube", {SurfaceTemp, FluidTemp, Diameter, Velocity, TubeCondition, TubeCorrelation}, kFluid},
    {Case::VerticalPlate, "vertical-plate", {SurfaceTemp, FluidTemp, Length}, kFilm},
    {Case::HorizontalCylinder, "horizontal-cylinder", {SurfaceTemp, FluidTemp, Diameter}, kFilm},
    {Case::SphereFree, "sphere-free", {SurfaceTemp, FluidTemp, Diameter}, kFilm},
    {Case::HorizontalPlateUp, "horizontal-plate-up", {SurfaceTemp, FluidTemp, Length, AreaAndPerimeter}, kFilm},
    {Case::HorizontalPlateDown, "horizontal-plate-down", {SurfaceTemp, FluidTemp, Length, AreaAndPerimeter}, kFilm},
}};

Outcome stopped(Stop why, Message m) {
    Outcome o;
    o.stop = why;
    o.message = std::move(m);
    return o;
}

Stop stopOf(MessageId id) {
    switch (id) {
        case MessageId::ZeroPressure: return Stop::ZeroPressure;
        case MessageId::TooFewPoints: return Stop::TooFewPoints;
        default: return Stop::Unreadable;
    }
}

// Takes a property evaluation's warnings; false (with the outcome stopped) when it gave none.
bool take(const FluidValues& a, Outcome& o) {
    if (a.stop) {
        o = stopped(stopOf(a.stop->id), *a.stop);
        return false;
    }
    o.result.warnings.insert(o.result.warnings.end(), a.warnings.begin(), a.warnings.end());
    return true;
}

}  // namespace

std::span<const CaseInfo> cases() { return kCases; }
const CaseInfo& info(Case c) { return kCases[std::size_t(c)]; }

std::optional<Case> caseNamed(std::string_view name) {
    for (const CaseInfo& c : kCases)
        if (c.name == name) return c.id;
    return std::nullopt;
}

std::string_view correlationName(NuCorrelation c) { return correlation(c).name; }
std::string_view correlationFormula(NuCorrelation c) { return correlation(c).formula; }

const FluidValues& FluidProperties::at(double T) {
    for (const std::optional<Kept>& k : kept_)
        if (k && k->T == T) return k->at;
    std::optional<Kept>& slot = kept_[next_];
    next_ ^= 1;
    slot = Kept{T, fluid_.at(T)};
    return slot->at;
}

Outcome calculate(FluidProperties& fluid, const Inputs& in) {
    const CaseInfo& c = info(in.kase);
    if (in.surface < 0 || in.fluid < 0)
        return stopped(Stop::DoesNotExist, refusal(TemperatureOutcome::DoesNotExist));
    if (!(in.length > 0))
        return stopped(Stop::NotPositive, message(c.length == LengthKind::Diameter ? MessageId::DiameterNotPositive
                                                                                   : MessageId::LengthNotPositive));
    if (c.forced && !(in.velocity > 0)) return stopped(Stop::NotPositive, message(MessageId::VelocityNotPositive));

    Outcome o;
    Result& r = o.result;
    r.propertyTemperature = c.atFilm ? (in.surface + in.fluid) / 2 : in.fluid;
    const FluidValues& film = fluid.at(r.propertyTemperature);
    if (!take(film, o)) return o;
    r.property = film.value;
    double& beta = r.property[index(Property::BETA)];
    if (fluid.gas()) beta = 1 / r.propertyTemperature;  // an ideal gas
    double muRatio = 1;
    if (in.kase == Case::Sphere) {
        const FluidValues& surface = fluid.at(in.surface);
        if (!take(surface, o)) return o;
        r.surfaceViscosity = surface.value[index(Property::MIU)];
        muRatio = r.value(Property::MIU) / *r.surfaceViscosity;
    }

    const double nu = r.value(Property::UN), L = in.length;
    r.Pr = r.value(Property::PR);
    Groups at{.Pr = r.Pr, .muRatio = muRatio, .heating = in.surface > in.fluid};
    if (c.forced) {
        r.Re = at.Re = in.velocity * L / nu;
        r.correlation = in.kase == Case::Tube ? internalFlow(in, at) : externalFlow(in.kase, at);
    } else {
        r.Gr = kGravity * beta * std::fabs(in.surface - in.fluid) * L * L * L / (nu * nu);
        r.Ra = at.Ra = *r.Gr * r.Pr;
        r.correlation = freeConvection(in, at);
    }
    const Correlation& k = correlation(r.correlation);
    r.Nu = k.nu(at);
    checkLimits(k, at, r.warnings);
    r.h = r.Nu * r.value(Property::K) / L;
    r.q = r.h * (in.surface - in.fluid);

    bool finite = std::isfinite(r.Nu) && std::isfinite(r.h) && std::isfinite(r.q);
    for (const PropertyInfo& p : propertiesOf(fluid.family())) finite = finite && std::isfinite(r.value(p.id));
    if (!finite) return stopped(Stop::NotComputable, message(MessageId::NotComputable));
    return o;
}

}  // namespace velm::convection
