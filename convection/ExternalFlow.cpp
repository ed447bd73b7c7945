// Forced flow over a body: a flat plate in parallel flow, a cylinder in cross flow, a sphere.
#include "convection/Catalogue.h"
#include "convection/Convection.h"

#include <array>
#include <stdexcept>

namespace velm::convection {
namespace {

// A plate's boundary layer turns turbulent at Re = 5E5: below it the plate is laminar all
// along, from it the laminar part and the turbulent part are averaged together.
constexpr double kPlateTransitionRe = 5e5;

constexpr Limit kPlateLaminar[] = {atLeast(Group::Pr, 0.6)};
constexpr Limit kPlateMixed[] = {between(Group::Pr, 0.6, 60), atMost(Group::Re, 1e8)};
constexpr Limit kChurchillBernstein[] = {atLeast(Group::RePr, 0.2)};
constexpr Limit kWhitaker[] = {between(Group::Pr, 0.71, 380), between(Group::Re, 3.5, 7.6e4),
                               between(Group::MuRatio, 1, 3.2)};

constexpr std::array<Correlation, 4> kCorrelations{{
    {NuCorrelation::PlateLaminar, "PLACA-LAMINAR", "Nu = 0.664 Re^(1/2) Pr^(1/3)", kPlateLaminar,
     "Pohlhausen 1921, Z. angew. Math. Mech. 1, 115-121; Incropera & DeWitt, Fundamentals of Heat and Mass "
     "Transfer, 6th ed., section 7.2",
     [](const Groups& g) { return nuPlateLaminar(g.Re, g.Pr); }},
    {NuCorrelation::PlateMixed, "PLACA-MIXTA", "Nu = (0.037 Re^(4/5) - 871) Pr^(1/3)", kPlateMixed,
     "Incropera & DeWitt, Fundamentals of Heat and Mass Transfer, 6th ed., section 7.2: Pohlhausen's laminar "
     "layer up to Re = 5E5 and the turbulent layer's 0.037 Re^(4/5) Pr^(1/3) beyond",
     [](const Groups& g) { return nuPlateMixed(g.Re, g.Pr); }},
    {NuCorrelation::ChurchillBernstein, "CHURCHILL-BERNSTEIN",
     "Nu = 0.3 + 0.62 Re^(1/2) Pr^(1/3) / [1 + (0.4/Pr)^(2/3)]^(1/4) [1 + (Re/282000)^(5/8)]^(4/5)",
     kChurchillBernstein, "Churchill & Bernstein 1977, J. Heat Transfer 99, 300-306",
     [](const Groups& g) { return nuChurchillBernstein(g.Re, g.Pr); }},
    {NuCorrelation::Whitaker, "WHITAKER", "Nu = 2 + (0.4 Re^(1/2) + 0.06 Re^(2/3)) Pr^0.4 (MIU/MIU_S)^(1/4)",
     kWhitaker, "Whitaker 1972, AIChE J. 18, 361-371",
     [](const Groups& g) { return nuWhitaker(g.Re, g.Pr, g.muRatio); }},
}};

}  // namespace

std::span<const Correlation> externalFlowCorrelations() { return kCorrelations; }

NuCorrelation externalFlow(Case c, const Groups& at) {
    switch (c) {
        case Case::FlatPlate: return at.Re < kPlateTransitionRe ? NuCorrelation::PlateLaminar : NuCorrelation::PlateMixed;
        case Case::Cylinder: return NuCorrelation::ChurchillBernstein;
        case Case::Sphere: return NuCorrelation::Whitaker;
        default: throw std::logic_error("not a body in forced flow");
    }
}

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

}  // namespace velm::convection
