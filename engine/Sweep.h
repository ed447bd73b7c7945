#pragma once
// The properties of one fluid over many temperatures: what the table-and-plot screen shows
// and `velmorantes-calc --sweep` prints. Each temperature gives exactly the values a single
// evaluation gives (the property screen's acceptance, then the driver), bit for bit; but a
// built-in fluid is looked up once and a stored table is read once, not once per temperature.

#include "correlation/Family.h"
#include "engine/CalcularTabla.h"
#include "engine/Fluid.h"
#include "engine/Message.h"
#include "engine/Properties.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velm {

enum class RowOutcome : unsigned char {
    Computed,
    DoesNotExist,   // below 0 K: refused, as the property screen refuses it
    NotComputable,  // a result is not a finite number
};

// Why a sweep ended before its last temperature; the rows before it stand.
enum class SweepStop : unsigned char { None, ZeroPressure, TooFewPoints, Unreadable };

struct SweepRequest {
    Family family = Family::Gases;
    std::string fluid;
    bool english = false;
    std::string scale = "K";  // "K", "ºC" or "ºF": the temperatures' scale
    double pressure = 0;      // kPa, accepted (gases only)
    std::string pressureText; // the pressure as entered, for titles
    std::vector<double> temperatures;  // as entered, in `scale`
};

// The rows in plain arrays: a hundred thousand of them stay cheap to hold and to show.
struct SweepTable {
    SweepRequest request;  // without its temperatures (they are `entered`)
    std::vector<double> entered;            // as entered
    std::vector<double> kelvin;
    std::vector<std::array<double, kPropertyCount>> values;  // shown units; BETA 0 for gases
    std::vector<RowSource> source;
    std::vector<RowOutcome> outcome;
    std::vector<bool> outsideCorrelation;   // a built-in fluid taken from its table
    SweepStop stop = SweepStop::None;
    Message stopMessage;                    // why it stopped, when it did
    std::vector<TablePoint> tablePoints;    // the stored table as read (empty if never read)

    std::size_t rows() const { return entered.size(); }
    double value(std::size_t row, Property p) const { return values[row][index(p)]; }
    bool computed(std::size_t row) const { return outcome[row] == RowOutcome::Computed; }
    std::size_t count(RowSource s) const;
    std::size_t count(RowOutcome o) const;
    std::size_t countOutsideCorrelation() const;
};

// Evaluates every temperature of the request in order. Every message a single evaluation of
// each temperature would show goes to `messages` (when given), in the same order; a stop
// (pressure of 0, a table of fewer than two points, a table that cannot be read) ends the
// sweep with its message. `rowDone` is called after each row is added.
SweepTable runSweep(const SweepRequest& request, PointSource& source,
                    Notifier* messages = nullptr,
                    const std::function<void(const SweepTable&, std::size_t)>& rowDone = {});

// A sweep written straight into columns the caller owns, for a program that asks for many
// temperatures at once and wants every one of them or a refusal: the same rows as runSweep,
// bit for bit, but the first temperature that is refused (not a finite number, below 0 K),
// not computable or stopped at ends the sweep with its message.
struct SweepColumns {
    // One slot per temperature; null: not wanted. After a refusal the slots from the refused
    // row on hold nothing meaningful.
    std::array<double*, kPropertyCount> value{};
    RowSource* source = nullptr;                  // the same; null: not wanted
};

struct ColumnsOutcome {
    std::optional<Message> refusal;  // the message that ended the sweep; none: all computed
    std::vector<Message> warnings;   // every other message, each once, in the order told
    std::optional<RowSource> source;  // where every row came from, when all came from one place
};

// Reads `temperatures`, not `request.temperatures`; `request.pressure` is accepted already.
ColumnsOutcome sweepColumns(const SweepRequest& request, std::span<const double> temperatures,
                            PointSource& source, const SweepColumns& out);

// The most temperatures one sweep takes.
inline constexpr std::size_t kMaxSweep = 100000;

// How many temperatures FROM, FROM + STEP, ... reach TO (TO included, allowing for rounding):
// nullopt when STEP is 0 or leads away from TO, or the count is not finite.
std::optional<double> sweepSteps(double from, double to, double step);
std::size_t sweepCount(double steps);
// FROM + i × STEP for i = 0 … count − 1.
std::vector<double> sweepTemperatures(double from, double step, std::size_t count);

// FROM:TO:STEP as a command line gives it: the values, or what is wrong with the text (not
// three parts, a part that is no number, a step that is 0 or leads away from TO, more than
// `most` values).
enum class RangeProblem { None, Form, NotANumber, Direction, TooMany };
struct RangeText {
    RangeProblem problem = RangeProblem::None;
    std::vector<double> values;
};
RangeText readRange(std::string_view text, bool decimalComma, std::size_t most);

// DESDE, HASTA and PASO as typed on a screen: the values FROM, FROM + STEP, ... TO, or the
// box refused and why. `words` says what the values are: temperatures (each also refused below
// 0 K in `scale`) or any other values.
enum class RangeField { None, From, To, Step };
struct RangeWords {
    MessageId fromAboveTo = MessageId::FromAboveTo;
    MessageId tooMany = MessageId::TooManyTemperatures;
    std::size_t most = kMaxSweep;
    std::optional<std::string> temperatureScale;  // temperatures in this scale
};
struct RangeEntry {
    RangeField refused = RangeField::None;
    Message message;
    std::vector<double> values;
};
RangeEntry acceptRange(std::string_view from, std::string_view to, std::string_view step, bool decimalComma,
                       const RangeWords& words);

// The range of temperatures as typed on the tables screen, with the pressure of a gas.
enum class SweepField { None, From, To, Step, Pressure };

struct SweepEntryTexts {
    std::string from, to, step, pressure;
};

struct SweepEntry {
    SweepField refused = SweepField::None;  // the box to empty and focus
    Message message;                        // its message
    SweepRequest request;                   // when nothing was refused
};

SweepEntry acceptSweep(Family family, std::string_view fluid, bool english,
                       std::string_view scale, const SweepEntryTexts& texts, bool decimalComma);

}  // namespace velm
