#pragma once
// The two Access files of tests/data/legacy-mdb and the CSV beside each of their tables,
// which holds every stored value exactly (its `C__g17` columns).

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace velm::testing {

inline QString fixture(const QString& name) {
    return QStringLiteral(VELM_SOURCE_DIR "/tests/data/legacy-mdb/") + name;
}

struct FixtureTable {
    const char* file;
    std::string title;
    const char* csv;
};

// Every table of both files, in each file's catalogue order.
inline const std::vector<FixtureTable>& fixtureTables() {
    static const std::vector<FixtureTable> tables{
        {"GASES", "AIRE", "GASES__AIRE.csv"},
        {"GASES", "MI GAS", "GASES__MI_GAS.csv"},
        {"GASES", "Gas ñandú \"x\"", "GASES__Gas_nandu__x_.csv"},
        {"GASES", "UNO", "GASES__UNO.csv"},
        {"GASES", "REPETIDA", "GASES__REPETIDA.csv"},
        {"GASES", "CON NULO", "GASES__CON_NULO.csv"},
        {"GASES", "DOBLE", "GASES__DOBLE.csv"},
        {"GASES", "minusculas", "GASES__minusculas.csv"},
        {"GASES", "EXTRA", "GASES__EXTRA.csv"},
        {"GASES", "NOTAS", "GASES__NOTAS.csv"},
        {"GASES", "VACIA", "GASES__VACIA.csv"},
        {"LIQUIDOS", "AGUA", "LIQUIDOS__AGUA.csv"},
        {"LIQUIDOS", "SIN BETA", "LIQUIDOS__SIN_BETA.csv"},
        {"LIQUIDOS", "ACEITE DE PRUEBA", "LIQUIDOS__ACEITE_DE_PRUEBA.csv"},
    };
    return tables;
}

// One CSV file: its heading and its fields, quotes undone.
struct Csv {
    std::vector<std::string> heading;
    std::vector<std::vector<std::string>> rows;

    // Letter case ignored, as the conversion matches columns.
    std::size_t column(const std::string& name) const {
        for (std::size_t i = 0; i < heading.size(); ++i)
            if (QString::fromStdString(heading[i]).compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0)
                return i;
        ADD_FAILURE() << "no column " << name;
        return 0;
    }
    // The stored value of a number column; nullopt for NULL.
    std::optional<double> stored(std::size_t row, const std::string& name) const {
        const std::string& g17 = rows[row][column(name + "__g17")];
        if (g17.empty()) return std::nullopt;
        return std::strtod(g17.c_str(), nullptr);
    }
};

inline Csv readCsv(const char* name) {
    std::ifstream in(fixture(QString::fromUtf8(name)).toStdString(), std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const char c = all[i];
        std::string& field = records.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < all.size() && all[i + 1] == '"') field += all[++i];
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\n') {
            records.emplace_back(1);
        } else {
            field += c;
        }
    }
    if (records.back() == std::vector<std::string>(1)) records.pop_back();
    Csv csv;
    csv.heading = records.front();
    csv.rows.assign(records.begin() + 1, records.end());
    return csv;
}

inline QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray hashOf(const QString& path) {
    return QCryptographicHash::hash(bytesOf(path), QCryptographicHash::Sha256);
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace velm::testing
