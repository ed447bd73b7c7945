// The tables of cases the desktop shares with the browser page's tables (web/tables): each side
// runs the same file, so the two read titles and typed values alike.
#include "engine/Entry.h"
#include "tests/store/StoreTesting.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

using namespace velm;

QJsonArray casesOf(const char* name) {
    QFile f(QStringLiteral(VELM_SOURCE_DIR "/tests/data/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return QJsonDocument::fromJson(f.readAll()).object().value("cases").toArray();
}

// A text written as pieces, [piece, n] standing for the piece n times.
std::string textOf(const QJsonValue& v) {
    if (v.isString()) return v.toString().toStdString();
    std::string s;
    for (const QJsonValue& piece : v.toArray()) {
        if (piece.isString()) s += piece.toString().toStdString();
        else for (int i = 0; i < piece.toArray()[1].toInt(); ++i) s += piece.toArray()[0].toString().toStdString();
    }
    return s;
}

double numberOf(const QJsonValue& v) {
    if (v.toString() == "inf") return std::numeric_limits<double>::infinity();
    if (v.toString() == "-inf") return -std::numeric_limits<double>::infinity();
    if (v.toString() == "-0") return -0.0;
    return v.toDouble();
}

TEST(SharedCases, TitlesAreFoundAsThePageFindsThem) {
    QTemporaryDir dir;
    const DatabaseFiles files(dir.path());
    FluidStore store(files, Family::Gases);
    QFile f(QStringLiteral(VELM_SOURCE_DIR "/tests/data/table-titles.json"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject all = QJsonDocument::fromJson(f.readAll()).object();
    for (const QJsonValue& title : all.value("created").toArray()) store.createTable(title.toString().toStdString());
    for (const QJsonValue& c : all.value("cases").toArray()) {
        const std::string title = c["title"].toString().toStdString();
        EXPECT_EQ(store.titleExists(title), c["exists"].toBool()) << title;
        const std::optional<std::string> stored = store.storedName(title);
        EXPECT_EQ(stored.value_or("(none)"), c["stored"].isNull() ? "(none)" : c["stored"].toString().toStdString()) << title;
    }
}

TEST(SharedCases, TypedValuesReadAsThePageReadsThem) {
    for (const QJsonValue& c : casesOf("number-reading.json")) {
        const std::string text = textOf(c["text"]);
        const std::string name = text.substr(0, 40);
        const std::optional<double> number = parseNumber(text, c["comma"].toBool());
        ASSERT_EQ(number.has_value(), !c["number"].isNull()) << name;
        if (number) {
            EXPECT_EQ(*number, numberOf(c["number"])) << name;
            EXPECT_EQ(std::signbit(*number), std::signbit(numberOf(c["number"]))) << name;
        }
        const double leading = leadingNumber(text);
        EXPECT_EQ(leading, numberOf(c["leading"])) << name;
        EXPECT_EQ(std::signbit(leading), std::signbit(numberOf(c["leading"]))) << name;
    }
}

}  // namespace
