// Forced flow inside a tube: fully developed laminar flow under either wall condition, and
// turbulent flow by Gnielinski's correlation or Dittus and Boelter's.
#include "convection/Catalogue.h"
#include "convection/Convection.h"

#include <array>

namespace velm::convection {
namespace {

// The flow in a tube is taken as laminar below Re = 2300, turbulent from there.
constexpr double kLaminarBelowRe = 2300;

constexpr Limit kLaminar[] = {below(Group::Re, kLaminarBelowRe)};
constexpr Limit kGnielinski[] = {between(Group::Re, 3000, 5e6), between(Group::Pr, 0.5, 2000)};
constexpr Limit kDittusBoelter[] = {atLeast(Group::Re, 1e4), between(Group::Pr, 0.6, 160)};

constexpr std::string_view kShahLondon =
    "Shah & London 1978, Laminar Flow Forced Convection in Ducts, Academic Press; Incropera & DeWitt, "
    "Fundamentals of Heat and Mass Transfer, 6th ed., section 8.4";

constexpr std::array<Correlation, 4> kCorrelations{{
    {NuCorrelation::TubeLaminarTemperature, "LAMINAR-TS-UNIFORME", "Nu = 3.66", kLaminar, kShahLondon,
     [](const Groups&) { return nuTubeLaminarTemperature(); }},
    {NuCorrelation::TubeLaminarFlux, "LAMINAR-Q-UNIFORME", "Nu = 4.36", kLaminar, kShahLondon,
     [](const Groups&) { return nuTubeLaminarFlux(); }},
    {NuCorrelation::Gnielinski, "GNIELINSKI",
     "Nu = (f/8) (Re - 1000) Pr / [1 + 12.7 (f/8)^(1/2) (Pr^(2/3) - 1)], f = (0.790 ln Re - 1.64)^-2", kGnielinski,
     "Gnielinski 1976, Int. Chem. Eng. 16, 359-368 (the friction factor of Petukhov 1970)",
     [](const Groups& g) { return nuGnielinski(g.Re, g.Pr); }},
    // The one formula with a word in it: the text layer translates it where it is shown.
    {NuCorrelation::DittusBoelter, "DITTUS-BOELTER", "Nu = 0.023 Re^(4/5) Pr^n, n = 0.4 (Ts > T) o 0.3",
     kDittusBoelter,
     "Dittus & Boelter 1930, Univ. Calif. Publ. Eng. 2, 443-461; Incropera & DeWitt, Fundamentals of Heat and "
     "Mass Transfer, 6th ed., section 8.5",
     [](const Groups& g) { return nuDittusBoelter(g.Re, g.Pr, g.heating); }},
}};

}  // namespace

std::span<const Correlation> internalFlowCorrelations() { return kCorrelations; }

NuCorrelation internalFlow(const Inputs& in, const Groups& at) {
    if (at.Re < kLaminarBelowRe)
        return in.wall == WallCondition::Flux ? NuCorrelation::TubeLaminarFlux : NuCorrelation::TubeLaminarTemperature;
    return in.tube == TubeCorrelation::DittusBoelter ? NuCorrelation::DittusBoelter : NuCorrelation::Gnielinski;
}

double nuTubeLaminarTemperature() { return 3.66; }
double nuTubeLaminarFlux() { return 4.36; }

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

}  // namespace velm::convection
