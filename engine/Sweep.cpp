#include "engine/Sweep.h"

#include "engine/Entry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <variant>

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

// Whether every value is finite: two at a time, x − x being 0 for a finite x and NaN for any
// other.
bool allFinite(std::span<const double> x) {
    Pair sum{};
    std::size_t k = 0;
    for (; k + 2 <= x.size(); k += 2) {
        Pair v;
        std::memcpy(&v, x.data() + k, sizeof v);
        sum += v - v;
    }
    if (k < x.size()) sum[0] += x[k] - x[k];
    return sum[0] == 0 && sum[1] == 0;
}

// One sweep under way: the fluid resolved once (its stored table read once, when a
// temperature first needs it), and a row handed to `Rows` per temperature until the end or a
// stop. `Rows` is where the rows go: the table (every row kept, the sweep going on past a
// refused one) or the caller's columns (the first refused row ends it).
template <class Rows>
class SweepRun {
public:
    SweepRun(const SweepRequest& request, PointSource& source, Notifier* messages, Rows& rows)
        : request_(request), messages_(messages), rows_(rows), scale_(scaleOf(request.scale)),
          fluid_(request.family, request.fluid, request.pressure, source) {
        std::size_t n = 0;
        for (const PropertyInfo& p : propertiesOf(request.family)) toEnglish_[n++] = request.english ? p.toEnglish : 1.0;
        propertyCount_ = n;
    }

    // A stretch of temperatures the correlation takes (the usual case: nothing to tell before
    // their values) is evaluated at once, into columns (the caller's own where it has them);
    // the rows come out as they would one by one.
    void run(std::span<const double> temperatures) {
        constexpr std::size_t kChunk = 256;
        std::array<double, kChunk> T;
        std::array<std::array<double, kChunk>, kPropertyCount> scratch;
        ValueColumns spare;
        for (std::size_t p = 0; p < kPropertyCount; ++p) spare[p] = scratch[p].data();
        const PropertyValues* factors = request_.english ? &toEnglish_ : nullptr;
        for (std::size_t i = 0; i < temperatures.size(); i += kChunk) {
            const std::span<const double> entered = temperatures.subspan(i, std::min(kChunk, temperatures.size() - i));
            kelvins(entered, T.data());
            for (std::size_t k = 0; k < entered.size();) {
                const std::size_t taken = fluid_.correlationTakes(std::span(T).subspan(k, entered.size() - k));
                if (taken == 0) {
                    if (!row(entered[k], T[k])) return;
                    ++k;
                    continue;
                }
                if (!correlated(entered.subspan(k, taken), T.data() + k, spare, factors)) return;
                k += taken;
            }
        }
    }

    const std::vector<TablePoint>& tablePoints() const { return fluid_.tablePoints(); }

private:
    // The temperatures in kelvin, the scale settled once for them all.
    void kelvins(std::span<const double> t, double* T) const {
        const auto each = [&](Scale s) {
            for (std::size_t k = 0; k < t.size(); ++k) T[k] = toKelvin(t[k], s);
        };
        switch (scale_) {
            case Scale::Kelvin: return each(Scale::Kelvin);
            case Scale::Celsius: return each(Scale::Celsius);
            case Scale::Fahrenheit: return each(Scale::Fahrenheit);
        }
    }

    // The row of one temperature; false when the sweep stops there.
    bool row(double entered, double T) {
        if (T < 0) {
            tell(refusal(TemperatureOutcome::DoesNotExist));
            return rows_.add(entered, T, {}, RowSource::Correlation, RowOutcome::DoesNotExist, false);
        }
        FluidValues v = fluid_.at(T);
        for (const Message& w : v.warnings) tell(w);
        if (v.stop) return stop(v.stop->id, std::move(*v.stop));
        const bool outside = fluid_.builtIn() && !fluid_.builtIn()->inRange(T);
        return finish(entered, T, v.value, v.source, outside);
    }

    // Rows the correlation takes, evaluated at once into columns (the caller's own where it
    // has them); false when the sweep stops there.
    bool correlated(std::span<const double> entered, const double* T, const ValueColumns& spare,
                    const PropertyValues* factors) {
        const ValueColumns v = rows_.columns(spare);
        if (fluid_.correlationValues(std::span(T, entered.size()), v, factors)) {
            rows_.addCorrelated(entered, T, v);
            return true;
        }
        // a value that is not finite: row by row, each told as it would be alone
        for (std::size_t k = 0; k < entered.size(); ++k) {
            PropertyValues row;
            for (std::size_t p = 0; p < kPropertyCount; ++p) row[p] = v[p][k];
            if (!finished(entered[k], T[k], row, RowSource::Correlation, false)) return false;
        }
        return true;
    }

