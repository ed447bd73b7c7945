#pragma once
// Convection coefficients from the program's own properties: the cases a textbook user meets
// (plates, cylinders, spheres, tubes; forced and free), their correlations with the ranges
// they were fitted over, and the whole derivation from the property temperature to Nu, h and
// q. Everything here is in SI units (K, m, m/s, kPa); ConvectionEntry.h converts.

#include "correlation/Family.h"
#include "engine/Fluid.h"
#include "engine/Message.h"
#include "engine/Properties.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velm::convection {

inline constexpr double kGravity = 9.80665;  // m/s², standard

enum class Case : unsigned char {
    FlatPlate,
    Cylinder,
    Sphere,
    Tube,
    VerticalPlate,
    HorizontalCylinder,
    SphereFree,
    HorizontalPlateUp,
    HorizontalPlateDown,
};

// What the length of a case is: a length, a diameter, or a horizontal plate's area over its
// perimeter.
enum class LengthKind : unsigned char { Length, Diameter, AreaOverPerimeter };

struct CaseInfo {
    Case id;
    std::string_view name;  // the calculator's and the CSV's name: "flat-plate"
    bool forced;            // a velocity is needed
    LengthKind length;
    bool atFilm;            // properties at (Ts + T∞) / 2, otherwise at T∞
};

std::span<const CaseInfo> cases();
const CaseInfo& info(Case c);
std::optional<Case> caseNamed(std::string_view name);

enum class WallCondition : unsigned char { Temperature, Flux };
enum class TubeCorrelation : unsigned char { Gnielinski, DittusBoelter };

enum class NuCorrelation : unsigned char {
    PlateLaminar,
    PlateMixed,
    ChurchillBernstein,
    Whitaker,
    TubeLaminarTemperature,
    TubeLaminarFlux,
    Gnielinski,
    DittusBoelter,
    ChurchillChuVertical,
    ChurchillChuCylinder,
    ChurchillSphere,
    PlateHotUpLaminar,    // 0.54 Ra^1/4
    PlateHotUpTurbulent,  // 0.15 Ra^1/3
    PlateHotDown,         // 0.52 Ra^1/5
};

// The correlation's name as the CSV and the warnings give it ("GNIELINSKI"), its formula
// and its stated range, as text.
std::string_view correlationName(NuCorrelation c);
std::string_view correlationFormula(NuCorrelation c);
std::string_view correlationRange(NuCorrelation c);  // empty: no stated limit

// The correlations themselves, by their dimensionless groups.
double nuPlateLaminar(double Re, double Pr);
double nuPlateMixed(double Re, double Pr);
double nuChurchillBernstein(double Re, double Pr);
double nuWhitaker(double Re, double Pr, double muRatio);
double gnielinskiFriction(double Re);
double nuGnielinski(double Re, double Pr);
double nuDittusBoelter(double Re, double Pr, bool heating);
double nuChurchillChuVertical(double Ra, double Pr);
double nuChurchillChuCylinder(double Ra, double Pr);
double nuChurchillSphere(double Ra, double Pr);

// The inputs of one calculation, in SI units.
struct Inputs {
    Case kase = Case::FlatPlate;
    double surface = 0;   // Ts, K
    double fluid = 0;     // T∞ (a tube's mean fluid temperature), K
    double length = 0;    // L, D or A/P, m
    double velocity = 0;  // m/s, forced cases only
    WallCondition wall = WallCondition::Temperature;
    TubeCorrelation tube = TubeCorrelation::Gnielinski;
};

// Why a calculation gives no numbers; its message says so.
enum class Stop : unsigned char { None, DoesNotExist, NotPositive, ZeroPressure, TooFewPoints, Unreadable, NotComputable };

struct Result {
    NuCorrelation correlation = NuCorrelation::PlateLaminar;
    double propertyTemperature = 0;  // K
    // At the property temperature, SI; BETA is the one used (1/T for a gas).
    std::array<double, kPropertyCount> property{};
    std::optional<double> surfaceViscosity;  // μs at Ts, Pa·s (sphere)
    std::optional<double> Re, Gr, Ra;
    double Pr = 0, Nu = 0, h = 0, q = 0;  // h W/(m²·K), q W/m²
    std::vector<Message> warnings;        // in the order they arose

    double value(Property p) const { return property[index(p)]; }
};

struct Outcome {
    Stop stop = Stop::None;
    Message message;  // the refusal, when stopped
    Result result;
};

// A fluid resolved once, its values at any temperature with the program's usual warnings.
// The last two temperatures asked for are kept: a sweep of the velocity or the length asks
// for the same ones again.
class FluidProperties {
public:
    FluidProperties(Family family, std::string fluid, double pressure, PointSource& source)
        : fluid_(family, std::move(fluid), pressure, source) {}

    const FluidValues& at(double T);

    Family family() const { return fluid_.family(); }
    const std::string& fluid() const { return fluid_.fluid(); }
    double pressure() const { return fluid_.pressure(); }
    bool gas() const { return fluid_.gas(); }

private:
    FluidEvaluator fluid_;
    struct Kept {
        double T;
        FluidValues at;
    };
    std::optional<Kept> kept_[2];
    unsigned next_ = 0;
};

// One calculation through a resolved fluid.
Outcome calculate(FluidProperties& fluid, const Inputs& in);

}  // namespace velm::convection
