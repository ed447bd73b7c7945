#pragma once
// One fluid resolved once, and its values at any temperature: a built-in fluid's correlations
// found, a stored table read once (the first time a temperature needs it) and indexed; inside
// a built-in fluid's range the correlation, otherwise the table step (the exact point, linear
// interpolation, or extrapolation along the two end points). Every calculation goes through
// here: the property screen's, the sweep, convection, the calculator, the Python module and
// the web page, so that each computes the same bits and tells the same things.

#include "correlation/Correlation.h"
#include "correlation/Family.h"
#include "engine/Calcular.h"
#include "engine/Catalogue.h"
#include "engine/Message.h"
#include "engine/PointSource.h"
#include "engine/Properties.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velm {

class TableIndex;

// Where a temperature's values came from.
enum class RowSource : unsigned char { Correlation, TablePoint, Interpolated, Extrapolated };

struct FluidValues {
    PropertyValues value{};  // SI units at the fluid's pressure; a gas's BETA is 0
    RowSource source = RowSource::Correlation;
    std::optional<Message> stop;    // nothing computed: ZeroPressure, TooFewPoints, TableUnreadable
    std::vector<Message> warnings;  // in the order they arose
};

class FluidEvaluator {
public:
    // `pressure` in kPa, read for gases only.
    FluidEvaluator(Family family, std::string fluid, double pressure, PointSource& source);
    ~FluidEvaluator();
    FluidEvaluator(const FluidEvaluator&) = delete;
    FluidEvaluator& operator=(const FluidEvaluator&) = delete;

    Family family() const { return family_; }
    bool gas() const { return family_ == Family::Gases; }
    const std::string& fluid() const { return fluid_; }
    double pressure() const { return pressure_; }
    const BuiltInFluid* builtIn() const { return builtIn_; }

    // Whether the correlation gives the values at T (K) with nothing to tell: a built-in
    // fluid inside its range, and for a gas a pressure above 0.
    bool correlationTakes(double T) const {
        return builtIn_ && builtIn_->inRange(T) && (!gas() || pressure_ > 0);
    }
    // How many of the temperatures T (K), from the first on, the correlation takes.
    std::size_t correlationTakes(std::span<const double> T) const;

    // The values at T (K, not below 0): the correlation inside a built-in fluid's range,
    // otherwise the stored table. Outside the range, the warning that the table is used, and
    // no other warning for its extrapolation.
    FluidValues at(double T);

    // The stored table's step alone; extrapolation beyond its ends is warned about when asked.
    FluidValues fromTable(double T, bool warnBeyondEnds);

    // The correlation's values at T, which it takes; and at many, into columns (one per
    // property, a gas's BETA 0), each the bits it gets alone, then multiplied by its
    // property's factor when `factors` are given. False when a value is not finite.
    PropertyValues correlationValues(double T) const;
    bool correlationValues(std::span<const double> T, const ValueColumns& out,
                           const PropertyValues* factors = nullptr) const;

    // The stored table's points as read; empty until a temperature needed them.
    const std::vector<TablePoint>& tablePoints() const { return points_; }

private:
    void readTable();

    Family family_;
    std::string fluid_;
    double pressure_;
    PointSource& source_;
    const BuiltInFluid* builtIn_;
    const FluidCorrelations* correlations_ = nullptr;
    bool tableRead_ = false;
    std::optional<Message> unreadable_;
    std::vector<TablePoint> points_;
    std::unique_ptr<TableIndex> table_;  // over points_
};

}  // namespace velm
