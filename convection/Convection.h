#pragma once
// Convection coefficients from the program's own properties: the cases a textbook user meets
// (plates, cylinders, spheres, tubes; forced and free), their correlations with the ranges
// they were fitted over, and the whole derivation from the property temperature to Nu, h and
// q. Everything here is in SI units (K, m, m/s, kPa); ConvectionEntry.h converts.

#include "convection/Catalogue.h"
#include "correlation/Family.h"
#include "engine/Fluid.h"
#include "engine/Message.h"
#include "engine/Properties.h"

#include <array>
#include <initializer_list>
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

// What a case may be given (a gas's pressure aside: the family asks for that).
enum class Input : unsigned char {
    SurfaceTemp,
    FluidTemp,
    Length,            // L itself (a horizontal plate's A/P when no area and perimeter are given)
    Diameter,
    AreaAndPerimeter,  // a horizontal plate's, for L = A/P
    Velocity,
    TubeCondition,     // the wall condition of laminar flow
    TubeCorrelation,   // the correlation of turbulent flow
};

struct CaseInfo {
    Case id;
    std::string_view name;  // the calculator's and the CSV's name: "flat-plate"
    unsigned inputs;        // a bit per Input it takes
    bool atFilm;            // properties at (Ts + T∞) / 2, otherwise at T∞
    // Read from the inputs: a velocity makes forced flow, and the length is the one taken.
    bool forced;
    LengthKind length;

    constexpr CaseInfo(Case c, std::string_view caseName, std::initializer_list<Input> takes, bool film)
        : id(c), name(caseName), inputs(0), atFilm(film), forced(false), length(LengthKind::Length) {
        for (const Input i : takes) inputs |= 1u << unsigned(i);
        forced = this->takes(Input::Velocity);
        length = this->takes(Input::Diameter)           ? LengthKind::Diameter
                 : this->takes(Input::AreaAndPerimeter) ? LengthKind::AreaOverPerimeter
                                                        : LengthKind::Length;
    }
    constexpr bool takes(Input i) const { return (inputs >> unsigned(i) & 1u) != 0; }
};

// Every case, in the order of Case: which inputs each takes is said once, in its table, for the
// calculator's options, the Python module's arguments and the screen's boxes alike.
std::span<const CaseInfo> cases();
const CaseInfo& info(Case c);
std::optional<Case> caseNamed(std::string_view name);

enum class WallCondition : unsigned char { Temperature, Flux };
enum class TubeCorrelation : unsigned char { Gnielinski, DittusBoelter };

// The correlation's name as the CSV and the warnings give it ("GNIELINSKI"), its formula
// and its stated range, as text (Catalogue.h has the rest).
std::string_view correlationName(NuCorrelation c);
std::string_view correlationFormula(NuCorrelation c);

// The correlations themselves, by their dimensionless groups.
double nuPlateLaminar(double Re, double Pr);
double nuPlateMixed(double Re, double Pr);
double nuChurchillBernstein(double Re, double Pr);
double nuWhitaker(double Re, double Pr, double muRatio);
double nuTubeLaminarTemperature();
double nuTubeLaminarFlux();
double gnielinskiFriction(double Re);
double nuGnielinski(double Re, double Pr);
double nuDittusBoelter(double Re, double Pr, bool heating);
double nuChurchillChuVertical(double Ra, double Pr);
double nuChurchillChuCylinder(double Ra, double Pr);
double nuChurchillSphere(double Ra, double Pr);
double nuPlateHotUpLaminar(double Ra);
double nuPlateHotUpTurbulent(double Ra);
double nuPlateHotDown(double Ra);

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
