#pragma once
// The catalogue of correlations, shared by its three groups (ExternalFlow.cpp, InternalFlow.cpp,
// FreeConvection.cpp): each correlation's name, its formula as shown, the limits it was stated
// for and where a reader finds it, beside the function that evaluates it. A range as the
// derivation and the warnings show it ("3000 <= Re <= 5E6, 0.5 <= Pr <= 2000") is made from
// the limits, and the limits are what the range check reads: each limit is written once.

#include "engine/Message.h"

#include <cmath>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velm::convection {

enum class Case : unsigned char;
struct Inputs;

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
inline constexpr std::size_t kCorrelationCount = std::size_t(NuCorrelation::PlateHotDown) + 1;

// What a correlation is evaluated at: the dimensionless groups of a case (Re in forced flow, Ra
// in free convection), μ/μs for the sphere, and whether the fluid is heated (Ts > T).
struct Groups {
    double Re = 0, Ra = 0, Pr = 0, muRatio = 1;
    bool heating = false;
};

// The group a limit bounds, as the range and the warning name it.
enum class Group : unsigned char { Re, Pr, RePr, Ra, MuRatio };
std::string_view groupName(Group g);  // "Re", "Pr", "Re Pr", "Ra", "MIU/MIU_S"
double groupValue(Group g, const Groups& at);

// A stated limit on one group: lo <= value <= hi (value < hi when `hiExcluded`); an infinite
// end is no limit that way.
struct Limit {
    Group group;
    double lo = -HUGE_VAL, hi = HUGE_VAL;
    bool hiExcluded = false;
};
constexpr Limit atLeast(Group g, double lo) { return {g, lo, HUGE_VAL, false}; }
constexpr Limit atMost(Group g, double hi) { return {g, -HUGE_VAL, hi, false}; }
constexpr Limit below(Group g, double hi) { return {g, -HUGE_VAL, hi, true}; }
constexpr Limit between(Group g, double lo, double hi) { return {g, lo, hi, false}; }

struct Correlation {
    NuCorrelation id;
    std::string_view name;     // as the CSV and the warnings give it: "GNIELINSKI"
    std::string_view formula;  // as the derivation shows it
    std::span<const Limit> limits;
    std::string_view source;   // author, year and where to read it
    double (*nu)(const Groups&);
};

// A correlation by its identifier; its range as text ("" when it states no limit).
const Correlation& correlation(NuCorrelation c);
std::string_view correlationRange(NuCorrelation c);
// "0.6 <= Pr <= 60, Re <= 1E8": a number from 1E4 up as a power of ten.
std::string rangeText(std::span<const Limit> limits);
// A warning (GroupOutOfRange) for each limit the groups break, in the limits' order.
void checkLimits(const Correlation& c, const Groups& at, std::vector<Message>& warnings);

// The correlations of each group, and the one a case takes at its groups.
std::span<const Correlation> externalFlowCorrelations();
std::span<const Correlation> internalFlowCorrelations();
std::span<const Correlation> freeConvectionCorrelations();
NuCorrelation externalFlow(Case c, const Groups& at);
NuCorrelation internalFlow(const Inputs& in, const Groups& at);
NuCorrelation freeConvection(const Inputs& in, const Groups& at);

// Roots by square roots, a 5/8 power by a fourth root: the same numbers to a few units in the
// last place as std::pow, and a sweep of many values much sooner.
inline double fourthRoot(double x) { return std::sqrt(std::sqrt(x)); }
inline double fiveEighths(double x) {
    const double x5 = x * x * x * x * x;
    return std::isfinite(x5) ? std::sqrt(fourthRoot(x5)) : std::pow(x, 0.625);
}

}  // namespace velm::convection
