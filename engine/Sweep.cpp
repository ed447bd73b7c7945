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
// temperature first needs it, the texts of its warnings made once, and a row handed to
// `Rows` per temperature until the end or a stop. Nothing is looked up, allocated or
// formatted per temperature. `Rows` is where the rows go: the table (every row kept, the
// sweep going on past a refused one) or the caller's columns (the first refused row ends it).
template <class Rows>
class SweepRun {
public:
    SweepRun(const SweepRequest& request, PointSource& source, Notifier* messages, Rows& rows)
        : request_(request), source_(source), messages_(messages), rows_(rows),
          gas_(request.family == Family::Gases), scale_(scaleOf(request.scale)),
          builtIn_(lookupBuiltIn(request.family, request.fluid)) {
        if (builtIn_) {
            correlations_ = findCorrelations(gas_ ? gasCorrelations() : liquidCorrelations(), request.fluid);
            if (!correlations_) throw std::logic_error("built-in fluid without correlations: " + request.fluid);
        }
        std::size_t n = 0;
        for (const PropertyInfo& p : propertiesOf(request.family)) toEnglish_[n++] = request.english ? p.toEnglish : 1.0;
        propertyCount_ = n;
    }

    // Two temperatures at a time where both are the correlation's (the usual case: nothing to
    // tell before their values, so the rows come out as they would one by one).
    void run(std::span<const double> temperatures) {
        const std::size_t n = temperatures.size();
        std::size_t i = 0;
        while (i < n) {
            const double entered[2] = {temperatures[i], i + 1 < n ? temperatures[i + 1] : 0.0};
            const std::array<double, 2> T{toKelvin(entered[0], scale_), toKelvin(entered[1], scale_)};
            if (i + 1 < n && correlationTakes(T[0]) && correlationTakes(T[1])) {
                std::array<std::array<double, kPropertyCount>, 2> v;
                if (gas_) gasValues(*correlations_, T, request_.pressure, v);
                else liquidValues(*correlations_, T, v);
                if (!finish(entered[0], T[0], v[0], RowSource::Correlation, true) ||
                    !finish(entered[1], T[1], v[1], RowSource::Correlation, true))
                    return;
                i += 2;
            } else {
                if (!row(entered[0], T[0])) return;
                ++i;
            }
        }
    }

private:
    // Whether the row of T is the correlation's, with nothing to tell before its values.
    bool correlationTakes(double T) const {
        return builtIn_ && T >= 0 && builtIn_->inRange(T) && (!gas_ || request_.pressure > 0);
    }

    // The row of one temperature; false when the sweep stops there.
    bool row(double entered, double T) {
        if (T < 0) {
            tell(refusal(TemperatureOutcome::DoesNotExist));
            return rows_.add(entered, T, {}, RowSource::Correlation, RowOutcome::DoesNotExist, false);
        }
        const bool inRange = !builtIn_ || builtIn_->inRange(T);
        if (!inRange && messages_) tell(outOfRange());
        if (gas_ && !(request_.pressure > 0)) return stop(SweepStop::ZeroPressure, msg::tr(msg::kZeroPressure));

        std::array<double, kPropertyCount> v;
        RowSource from = RowSource::Correlation;
        if (builtIn_ && inRange)
            v = gas_ ? gasValues(*correlations_, T, request_.pressure) : liquidValues(*correlations_, T);
        else if (!fromTable(T, inRange, v, from))
            return false;
        return finish(entered, T, v, from, inRange);
    }

    // The row of values found: in English units when asked, told when not all finite.
    bool finish(double entered, double T, std::array<double, kPropertyCount>& v, RowSource from, bool inRange) {
        bool finite = true;
        for (std::size_t i = 0; i < propertyCount_; ++i) {
            if (request_.english) v[i] *= toEnglish_[i];
            finite = finite && std::isfinite(v[i]);
        }
        if (!finite) tell(msg::tr(msg::kNotComputable));
        return rows_.add(entered, T, v, from, finite ? RowOutcome::Computed : RowOutcome::NotComputable, !inRange);
    }

