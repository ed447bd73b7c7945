#include "engine/Fluid.h"

#include "engine/Calcular.h"
#include "engine/TableSelection.h"
#include "engine/UserError.h"

#include <stdexcept>

namespace velm {

FluidEvaluator::FluidEvaluator(Family family, std::string fluid, double pressure, PointSource& source)
    : family_(family), fluid_(std::move(fluid)), pressure_(pressure), source_(source),
      builtIn_(lookupBuiltIn(family, fluid_)) {
    if (builtIn_) {
        correlations_ = findCorrelations(gas() ? gasCorrelations() : liquidCorrelations(), fluid_);
        if (!correlations_) throw std::logic_error("built-in fluid without correlations: " + fluid_);
    }
}

FluidEvaluator::~FluidEvaluator() = default;

FluidValues FluidEvaluator::at(double T) {
    const bool inRange = builtIn_ && builtIn_->inRange(T);
    FluidValues v;
    if (builtIn_ && !inRange)
        v.warnings.push_back(message(MessageId::OutOfCorrelationRange, fluid_, builtIn_->lowest, builtIn_->highest));
    if (gas() && !(pressure_ > 0)) {
        v.stop = message(MessageId::ZeroPressure);
        return v;
    }
    if (inRange) {
        v.value = correlationValues(T);
        return v;
    }
    FluidValues t = fromTable(T, builtIn_ == nullptr);
    t.warnings.insert(t.warnings.begin(), v.warnings.begin(), v.warnings.end());
    return t;
}

void FluidEvaluator::readTable() {
    tableRead_ = true;
    try {
        source_.readPoints(family_, fluid_, [this](const TablePoint& p) { points_.push_back(p); });
        table_ = std::make_unique<TableIndex>(points_);
    } catch (const UserError& e) {
        unreadable_ = message(MessageId::TableUnreadable, std::string(e.what()));
    }
}

FluidValues FluidEvaluator::fromTable(double T, bool warnBeyondEnds) {
    FluidValues v;
    if (gas() && !(pressure_ > 0)) {
        v.stop = message(MessageId::ZeroPressure);
        return v;
    }
    if (!tableRead_) readTable();
    if (unreadable_) {
        v.stop = unreadable_;
        return v;
    }
    const Selection s = table_->select(T);
    const TableLine line = chooseLine(s);
    const double P = gas() ? pressure_ : 0;
    switch (line.step) {
        case TableStep::TooFewPoints:
            // A lone point at T itself still gives its values, which are not shown: the
            // property screen's state keeps them, as its driver always has.
            if (s.exact) {
                v.value = atPressure(*s.exact, gas(), P);
                v.source = RowSource::TablePoint;
            }
            v.stop = message(MessageId::TooFewPoints);
            return v;
        case TableStep::Exact:
            v.value = atPressure(*s.exact, gas(), P);
            v.source = RowSource::TablePoint;
            return v;
        case TableStep::Above:
        case TableStep::Below:
            if (warnBeyondEnds)
                v.warnings.push_back(message(line.step == TableStep::Above ? MessageId::AboveTable : MessageId::BelowTable,
                                             fluid_, line.end->TEMP));
            v.source = RowSource::Extrapolated;
            break;
        case TableStep::Between:
            v.source = RowSource::Interpolated;
            break;
    }
    v.value = atPressure(alongLine(*line.first, *line.second, T), gas(), P);
    return v;
}

std::size_t FluidEvaluator::correlationTakes(std::span<const double> T) const {
    if (!builtIn_ || (gas() && !(pressure_ > 0))) return 0;
    const BuiltInFluid range = *builtIn_;  // a copy the loops read from registers
    std::size_t n = 0;
    // four at a time while all four are taken (the usual case), then one by one
    const auto in = [&range](double t) { return int(range.inRange(t)); };
    for (; n + 4 <= T.size(); n += 4)
        if (in(T[n]) + in(T[n + 1]) + in(T[n + 2]) + in(T[n + 3]) != 4) break;
    while (n < T.size() && range.inRange(T[n])) ++n;
    return n;
}

PropertyValues FluidEvaluator::correlationValues(double T) const {
    return gas() ? gasValues(*correlations_, T, pressure_) : liquidValues(*correlations_, T);
}

bool FluidEvaluator::correlationValues(std::span<const double> T, const ValueColumns& out,
                                       const PropertyValues* factors) const {
    return gas() ? gasValues(*correlations_, T, pressure_, out, factors)
                 : liquidValues(*correlations_, T, out, factors);
}

}  // namespace velm
