#include "convection/Convection.h"

#include "engine/Entry.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velm::convection {
namespace {

constexpr std::array<CaseInfo, 9> kCases{{
    {Case::FlatPlate, "flat-plate", true, LengthKind::Length, true},
    {Case::Cylinder, "cylinder", true, LengthKind::Diameter, true},
    {Case::Sphere, "sphere", true, LengthKind::Diameter, false},
    {Case::Tube, "tube", true, LengthKind::Diameter, false},
    {Case::VerticalPlate, "vertical-plate", false, LengthKind::Length, true},
    {Case::HorizontalCylinder, "horizontal-cylinder", false, LengthKind::Diameter, true},
    {Case::SphereFree, "sphere-free", false, LengthKind::Diameter, true},
    {Case::HorizontalPlateUp, "horizontal-plate-up", false, LengthKind::AreaOverPerimeter, true},
    {Case::HorizontalPlateDown, "horizontal-plate-down", false, LengthKind::AreaOverPerimeter, true},
}};

struct CorrelationText {
    std::string_view name, formula, range;
};

// In the order of NuCorrelation.
constexpr std::array<CorrelationText, 14> kCorrelations{{
    {"PLACA-LAMINAR", "Nu = 0.664 Re^(1/2) Pr^(1/3)", "Pr >= 0.6"},
    {"PLACA-MIXTA", "Nu = (0.037 Re^(4/5) - 871) Pr^(1/3)", "0.6 <= Pr <= 60, Re <= 1E8"},
    {"CHURCHILL-BERNSTEIN",
     "Nu = 0.3 + 0.62 Re^(1/2) Pr^(1/3) / [1 + (0.4/Pr)^(2/3)]^(1/4) [1 + (Re/282000)^(5/8)]^(4/5)",
     "Re Pr >= 0.2"},
    {"WHITAKER", "Nu = 2 + (0.4 Re^(1/2) + 0.06 Re^(2/3)) Pr^0.4 (MIU/MIU_S)^(1/4)",
     "0.71 <= Pr <= 380, 3.5 <= Re <= 7.6E4, 1 <= MIU/MIU_S <= 3.2"},
    {"LAMINAR-TS-UNIFORME", "Nu = 3.66", "Re < 2300"},
    {"LAMINAR-Q-UNIFORME", "Nu = 4.36", "Re < 2300"},
    {"GNIELINSKI", "Nu = (f/8) (Re - 1000) Pr / [1 + 12.7 (f/8)^(1/2) (Pr^(2/3) - 1)], f = (0.790 ln Re - 1.64)^-2",
     "3000 <= Re <= 5E6, 0.5 <= Pr <= 2000"},
    // The one formula with a word in it: the text layer translates it where it is shown.
    {"DITTUS-BOELTER", "Nu = 0.023 Re^(4/5) Pr^n, n = 0.4 (Ts > T) o 0.3",
     "Re >= 1E4, 0.6 <= Pr <= 160"},
    {"CHURCHILL-CHU", "Nu = {0.825 + 0.387 Ra^(1/6) / [1 + (0.492/Pr)^(9/16)]^(8/27)}^2", ""},
    {"CHURCHILL-CHU", "Nu = {0.60 + 0.387 Ra^(1/6) / [1 + (0.559/Pr)^(9/16)]^(8/27)}^2", "Ra <= 1E12"},
    {"CHURCHILL", "Nu = 2 + 0.589 Ra^(1/4) / [1 + (0.469/Pr)^(9/16)]^(4/9)", "Ra <= 1E11, Pr >= 0.7"},
    {"PLACA-HORIZONTAL-0.54", "Nu = 0.54 Ra^(1/4)", "1E4 <= Ra <= 1E7, Pr >= 0.7"},
    {"PLACA-HORIZONTAL-0.15", "Nu = 0.15 Ra^(1/3)", "1E7 <= Ra <= 1E11, Pr >= 0.7"},
    {"PLACA-HORIZONTAL-0.52", "Nu = 0.52 Ra^(1/5)", "1E4 <= Ra <= 1E9, Pr >= 0.7"},
}};

const CorrelationText& text(NuCorrelation c) { return kCorrelations[std::size_t(c)]; }

// Roots by square roots, a 2/3 power by a cube root: the same numbers to a few units in the
// last place as std::pow, and a sweep of many values much sooner.
double fourthRoot(double x) { return std::sqrt(std::sqrt(x)); }
double fiveEighths(double x) {
    const double x5 = x * x * x * x * x;
    return std::isfinite(x5) ? std::sqrt(fourthRoot(x5)) : std::pow(x, 0.625);
}

constexpr double kInfinity = HUGE_VAL;

// A stated limit of a correlation on one group; each one broken is a warning.
struct Limit {
    const char* group;
    double value, lo, hi;
};

void check(Result& r, std::initializer_list<Limit> limits) {
    for (const Limit& l : limits)
        if (!(l.value >= l.lo && l.value <= l.hi))
            r.warnings.push_back(message(MessageId::GroupOutOfRange, l.group, l.value, correlationName(r.correlation),
                                         correlationRange(r.correlation)));
}

// Nu of a forced case from Re and Pr (and, for the sphere, μ/μs), with its range checked.
void forced(Result& r, const Inputs& in, double muRatio) {
    const double Re = *r.Re, Pr = r.Pr;
    switch (in.kase) {
        case Case::FlatPlate:
            if (Re < 5e5) {
                r.correlation = NuCorrelation::PlateLaminar;
                r.Nu = nuPlateLaminar(Re, Pr);
                check(r, {{"Pr", Pr, 0.6, kInfinity}});
            } else {
                r.correlation = NuCorrelation::PlateMixed;
                r.Nu = nuPlateMixed(Re, Pr);
                check(r, {{"Pr", Pr, 0.6, 60}, {"Re", Re, 0, 1e8}});
            }
            return;
        case Case::Cylinder:
            r.correlation = NuCorrelation::ChurchillBernstein;
            r.Nu = nuChurchillBernstein(Re, Pr);
            check(r, {{"Re Pr", Re * Pr, 0.2, kInfinity}});
            return;
        case Case::Sphere:
            r.correlation = NuCorrelation::Whitaker;
            r.Nu = nuWhitaker(Re, Pr, muRatio);
            check(r, {{"Pr", Pr, 0.71, 380}, {"Re", Re, 3.5, 7.6e4}, {"MIU/MIU_S", muRatio, 1, 3.2}});
            return;
        case Case::Tube:
            if (Re < 2300) {
                const bool flux = in.wall == WallCondition::Flux;
                r.correlation = flux ? NuCorrelation::TubeLaminarFlux : NuCorrelation::TubeLaminarTemperature;
                r.Nu = flux ? 4.36 : 3.66;
            } else if (in.tube == TubeCorrelation::DittusBoelter) {
                r.correlation = NuCorrelation::DittusBoelter;
                r.Nu = nuDittusBoelter(Re, Pr, in.surface > in.fluid);
                check(r, {{"Re", Re, 1e4, kInfinity}, {"Pr", Pr, 0.6, 160}});
            } else {
                r.correlation = NuCorrelation::Gnielinski;
                r.Nu = nuGnielinski(Re, Pr);
                check(r, {{"Re", Re, 3000, 5e6}, {"Pr", Pr, 0.5, 2000}});
            }
            return;
        default:
            throw std::logic_error("not a forced case");
    }
}

// Nu of a free case from Ra and Pr, with its range checked.
void free(Result& r, const Inputs& in) {
    const double Ra = *r.Ra, Pr = r.Pr;
    switch (in.kase) {
        case Case::VerticalPlate:
            r.correlation = NuCorrelation::ChurchillChuVertical;
            r.Nu = nuChurchillChuVertical(Ra, Pr);
            return;
        case Case::HorizontalCylinder:
            r.correlation = NuCorrelation::ChurchillChuCylinder;
            r.Nu = nuChurchillChuCylinder(Ra, Pr);
            check(r, {{"Ra", Ra, 0, 1e12}});
            return;
        case Case::SphereFree:
            r.correlation = NuCorrelation::ChurchillSphere;
            r.Nu = nuChurchillSphere(Ra, Pr);
            check(r, {{"Ra", Ra, 0, 1e11}, {"Pr", Pr, 0.7, kInfinity}});
            return;
        case Case::HorizontalPlateUp:
        case Case::HorizontalPlateDown: {
            // The buoyant flow rises freely from the upper face of a hot plate and falls freely
            // from the lower face of a cold one; on the other faces the plate stands in its way.
            const bool hot = in.surface >= in.fluid;
            const bool up = in.kase == Case::HorizontalPlateUp;
            if (hot != up) {
                r.correlation = NuCorrelation::PlateHotDown;
                r.Nu = 0.52 * std::pow(Ra, 1.0 / 5);
                check(r, {{"Ra", Ra, 1e4, 1e9}, {"Pr", Pr, 0.7, kInfinity}});
            } else if (Ra <= 1e7) {
                r.correlation = NuCorrelation::PlateHotUpLaminar;
                r.Nu = 0.54 * fourthRoot(Ra);
                check(r, {{"Ra", Ra, 1e4, 1e7}, {"Pr", Pr, 0.7, kInfinity}});
            } else {
                r.correlation = NuCorrelation::PlateHotUpTurbulent;
                r.Nu = 0.15 * std::cbrt(Ra);
                check(r, {{"Ra", Ra, 1e7, 1e11}, {"Pr", Pr, 0.7, kInfinity}});
            }
            return;
        }
        default:
            throw std::logic_error("not a free case");
    }
}

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

std::string_view correlationName(NuCorrelation c) { return text(c).name; }
std::string_view correlationFormula(NuCorrelation c) { return text(c).formula; }
std::string_view correlationRange(NuCorrelation c) { return text(c).range; }

double nuPlateLaminar(double Re, double Pr) { return 0.664 * std::sqrt(Re) * std::cbrt(Pr); }

double nuPlateMixed(double Re, double Pr) { return (0.037 * std::pow(Re, 0.8) - 871) * std::cbrt(Pr); }

double nuChurchillBernstein(double Re, double Pr) {
    const double cbrtPr = std::cbrt(Pr), a = 0.7368062997280773 / cbrtPr;  // (0.4/Pr)^(1/3)
    return 0.3 + 0.62 * std::sqrt(Re) * cbrtPr / fourthRoot(1 + a * a) *
                     std::pow(1 + fiveEighths(Re / 282000), 0.8);
}

double nuWhitaker(double Re, double Pr, double muRatio) {
    return 2 + (0.4 * std::sqrt(Re) + 0.06 * std::pow(Re, 2.0 / 3)) * std::pow(Pr, 0.4) * fourthRoot(muRatio);
}

double gnielinskiFriction(double Re) {
    const double d = 0.790 * std::log(Re) - 1.64;
    return 1 / (d * d);
}

double nuGnielinski(double Re, double Pr) {
    const double f8 = gnielinskiFriction(Re) / 8;
    return f8 * (Re - 1000) * Pr / (1 + 12.7 * std::sqrt(f8) * (std::pow(Pr, 2.0 / 3) - 1));
}

double nuDittusBoelter(double Re, double Pr, bool heating) {
    return 0.023 * std::pow(Re, 0.8) * std::pow(Pr, heating ? 0.4 : 0.3);
}

double nuChurchillChuVertical(double Ra, double Pr) {
    const double n = 0.825 + 0.387 * std::pow(Ra, 1.0 / 6) / std::pow(1 + std::pow(0.492 / Pr, 9.0 / 16), 8.0 / 27);
    return n * n;
}

double nuChurchillChuCylinder(double Ra, double Pr) {
    const double n = 0.60 + 0.387 * std::pow(Ra, 1.0 / 6) / std::pow(1 + std::pow(0.559 / Pr, 9.0 / 16), 8.0 / 27);
    return n * n;
}

double nuChurchillSphere(double Ra, double Pr) {
    return 2 + 0.589 * fourthRoot(Ra) / std::pow(1 + std::pow(0.469 / Pr, 9.0 / 16), 4.0 / 9);
}

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
    if (c.forced) {
        r.Re = in.velocity * L / nu;
        forced(r, in, muRatio);
    } else {
        r.Gr = kGravity * beta * std::fabs(in.surface - in.fluid) * L * L * L / (nu * nu);
        r.Ra = *r.Gr * r.Pr;
        free(r, in);
    }
    r.h = r.Nu * r.value(Property::K) / L;
    r.q = r.h * (in.surface - in.fluid);

    bool finite = std::isfinite(r.Nu) && std::isfinite(r.h) && std::isfinite(r.q);
    for (const PropertyInfo& p : propertiesOf(fluid.family())) finite = finite && std::isfinite(r.value(p.id));
    if (!finite) return stopped(Stop::NotComputable, message(MessageId::NotComputable));
    return o;
}

}  // namespace velm::convection