    // The row of values found: in English units when asked, told when not all finite.
    bool finish(double entered, double T, PropertyValues& v, RowSource from, bool outside) {
        if (request_.english)
            for (std::size_t i = 0; i < propertyCount_; ++i) v[i] *= toEnglish_[i];
        return finished(entered, T, v, from, outside);
    }

    bool finished(double entered, double T, const PropertyValues& v, RowSource from, bool outside) {
        bool finite = true;
        for (std::size_t i = 0; i < propertyCount_; ++i) finite = finite && std::isfinite(v[i]);
        if (!finite) tell(message(MessageId::NotComputable));
        return rows_.add(entered, T, v, from, finite ? RowOutcome::Computed : RowOutcome::NotComputable, outside);
    }

    void tell(const Message& m) {
        if (messages_) messages_->inform(m);
    }

    bool stop(MessageId id, Message m) {
        tell(m);
        rows_.stop(id == MessageId::ZeroPressure   ? SweepStop::ZeroPressure
                   : id == MessageId::TooFewPoints ? SweepStop::TooFewPoints
                                                   : SweepStop::Unreadable,
                   std::move(m));
        return false;
    }

    const SweepRequest& request_;
    Notifier* messages_;
    Rows& rows_;
    const Scale scale_;
    FluidEvaluator fluid_;
    PropertyValues toEnglish_{};
    std::size_t propertyCount_ = 0;
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
    // Where the correlation's next rows are evaluated (the table keeps rows, not columns), and
    // those rows, all computed.
    ValueColumns columns(const ValueColumns& spare) const { return spare; }
    void addCorrelated(std::span<const double> entered, const double* T, const ValueColumns& v) {
        // Column by column: a stretch of rows costs a few block copies, not six appends a row.
        const std::size_t n = entered.size(), first = t_.rows();
        t_.entered.insert(t_.entered.end(), entered.begin(), entered.end());
        t_.kelvin.insert(t_.kelvin.end(), T, T + n);
        for (std::size_t k = 0; k < n; ++k) {
            PropertyValues row;  // every value set below: nothing to clear first
            for (std::size_t p = 0; p < kPropertyCount; ++p) row[p] = v[p][k];
            t_.values.push_back(row);
        }
        t_.source.insert(t_.source.end(), n, RowSource::Correlation);
        t_.outcome.insert(t_.outcome.end(), n, RowOutcome::Computed);
        t_.outsideCorrelation.insert(t_.outsideCorrelation.end(), n, false);
        if (rowDone_)
            for (std::size_t k = 0; k < n; ++k) rowDone_(t_, first + k);
    }
    void stop(SweepStop why, Message m) {
        t_.stop = why;
        t_.stopMessage = std::move(m);
    }
    SweepTable take(const std::vector<TablePoint>& points) {
        t_.tablePoints = points;
        return std::move(t_);
    }

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
                refusal_ = velm::refusal(TemperatureOutcome::DoesNotExist);
                return false;
            case RowOutcome::NotComputable:
                refusal_ = message(MessageId::NotComputable);
                return false;
        }
        for (std::size_t i = 0; i < kPropertyCount; ++i)
            if (double* column = out_.value[i]) column[row_] = v[i];
        if (out_.source) out_.source[row_] = from;
        note(from);
        ++row_;
        return true;
    }
    // The correlation's next rows go straight into the caller's columns (the spare ones for
    // a property not wanted); a row not computable there ends the sweep (add), and what the
    // slots after it hold means nothing.
    ValueColumns columns(const ValueColumns& spare) const {
        ValueColumns c;
        for (std::size_t i = 0; i < kPropertyCount; ++i) c[i] = out_.value[i] ? out_.value[i] + row_ : spare[i];
        return c;
    }
    void addCorrelated(std::span<const double> entered, const double*, const ValueColumns&) {
        if (out_.source) std::fill_n(out_.source + row_, entered.size(), RowSource::Correlation);
        note(RowSource::Correlation);
        row_ += entered.size();
    }
    void stop(SweepStop, Message m) { refusal_ = std::move(m); }
    std::optional<Message>& refused() { return refusal_; }
    // Where every row came from, when there are rows and all came from one place.
    std::optional<RowSource> source() const { return row_ > 0 && !mixed_ ? std::optional(first_) : std::nullopt; }

