#include "tools/fit/Fit.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace velm::fit {
namespace {

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

}  // namespace

int ReferenceTable::column(std::string_view name) const {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i] == name) return static_cast<int>(i);
    return -1;
}

ReferenceTable parseReferenceTable(std::string_view text, const std::string& origin) {
    ReferenceTable table;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        const std::vector<std::string_view> fields = splitFields(line);
        const std::string where = origin + ":" + std::to_string(lineNumber);
        if (table.columns.empty()) {
            for (std::string_view f : fields) table.columns.emplace_back(f);
            if (table.column("TEMP") != 0) throw FitError(where + ": first column is not TEMP");
            continue;
        }
        if (fields.size() != table.columns.size())
            throw FitError(where + ": " + std::to_string(fields.size()) + " fields, header has " +
                           std::to_string(table.columns.size()));
        std::vector<double> row;
        for (std::string_view f : fields) {
            double v = 0;
            const auto [ptr, ec] = std::from_chars(f.data(), f.data() + f.size(), v);
            if (ec != std::errc{} || ptr != f.data() + f.size())
                throw FitError(where + ": not a number: \"" + std::string(f) + "\"");
            row.push_back(v);
        }
        table.rows.push_back(std::move(row));
    }
    if (table.columns.empty()) throw FitError(origin + ": empty table");
    return table;
}

std::optional<std::string> readTextFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return std::move(text).str();
}

ReferenceTable readReferenceTable(const std::filesystem::path& file) {
    const std::optional<std::string> text = readTextFile(file);
    if (!text) throw FitError("cannot read " + file.string());
    return parseReferenceTable(*text, file.string());
}

}  // namespace velm::fit
