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
#include <stdexcept>

namespace velm {
namespace {

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

namespace {

// One sweep under way: the fluid resolved once, its stored table read once, when a
// temperature first needs it, and a row added per temperature until the end or a stop.
class SweepRun {
public:
    using RowDone = std::function<void(const SweepTable&, std::size_t)>;

    SweepRun(const SweepRequest& request, PointSource& source, Notifier* messages, const RowDone& rowDone)
        : request_(request), source_(source), messages_(messages), rowDone_(rowDone),
          gas_(request.family == Family::Gases), builtIn_(lookupBuiltIn(request.family, request.fluid)),
          decimalComma_(messages && regionalDecimalComma()) {
        if (builtIn_) {
            correlations_ = findCorrelations(gas_ ? gasCorrelations() : liquidCorrelations(), request.fluid);
            if (!correlations_) throw std::logic_error("built-in fluid without correlations: " + request.fluid);
        }
        t_.request = request;
        t_.request.temperatures.clear();
        reserve(request.temperatures.size());
    }

    SweepTable run() {
        for (const double entered : request_.temperatures)
            if (!row(entered)) break;
        return std::move(t_);
    }

private:
    void reserve(std::size_t n) {
        t_.entered.reserve(n);
        t_.kelvin.reserve(n);
        t_.values.reserve(n);
        t_.source.reserve(n);
        t_.outcome.reserve(n);
        t_.outsideCorrelation.reserve(n);
    }

    // The row of one temperature; false when the sweep stops there.
    bool row(double entered) {
        const double T = toKelvin(entered, request_.scale);
        if (T < 0) {
            tell(messages_, refusal(TemperatureOutcome::DoesNotExist));
            addRow(entered, T, {}, RowSource::Correlation, RowOutcome::DoesNotExist, false);
            return true;
        }
        const bool inRange = !builtIn_ || builtIn_->inRange(T);
        if (!inRange) tell(messages_, msg::outOfCorrelationRange(request_.fluid, builtIn_->rangeText));
        if (gas_ && !(request_.pressure > 0)) return stop(SweepStop::ZeroPressure, msg::tr(msg::kZeroPressure));

        std::array<double, kPropertyCount> v{};
        RowSource from = RowSource::Correlation;
        if (builtIn_ && inRange)
            v = gas_ ? gasValues(*correlations_, T, request_.pressure) : liquidValues(*correlations_, T);
        else if (!fromTable(T, inRange, v, from))
            return false;

        bool finite = true;
        for (const PropertyInfo& p : propertiesOf(request_.family)) {
            double& x = v[index(p.id)];
            if (request_.english) x *= p.toEnglish;
            finite = finite && std::isfinite(x);
        }
        if (!finite) tell(messages_, msg::tr(msg::kNotComputable));
        addRow(entered, T, v, from, finite ? RowOutcome::Computed : RowOutcome::NotComputable, !inRange);
        return true;
    }

    // The values at T from the stored table, as the table step gives them; false when the
    // sweep stops (a table that cannot be read, or of fewer than two points).
    bool fromTable(double T, bool inRange, std::array<double, kPropertyCount>& v, RowSource& from) {
        if (!tableRead_) {
            tableRead_ = true;
            try {
                source_.readPoints(request_.family, request_.fluid,
                                   [this](const TablePoint& p) { t_.tablePoints.push_back(p); });
                table_.emplace(t_.tablePoints);
            } catch (const UserError& e) {
                unreadable_ = e.what();
            }
        }
        if (unreadable_) return stop(SweepStop::Unreadable, *unreadable_);
        const Selection s = table_->select(T);
        const TableLine line = chooseLine(s);
        if (line.step == TableStep::TooFewPoints) return stop(SweepStop::TooFewPoints, msg::tr(msg::kTooFewPoints));
        const double P = gas_ ? request_.pressure : 0;
        if (line.step == TableStep::Exact) {
            v = atPressure(*s.exact, gas_, P);
            from = RowSource::TablePoint;
            return true;
        }
        // Warned at acceptance already when outside the correlation's range.
        if (line.step != TableStep::Between && inRange) {
            const std::string end = storedTemperatureText(line.end->TEMP, decimalComma_);
            tell(messages_, line.step == TableStep::Above ? msg::aboveTable(request_.fluid, end)
                                                          : msg::belowTable(request_.fluid, end));
        }
        v = atPressure(alongLine(*line.first, *line.second, T), gas_, P);
        from = line.step == TableStep::Between ? RowSource::Interpolated : RowSource::Extrapolated;
        return true;
    }

    bool stop(SweepStop why, std::string text) {
        tell(messages_, text);
        t_.stop = why;
        t_.stopMessage = std::move(text);
        return false;
    }

    void addRow(double entered, double T, const std::array<double, kPropertyCount>& v, RowSource from,
                RowOutcome outcome, bool outside) {
        t_.entered.push_back(entered);
        t_.kelvin.push_back(T);
        t_.values.push_back(v);
        t_.source.push_back(from);
        t_.outcome.push_back(outcome);
        t_.outsideCorrelation.push_back(outside);
        if (rowDone_) rowDone_(t_, t_.rows() - 1);
    }

    const SweepRequest& request_;
    PointSource& source_;
    Notifier* messages_;
    const RowDone& rowDone_;
    const bool gas_;
    const BuiltInFluid* builtIn_;
    const FluidCorrelations* correlations_ = nullptr;
    const bool decimalComma_;
    SweepTable t_;
    bool tableRead_ = false;
    std::optional<std::string> unreadable_;
    std::optional<TableIndex> table_;  // over t_.tablePoints
};

}  // namespace

SweepTable runSweep(const SweepRequest& request, PointSource& source, Notifier* messages,
                    const std::function<void(const SweepTable&, std::size_t)>& rowDone) {
    return SweepRun(request, source, messages, rowDone).run();
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
    if (first > last) return refuse(SweepField::To, msg::tr(msg::kFromAboveTo));

    const std::optional<double> step = parseNumber(texts.step, decimalComma);
    if (!step || !(*step > 0)) return refuse(SweepField::Step, msg::tr(msg::kBadStep));
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
