#include "engine/SweepText.h"

#include "engine/DisplayPattern.h"
#include "engine/ResultsLine.h"

namespace velm {
namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// The rows with one separator; numbers to full precision, with a decimal comma if asked.
std::string delimited(const SweepTable& t, char separator, bool decimalComma, bool quote) {
    const SweepRequest& r = t.request;
    const auto field = [quote](const std::string& s) { return quote ? csvField(s) : s; };
    const auto number = [decimalComma](double v) {
        std::string s = shortestText(v);
        if (decimalComma)
            for (char& c : s)
                if (c == '.') c = ',';
        return s;
    };
    std::string out;
    bool firstColumn = true;
    for (const std::string& h : sweepHeadings(r.family, r.english, r.scale)) {
        if (!firstColumn) out += separator;
        out += field(h);
        firstColumn = false;
    }
    out += '\n';
    for (std::size_t row = 0; row < t.rows(); ++row) {
        out += number(t.entered[row]);
        for (const PropertyInfo& p : propertiesOf(r.family)) {
            out += separator;
            if (t.computed(row)) out += number(t.value(row, p.id));
        }
        out += separator;
        out += field(std::string(rowSourceText(t, row)));
        out += '\n';
    }
    return out;
}

}  // namespace

std::size_t sweepColumnCount(Family family) { return propertiesOf(family).size() + 2; }

std::optional<Property> columnProperty(Family family, std::size_t column) {
    const auto properties = propertiesOf(family);
    if (column == 0 || column > properties.size()) return std::nullopt;
    return properties[column - 1].id;
}

std::vector<std::string> sweepHeadings(Family family, bool english, std::string_view scale) {
    std::vector<std::string> h{temperatureHeading(english, scale)};
    for (const PropertyInfo& p : propertiesOf(family)) h.push_back(p.heading(english));
    h.emplace_back("ORIGEN");
    return h;
}

std::string_view sourceText(RowSource s) {
    switch (s) {
        case RowSource::Correlation: return "CORRELACION";
        case RowSource::TablePoint: return "PUNTO DE TABLA";
        case RowSource::Interpolated: return "INTERPOLADO";
        case RowSource::Extrapolated: return "EXTRAPOLADO";
    }
    return {};
}

std::string_view rowSourceText(const SweepTable& t, std::size_t row) {
    switch (t.outcome[row]) {
        case RowOutcome::Computed: return sourceText(t.source[row]);
        case RowOutcome::DoesNotExist: return "NO EXISTE";
        case RowOutcome::NotComputable: return "NO CALCULABLE";
    }
    return {};
}

std::string cellText(const SweepTable& t, std::size_t row, std::size_t column) {
    const Family family = t.request.family;
    if (column == 0) return formatGeneral(t.entered[row]);
    if (const std::optional<Property> p = columnProperty(family, column))
        return t.computed(row) ? formatPattern(t.value(row, *p), info(*p).pattern(family)) : std::string();
    return std::string(rowSourceText(t, row));
}

std::string csvText(const SweepTable& t) { return delimited(t, ',', false, true); }

std::string tsvText(const SweepTable& t, bool decimalComma) {
    return delimited(t, '\t', decimalComma, false);
}

std::string resultsFileText(const SweepTable& t) {
    const SweepRequest& r = t.request;
    std::string out = toFileLine(headingLine(r.family, r.english, r.scale));
    for (std::size_t row = 0; row < t.rows(); ++row)
        if (t.computed(row)) out += toFileLine(valuesLine(r.family, t.entered[row], t.values[row]));
    return out;
}

}  // namespace velm
