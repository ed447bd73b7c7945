#pragma once
// The entries of a convection calculation as the user gives them (texts, in SI or English
// units and a temperature scale) turned into the SI inputs of Convection.h, with the property
// screen's refusals; and a sweep of one input over many values.

#include "convection/Convection.h"
#include "engine/Sweep.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velm::convection {

// English units, by exact definitions: the international foot and the International Table
// Btu. The property values themselves take the program's own factors (engine/Properties.h).
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kJoulesPerBtu = 1055.05585262;
// W/(m²·K) to Btu/(h·ft²·ºF), and W/m² to Btu/(h·ft²).
inline constexpr double kHToEnglish = 3600 * kMetresPerFoot * kMetresPerFoot * 5 / 9 / kJoulesPerBtu;
inline constexpr double kQToEnglish = 3600 * kMetresPerFoot * kMetresPerFoot / kJoulesPerBtu;

// What the numbers are given in: SI or English units, and the temperatures' scale ("K",
// "ºC" or "ºF", as the property screen offers them).
struct Units {
    bool english = false;
    std::string scale = "K";
};

// The input a sweep varies.
enum class Variable : unsigned char { Velocity, Length, Diameter, SurfaceTemp };

std::string_view variableName(Variable v);  // "velocity", "length", "diameter", "surface-temp"
std::optional<Variable> variableNamed(std::string_view name);
// Whether a case has that input: a velocity for forced flow, a diameter or a length as the
// case measures itself.
bool hasVariable(Case c, Variable v);
// The variable of a case's length.
Variable lengthVariable(Case c);

// Sets one input from a value in the units given.
void setVariable(Inputs& in, Variable v, double value, const Units& u);
// A length or a velocity, or an area (ft² under English units), in SI.
double toMetres(double value, const Units& u);
double toSquareMetres(double value, const Units& u);

// Everything but the typed numbers.
struct Setting {
    Case kase = Case::FlatPlate;
    Family family = Family::Gases;
    std::string fluid;
    Units units;
    WallCondition wall = WallCondition::Temperature;
    TubeCorrelation tube = TubeCorrelation::Gnielinski;
};

// The texts typed. For a horizontal plate, `perimeter` non-empty makes `length` its area and
// L = A/P; empty, `length` is L itself. The pressure is read for gases, the velocity for
// forced flow.
struct EntryTexts {
    std::string surface, fluid, length, perimeter, velocity, pressure;
};

enum class Field : unsigned char { None, Surface, Fluid, Length, Perimeter, Velocity, Pressure };

struct Entry {
    Field refused = Field::None;  // the box to empty and focus
    Message message;              // its message
    Inputs inputs;                // SI, when nothing was refused
    double pressure = 0;          // kPa (gases)
};

Entry acceptEntry(const Setting& s, const EntryTexts& t, bool decimalComma);

// The same for numbers already read (the Python module's): one that is not finite is not a
// number. `perimeter` given makes `length` the area.
struct EntryValues {
    double surface = 0, fluid = 0, length = 0, velocity = 0, pressure = 0;
    std::optional<double> perimeter;
};
Entry acceptEntry(const Setting& s, const EntryValues& v);

// A sweep of one input: one calculation per value, through the fluid resolved once. It stops
// at the first value refused or not computable (its outcome is `stop`, `message`); the
// warnings of all rows are gathered, each text once, in the order they first arose.
struct Sweep {
    Variable variable = Variable::Velocity;
    std::vector<double> values;  // as given
    std::vector<Result> rows;
    Stop stop = Stop::None;
    Message message;
    std::vector<Message> warnings;
    std::vector<bool> outsideRange;  // a row with a warning
};

Sweep runSweep(FluidProperties& fluid, const Inputs& base, Variable v, const std::vector<double>& values,
               const Units& u);

// The most values one sweep takes, as for the tables of properties.
inline constexpr std::size_t kMaxValues = 100000;

// DESDE, HASTA and PASO as typed on the screen: the values, or the box refused and why.
RangeEntry acceptRange(std::string_view from, std::string_view to, std::string_view step, bool decimalComma);

}  // namespace velm::convection