    // The values at T from the stored table, as the table step gives them; false when the
    // sweep stops (a table that cannot be read, or of fewer than two points).
    bool fromTable(double T, bool inRange, std::array<double, kPropertyCount>& v, RowSource& from) {
        if (!tableRead_) {
            tableRead_ = true;
            try {
                source_.readPoints(request_.family, request_.fluid,
                                   [this](const TablePoint& p) { rows_.points().push_back(p); });
                table_.emplace(rows_.points());
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
        if (line.step != TableStep::Between && inRange && messages_) tell(beyondTable(line));
        v = atPressure(alongLine(*line.first, *line.second, T), gas_, P);
        from = line.step == TableStep::Between ? RowSource::Interpolated : RowSource::Extrapolated;
        return true;
    }

    // The warnings' texts, made the first time each is needed: they are the same for every
    // temperature (a table's end points never change during a sweep).
    const std::string& outOfRange() {
        if (!outOfRange_) outOfRange_ = msg::outOfCorrelationRange(request_.fluid, builtIn_->rangeText);
        return *outOfRange_;
    }
    const std::string& beyondTable(const TableLine& line) {
        const bool above = line.step == TableStep::Above;
        std::optional<std::string>& text = above ? above_ : below_;
        if (!text) {
            const std::string end = storedTemperatureText(line.end->TEMP, regionalDecimalComma());
            text = above ? msg::aboveTable(request_.fluid, end) : msg::belowTable(request_.fluid, end);
        }
        return *text;
    }

    void tell(const std::string& text) {
        if (messages_) messages_->inform(text);
    }
    void tell(std::string_view text) {
        if (messages_) messages_->inform(std::string(text));
    }

    bool stop(SweepStop why, std::string text) {
        tell(text);
        rows_.stop(why, std::move(text));
        return false;
    }

    const SweepRequest& request_;
    PointSource& source_;
    Notifier* messages_;
    Rows& rows_;
    const bool gas_;
    const Scale scale_;
    const BuiltInFluid* builtIn_;
    const FluidCorrelations* correlations_ = nullptr;
    std::array<double, kPropertyCount> toEnglish_{};
    std::size_t propertyCount_ = 0;
    bool tableRead_ = false;
    std::optional<std::string> unreadable_;
    std::optional<TableIndex> table_;  // over rows_.points()
    std::optional<std::string> outOfRange_, above_, below_;
};

// Every row into the table, the sweep going on past a refused one.
class TableRows {
public:
    using RowDone = std::function<void(const SweepTable&, std::size_t)>;

    TableRows(const SweepRequest& request, const RowDone& rowDone) : rowDone_(rowDone) {
        t_.request = request;
        t_.request.temperatures = {};  // they are `entered`
        const std::size_t n = request.temperatures.size();
        t_.entered.reserve(n);
        t_.kelvin.reserve(n);
        t_.values.reserve(n);
        t_.source.reserve(n);
        t_.outcome.reserve(n);
        t_.outsideCorrelation.reserve(n);
    }

    bool add(double entered, double T, const std::array<double, kPropertyCount>& v, RowSource from,
             RowOutcome outcome, bool outside) {
        t_.entered.push_back(entered);
        t_.kelvin.push_back(T);
        t_.values.push_back(v);
        t_.source.push_back(from);
        t_.outcome.push_back(outcome);
        t_.outsideCorrelation.push_back(outside);
        if (rowDone_) rowDone_(t_, t_.rows() - 1);
        return true;
    }
    void stop(SweepStop why, std::string text) {
        t_.stop = why;
        t_.stopMessage = std::move(text);
    }
    std::vector<TablePoint>& points() { return t_.tablePoints; }
    SweepTable take() { return std::move(t_); }

private:
    const RowDone& rowDone_;
    SweepTable t_;
};

// Each row into the caller's columns; the first refused row ends the sweep with its message.
class ColumnRows {
public:
    explicit ColumnRows(const SweepColumns& out) : out_(out) {}

    bool add(double, double, const std::array<double, kPropertyCount>& v, RowSource from, RowOutcome outcome,
             bool) {
        switch (outcome) {
            case RowOutcome::Computed: break;
            case RowOutcome::DoesNotExist:
                refusal_ = std::string(velm::refusal(TemperatureOutcome::DoesNotExist));
                return false;
            case RowOutcome::NotComputable:
                refusal_ = msg::tr(msg::kNotComputable);
                return false;
        }
        for (std::size_t i = 0; i < kPropertyCount; ++i)
            if (double* column = out_.value[i]) column[row_] = v[i];
        if (out_.source) out_.source[row_] = from;
        ++row_;
        return true;
    }
    void stop(SweepStop, std::string text) { refusal_ = std::move(text); }
    std::vector<TablePoint>& points() { return points_; }
    std::optional<std::string>& refused() { return refusal_; }

private:
    const SweepColumns& out_;
    std::size_t row_ = 0;
    std::vector<TablePoint> points_;
    std::optional<std::string> refusal_;
};

// Each text once, in the order first told; a refusal's own text is not a warning.
class DistinctTexts : public Notifier {
public:
    void inform(const std::string& text) override {
        if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
    }
    std::vector<std::string> texts;
};

}  // namespace

SweepTable runSweep(const SweepRequest& request, PointSource& source, Notifier* messages,
                    const std::function<void(const SweepTable&, std::size_t)>& rowDone) {
    TableRows rows(request, rowDone);
    SweepRun<TableRows>(request, source, messages, rows).run(request.temperatures);
    return rows.take();
}

ColumnsOutcome sweepColumns(const SweepRequest& request, std::span<const double> temperatures,
                            PointSource& source, const SweepColumns& out) {
    ColumnsOutcome o;
    for (const double t : temperatures)
        if (!std::isfinite(t)) {
            o.refusal = std::string(refusal(TemperatureOutcome::NotANumber));
            return o;
        }
    DistinctTexts told;
    ColumnRows rows(out);
    SweepRun<ColumnRows>(request, source, &told, rows).run(temperatures);
    o.refusal = std::move(rows.refused());
    for (std::string& text : told.texts)
        if (text != o.refusal) o.warnings.push_back(std::move(text));
    return o;
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

RangeText readRange(std::string_view text, bool decimalComma, std::size_t most) {
    RangeText r;
    const auto a = text.find(':');
    const auto b = a == std::string_view::npos ? a : text.find(':', a + 1);
    if (b == std::string_view::npos || text.find(':', b + 1) != std::string_view::npos) {
        r.problem = RangeProblem::Form;
        return r;
    }
    const auto from = parseNumber(text.substr(0, a), decimalComma);
    const auto to = parseNumber(text.substr(a + 1, b - a - 1), decimalComma);
    const auto step = parseNumber(text.substr(b + 1), decimalComma);
    const std::optional<double> steps = from && to && step ? sweepSteps(*from, *to, *step) : std::nullopt;
    if (!from || !to || !step) r.problem = RangeProblem::NotANumber;
    else if (!steps) r.problem = RangeProblem::Direction;
    else if (*steps + 1 > static_cast<double>(most)) r.problem = RangeProblem::TooMany;
    else r.values = sweepTemperatures(*from, *step, sweepCount(*steps));
    return r;
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
