// Free convection: a vertical plate, a horizontal cylinder, a sphere, and a horizontal plate
// facing up or down.
#include "convection/Catalogue.h"
#include "convection/Convection.h"

#include <array>
#include <stdexcept>

namespace velm::convection {
namespace {

// Above a hot plate facing up (or below a cold one facing down) the flow turns turbulent at
// Ra = 1E7.
constexpr double kPlateUpTurbulentAboveRa = 1e7;

constexpr Limit kChurchillChuCylinder[] = {atMost(Group::Ra, 1e12)};
constexpr Limit kChurchillSphere[] = {atMost(Group::Ra, 1e11), atLeast(Group::Pr, 0.7)};
constexpr Limit kPlateHotUpLaminar[] = {between(Group::Ra, 1e4, kPlateUpTurbulentAboveRa), atLeast(Group::Pr, 0.7)};
constexpr Limit kPlateHotUpTurbulent[] = {between(Group::Ra, kPlateUpTurbulentAboveRa, 1e11), atLeast(Group::Pr, 0.7)};
constexpr Limit kPlateHotDown[] = {between(Group::Ra, 1e4, 1e9), atLeast(Group::Pr, 0.7)};

constexpr std::string_view kHorizontalPlateUp =
    "McAdams 1954, Heat Transmission, 3rd ed., McGraw-Hill, with L = A/P of Lloyd & Moran 1974, J. Heat Transfer "
    "96, 443-447; Incropera & DeWitt, Fundamentals of Heat and Mass Transfer, 6th ed., section 9.6";

constexpr std::array<Correlation, 6> kCorrelations{{
    {NuCorrelation::ChurchillChuVertical, "CHURCHILL-CHU",
     "Nu = {0.825 + 0.387 Ra^(1/6) / [1 + (0.492/Pr)^(9/16)]^(8/27)}^2", {},
     "Churchill & Chu 1975, Int. J. Heat Mass Transfer 18, 1323-1329",
     [](const Groups& g) { return nuChurchillChuVertical(g.Ra, g.Pr); }},
    {NuCorrelation::ChurchillChuCylinder, "CHURCHILL-CHU",
     "Nu = {0.60 + 0.387 Ra^(1/6) / [1 + (0.559/Pr)^(9/16)]^(8/27)}^2", kChurchillChuCylinder,
     "Churchill & Chu 1975, Int. J. Heat Mass Transfer 18, 1049-1053",
     [](const Groups& g) { return nuChurchillChuCylinder(g.Ra, g.Pr); }},
    {NuCorrelation::ChurchillSphere, "CHURCHILL", "Nu = 2 + 0.589 Ra^(1/4) / [1 + (0.469/Pr)^(9/16)]^(4/9)",
     kChurchillSphere, "Churchill 1983, Heat Exchanger Design Handbook, section 2.5.7, Hemisphere",
     [](const Groups& g) { return nuChurchillSphere(g.Ra, g.Pr); }},
    {NuCorrelation::PlateHotUpLaminar, "PLACA-HORIZONTAL-0.54", "Nu = 0.54 Ra^(1/4)", kPlateHotUpLaminar,
     kHorizontalPlateUp, [](const Groups& g) { return nuPlateHotUpLaminar(g.Ra); }},
    {NuCorrelation::PlateHotUpTurbulent, "PLACA-HORIZONTAL-0.15", "Nu = 0.15 Ra^(1/3)", kPlateHotUpTurbulent,
     kHorizontalPlateUp, [](const Groups& g) { return nuPlateHotUpTurbulent(g.Ra); }},
    {NuCorrelation::PlateHotDown, "PLACA-HORIZONTAL-0.52", "Nu = 0.52 Ra^(1/5)", kPlateHotDown,
     "Radziemska & Lewandowski 2001, Applied Energy 68, 347-366, with L = A/P; Incropera & DeWitt, Fundamentals "
     "of Heat and Mass Transfer, 6th ed., section 9.6",
     [](const Groups& g) { return nuPlateHotDown(g.Ra); }},
}};

}  // namespace

std::span<const Correlation> freeConvectionCorrelations() { return kCorrelations; }

NuCorrelation freeConvection(const Inputs& in, const Groups& at) {
    switch (in.kase) {
        case Case::VerticalPlate: return NuCorrelation::ChurchillChuVertical;
        case Case::HorizontalCylinder: return NuCorrelation::ChurchillChuCylinder;
        case Case::SphereFree: return NuCorrelation::ChurchillSphere;
        case Case::HorizontalPlateUp:
        case Case::HorizontalPlateDown: {
            // The buoyant flow rises freely from the upper face of a hot plate and falls freely
            // from the lower face of a cold one; on the other faces the plate stands in its way.
            const bool hot = in.surface >= in.fluid;
            const bool up = in.kase == Case::HorizontalPlateUp;
            if (hot != up) return NuCorrelation::PlateHotDown;
            return at.Ra <= kPlateUpTurbulentAboveRa ? NuCorrelation::PlateHotUpLaminar
                                                     : NuCorrelation::PlateHotUpTurbulent;
        }
        default: throw std::logic_error("not a case of free convection");
    }
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

double nuPlateHotUpLaminar(double Ra) { return 0.54 * fourthRoot(Ra); }
double nuPlateHotUpTurbulent(double Ra) { return 0.15 * std::cbrt(Ra); }
double nuPlateHotDown(double Ra) { return 0.52 * std::pow(Ra, 1.0 / 5); }

}  // namespace velm::convection
