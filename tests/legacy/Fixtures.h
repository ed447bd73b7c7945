#pragma once
// The two Access files of tests/data/legacy-mdb and the CSV beside each table, which holds
// every stored value exactly in its `C__g17` columns.

#include "tests/Support.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace velm::testing {

inline QString fixture(const QString& name) { return QStringLiteral(VELM_SOURCE_DIR "/tests/data/legacy-mdb/") + name; }

// A table's CSV: its name with accents dropped and every other odd character as "_".
inline QString csvName(const QString& file, const std::string& title) {
    QString t = QString::fromStdString(title).normalized(QString::NormalizationForm_D);
    t.remove(QRegularExpression("\\p{Mn}"));
    return file + "__" + t.replace(QRegularExpression("[^A-Za-z0-9_-]"), "_") + ".csv";
}

struct Csv {
    std::vector<std::string> heading;
    std::vector<std::vector<std::string>> rows;

    // The stored value of a number column (its name in any letter case); nullopt for NULL.
    std::optional<double> stored(std::size_t row, const std::string& column) const {
        for (std::size_t i = 0; i < heading.size(); ++i)
            if (QString::fromStdString(heading[i]).compare(QString::fromStdString(column + "__g17"),
                                                           Qt::CaseInsensitive) == 0)
                return rows[row][i].empty() ? std::nullopt : std::optional(std::strtod(rows[row][i].c_str(), nullptr));
        ADD_FAILURE() << "no column " << column;
        return std::nullopt;
    }
};

// A record a line: no cell of the fixtures holds a line break, and quotes wrap text cells only.
inline Csv readCsv(const QString& name) {
    Csv csv;
    std::istringstream in(bytesOf(fixture(name)).toStdString());
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells(1);
        bool quoted = false;
        for (const char c : line) {
            if (c == '"') quoted = !quoted;
            else if (c == ',' && !quoted) cells.emplace_back();
            else cells.back() += c;
        }
        (csv.heading.empty() ? csv.heading : csv.rows.emplace_back()) = cells;
    }
    return csv;
}

}  // namespace velm::testing
