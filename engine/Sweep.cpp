#include "engine/Sweep.h"

#include "correlation/Correlation.h"
#include "engine/Calcular.h"
#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Messages.h"
#include "engine/TableSelection.h"
#include "engine/UserError.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace velm {
namespace {

// A stored table read once, indexed by temperature so that each temperature of a sweep finds
// its points by a binary search and makes the choice a fresh reading would make.
class TableIndex {
public:
    explicit TableIndex(const std::vector<TablePoint>& points) : points_(points) {
        bool unordered = false;  // a temperature that is not a number compares with nothing
        for (const TablePoint& p : points) {
            if (std::isnan(p.TEMP)) unordered = true;
            if (!twoDistinctRows_ && differs(p, points.front())) twoDistinctRows_ = true;
        }
        if (unordered) {
            slow_ = true;
            return;
        }
        std::vector<std::size_t> order(points.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        // Stable: the points of one temperature keep the order they were read in.
        std::stable_sort(order.begin(), order.end(), [&points](std::size_t a, std::size_t b) {
            return points[a].TEMP < points[b].TEMP;
        });
        for (const std::size_t i : order) {
            const TablePoint* p = &points[i];
            if (temps_.empty() || p->TEMP != temps_.back()) {
                temps_.push_back(p->TEMP);
                first_.push_back(p);
                last_.push_back(p);
            } else {
                last_.back() = p;
            }
        }
    }

    Selection select(double T) {
        if (slow_ || std::isnan(T)) {
            reading_ = Reading{};
            reading_.T = T;
            for (const TablePoint& p : points_) reading_.take(p);
            return reading_.selection();
        }
        Selection s;
        s.twoDistinctRows = twoDistinctRows_;
        const std::size_t n = temps_.size();
        if (n == 0) return s;
        const std::size_t k = std::size_t(std::lower_bound(temps_.begin(), temps_.end(), T) - temps_.begin());
        const bool exact = k < n && temps_[k] == T;
        if (exact) s.exact = last_[k];
        if (k > 0) s.lower = last_[k - 1];
        if (const std::size_t above = exact ? k + 1 : k; above < n) s.upper = first_[above];
        s.lowest = first_.front();
        s.highest = first_.back();
        if (n > 1) {
            s.secondLowest = first_[1];
            s.secondHighest = first_[n - 2];
        }
        return s;
    }

private:
    const std::vector<TablePoint>& points_;
    bool twoDistinctRows_ = false;
    bool slow_ = false;
    std::vector<double> temps_;              // the distinct temperatures, ascending
    std::vector<const TablePoint*> first_;   // the first point read at each
    std::vector<const TablePoint*> last_;    // the last point read at each
    Reading reading_;
};

void tell(Notifier* messages, std::string_view text) {
    if (messages) messages->inform(std::string(text));
}

}  // namespace

std::size_t SweepTable::count(RowSource s) const {
    std::size_t n = 0;
    for (std::size_t r = 0; r < rows(); ++r) n += computed(r) && source[r] == s;
    return n;
}

std::size_t SweepTable::count(RowOutcome o) const {
    return std::size_t(std::count(outcome.begin(), outcome.end(), o));
}

std::size_t SweepTable::countOutsideCorrelation() const {
    std::size_t n = 0;
    for (std::size_t r = 0; r < rows(); ++r) n += computed(r) && outsideCorrelation[r];
    return n;
}

SweepTable runSweep(const SweepRequest& request, PointSource& source, Notifier* messages,
                    const std::function<void(const SweepTable&, std::size_t)>& rowDone) {
    SweepTable t;
    t.request = request;
    t.request.temperatures.clear();
    const std::size_t n = request.temperatures.size();
    t.entered.reserve(n);
    t.kelvin.reserve(n);
    t.values.reserve(n);
    t.source.reserve(n);
    t.outcome.reserve(n);
    t.outsideCorrelation.reserve(n);

    const Family family = request.family;
    const bool gas = family == Family::Gases;
    const double P = request.pressure;
    const std::string& fluid = request.fluid;
    const BuiltInFluid* builtIn = lookupBuiltIn(family, fluid);
    const FluidCorrelations* correlations = nullptr;
    if (builtIn) {
        correlations = findCorrelations(gas ? gasCorrelations() : liquidCorrelations(), fluid);
        if (!correlations) throw std::logic_error("built-in fluid without correlations: " + fluid);
    }
    const bool decimalComma = messages && regionalDecimalComma();

    // The stored table, read when a temperature first needs it.
    bool tableRead = false;
    std::optional<std::string> unreadable;
    std::optional<TableIndex> table;

    const auto stop = [&t, messages](SweepStop why, std::string text) {
        tell(messages, text);
        t.stop = why;
        t.stopMessage = std::move(text);
    };
    const auto addRow = [&](double entered, double T, const std::array<double, kPropertyCount>& v,
                            RowSource from, RowOutcome outcome, bool outside) {
        t.entered.push_back(entered);
        t.kelvin.push_back(T);
        t.values.push_back(v);
        t.source.push_back(from);
        t.outcome.push_back(outcome);
        t.outsideCorrelation.push_back(outside);
        if (rowDone) rowDone(t, t.rows() - 1);
    };

    for (const double entered : request.temperatures) {
        const double T = toKelvin(entered, request.scale);
        if (T < 0) {
            tell(messages, refusal(TemperatureOutcome::DoesNotExist));
            addRow(entered, T, {}, RowSource::Correlation, RowOutcome::DoesNotExist, false);
            continue;
        }
        const bool inRange = !builtIn || builtIn->inRange(T);
        if (!inRange) tell(messages, msg::outOfCorrelationRange(fluid, builtIn->rangeText));
        if (gas && !(P > 0)) {
            stop(SweepStop::ZeroPressure, std::string(msg::kZeroPressure));
            break;
        }

        std::array<double, kPropertyCount> v{};
        RowSource from = RowSource::Correlation;
        if (builtIn && inRange) {
            v = gas ? gasValues(*correlations, T, P) : liquidValues(*correlations, T);
        } else {
            if (!tableRead) {
                tableRead = true;
                try {
                    source.readPoints(family, fluid, [&t](const TablePoint& p) { t.tablePoints.push_back(p); });
                    table.emplace(t.tablePoints);
                } catch (const UserError& e) {
                    unreadable = e.what();
                }
            }
            if (unreadable) {
                stop(SweepStop::Unreadable, *unreadable);
                break;
            }
            const Selection s = table->select(T);
            const TableLine line = chooseLine(s);
            if (line.step == TableStep::TooFewPoints) {
                stop(SweepStop::TooFewPoints, std::string(msg::kTooFewPoints));
                break;
            }
            if (line.step == TableStep::Exact) {
                v = atPressure(*s.exact, gas, gas ? P : 0);
                from = RowSource::TablePoint;
            } else {
                // Warned at acceptance already when outside the correlation's range.
                if (line.step != TableStep::Between && inRange) {
                    const std::string end = storedTemperatureText(line.end->TEMP, decimalComma);
                    tell(messages, line.step == TableStep::Above ? msg::aboveTable(fluid, end)
                                                                 : msg::belowTable(fluid, end));
                }
                v = atPressure(alongLine(*line.first, *line.second, T), gas, gas ? P : 0);
                from = line.step == TableStep::Between ? RowSource::Interpolated : RowSource::Extrapolated;
            }
        }

        bool finite = true;
        for (const PropertyInfo& p : propertiesOf(family)) {
            double& x = v[index(p.id)];
            if (request.english) x *= p.toEnglish;
            finite = finite && std::isfinite(x);
        }
        if (!finite) tell(messages, msg::kNotComputable);
        addRow(entered, T, v, from, finite ? RowOutcome::Computed : RowOutcome::NotComputable, !inRange);
    }
    return t;
}

std::optional<double> sweepSteps(double from, double to, double step) {
    const double steps = (to - from) / step;
    if (step == 0 || !(steps >= -1e-9) || !std::isfinite(steps)) return std::nullopt;
    return steps;
}

std::size_t sweepCount(double steps) { return static_cast<std::size_t>(std::floor(steps + 1e-9)) + 1; }

std::vector<double> sweepTemperatures(double from, double step, std::size_t count) {
    std::vector<double> t(count);
    for (std::size_t i = 0; i < count; ++i) t[i] = from + static_cast<double>(i) * step;
    return t;
}

SweepEntry acceptSweep(Family family, std::string_view fluid, bool english,
                       std::string_view scale, const SweepEntryTexts& texts, bool decimalComma) {
    SweepEntry e;
    const auto refuse = [&e](SweepField field, std::string_view message) {
        e.refused = field;
        e.message = std::string(message);
        return e;
    };
    // A calculation state of its own: the entry rules write into one.
    Module1 scratch;
    scratch.FAMILIA = family;
    scratch.FLUIDO = std::string(fluid);
    scratch.UNIDADES = english ? kEnglish : kSI;

    const TemperatureAcceptance from = acceptTemperature(scratch, texts.from, scale, decimalComma);
    if (from.outcome != TemperatureOutcome::Accepted) return refuse(SweepField::From, refusal(from.outcome));
    const double first = *scratch.TEMPENT;
    const TemperatureAcceptance to = acceptTemperature(scratch, texts.to, scale, decimalComma);
    if (to.outcome != TemperatureOutcome::Accepted) return refuse(SweepField::To, refusal(to.outcome));
    const double last = *scratch.TEMPENT;
    if (first > last) return refuse(SweepField::To, msg::kFromAboveTo);

    const std::optional<double> step = parseNumber(texts.step, decimalComma);
    if (!step || !(*step > 0)) return refuse(SweepField::Step, msg::kBadStep);
    const std::optional<double> steps = sweepSteps(first, last, *step);
    if (!steps || *steps + 1 > static_cast<double>(kMaxSweep))
        return refuse(SweepField::Step, msg::tooManyTemperatures(kMaxSweep));

    SweepRequest& r = e.request;
    if (family == Family::Gases) {
        const PressureOutcome p = acceptPressure(scratch, texts.pressure, decimalComma);
        if (p != PressureOutcome::Accepted) return refuse(SweepField::Pressure, refusal(p));
        r.pressure = *scratch.PRESION;
        r.pressureText = texts.pressure;
    }
    r.family = family;
    r.fluid = std::string(fluid);
    r.english = english;
    r.scale = std::string(scale);
    r.temperatures = sweepTemperatures(first, *step, sweepCount(*steps));
    return e;
}

}  // namespace velm