private:
    void note(RowSource s) {
        if (row_ == 0) first_ = s;
        else mixed_ = mixed_ || s != first_;
    }

    const SweepColumns& out_;
    std::size_t row_ = 0;
    std::optional<Message> refusal_;
    RowSource first_ = RowSource::Correlation;
    bool mixed_ = false;
};

// Each message once, in the order first told; a refusal's own message is not a warning.
class DistinctMessages : public Notifier {
public:
    void inform(const Message& m) override {
        if (std::find(told.begin(), told.end(), m) == told.end()) told.push_back(m);
    }
    std::vector<Message> told;
};

}  // namespace

SweepTable runSweep(const SweepRequest& request, PointSource& source, Notifier* messages,
                    const std::function<void(const SweepTable&, std::size_t)>& rowDone) {
    TableRows rows(request, rowDone);
    SweepRun<TableRows> run(request, source, messages, rows);
    run.run(request.temperatures);
    return rows.take(run.tablePoints());
}

ColumnsOutcome sweepColumns(const SweepRequest& request, std::span<const double> temperatures,
                            PointSource& source, const SweepColumns& out) {
    ColumnsOutcome o;
    if (!allFinite(temperatures)) {
        o.refusal = refusal(TemperatureOutcome::NotANumber);
        return o;
    }
    DistinctMessages told;
    ColumnRows rows(out);
    SweepRun<ColumnRows>(request, source, &told, rows).run(temperatures);
    o.refusal = std::move(rows.refused());
    if (!o.refusal) o.source = rows.source();
    for (Message& m : told.told)
        if (m != o.refusal) o.warnings.push_back(std::move(m));
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

RangeEntry acceptRange(std::string_view from, std::string_view to, std::string_view step, bool decimalComma,
                       const RangeWords& words) {
    RangeEntry r;
    const auto refuse = [&r](RangeField field, Message m) {
        r.refused = field;
        r.message = std::move(m);
        return r;
    };
    // A value of its own box: a number, and a temperature not below 0 K.
    const auto value = [&](std::string_view text) -> std::variant<double, Message> {
        const std::optional<double> v = parseNumber(text, decimalComma);
        if (!v) return refusal(TemperatureOutcome::NotANumber);
        if (words.temperatureScale && toKelvin(*v, *words.temperatureScale) < 0)
            return refusal(TemperatureOutcome::DoesNotExist);
        return *v;
    };
    const auto first = value(from);
    if (const Message* m = std::get_if<Message>(&first)) return refuse(RangeField::From, *m);
    const auto last = value(to);
    if (const Message* m = std::get_if<Message>(&last)) return refuse(RangeField::To, *m);
    if (std::get<double>(first) > std::get<double>(last)) return refuse(RangeField::To, message(words.fromAboveTo));

    const std::optional<double> by = parseNumber(step, decimalComma);
    if (!by || !(*by > 0)) return refuse(RangeField::Step, message(MessageId::BadStep));
    const std::optional<double> steps = sweepSteps(std::get<double>(first), std::get<double>(last), *by);
    if (!steps || *steps + 1 > static_cast<double>(words.most))
        return refuse(RangeField::Step, message(words.tooMany, words.most));
    r.values = sweepTemperatures(std::get<double>(first), *by, sweepCount(*steps));
    return r;
}

SweepEntry acceptSweep(Family family, std::string_view fluid, bool english,
                       std::string_view scale, const SweepEntryTexts& texts, bool decimalComma) {
    SweepEntry e;
    RangeWords words;
    words.temperatureScale = std::string(scale);
    RangeEntry range = acceptRange(texts.from, texts.to, texts.step, decimalComma, words);
    if (range.refused != RangeField::None) {
        e.refused = range.refused == RangeField::From ? SweepField::From
                    : range.refused == RangeField::To ? SweepField::To
                                                      : SweepField::Step;
        e.message = std::move(range.message);
        return e;
    }
    SweepRequest& r = e.request;
    if (family == Family::Gases) {
        const PressureRule p = pressureRule(texts.pressure, english, decimalComma);
        if (p.outcome != PressureOutcome::Accepted) {
            e.refused = SweepField::Pressure;
            e.message = refusal(p.outcome);
            return e;
        }
        r.pressure = p.kPa;
        r.pressureText = texts.pressure;
    }
    r.family = family;
    r.fluid = std::string(fluid);
    r.english = english;
    r.scale = std::string(scale);
    r.temperatures = std::move(range.values);
    return e;
}

}  // namespace velm
