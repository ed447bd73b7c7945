// The English translation is complete and keeps every placeholder, and the texts the program
// marks are exactly those the translation file holds (a text marked since the last lupdate
// has no translation yet).
#include "tests/i18n/TsFile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

namespace {

using velm::testing::Catalogue;
using velm::testing::readTs;

// The placeholders of a text, sorted: "%2 ... %1 ... %2" -> {%1, %2, %2}.
QStringList placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    for (auto it = marker.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
}

std::string name(const std::pair<QString, QString>& key) {
    return (key.first + QStringLiteral(": \"") + key.second.left(70) + QStringLiteral("\"")).toStdString();
}

TEST(Translation, EveryTextHasAFinishedEnglishTranslationWithItsPlaceholders) {
    const Catalogue committed = readTs(QStringLiteral(VELM_TS));
    ASSERT_FALSE(committed.empty());
    for (const auto& [key, entry] : committed) {
        EXPECT_TRUE(entry.type.isEmpty()) << name(key) << " is " << entry.type.toStdString();
        EXPECT_FALSE(entry.translation.isEmpty()) << name(key) << " has no translation";
        EXPECT_EQ(placeholders(entry.translation), placeholders(key.second))
            << name(key) << " -> \"" << entry.translation.toStdString() << "\"";
    }
}

TEST(Translation, TheFileHoldsEveryTextTheProgramMarks) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(VELM_SOURCE_DIR));
    QStringList args{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                     QStringLiteral("-source-language"), QStringLiteral("es"), QStringLiteral("-target-language"),
                     QStringLiteral("en")};
    args << QString::fromUtf8(VELM_TRANSLATED_FOLDERS).split(QLatin1Char(',')) << QStringLiteral("-ts") << fresh;
    lupdate.start(QStringLiteral(VELM_LUPDATE), args);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const Catalogue marked = readTs(fresh);
    const Catalogue committed = readTs(QStringLiteral(VELM_TS));
    ASSERT_FALSE(marked.empty());
    for (const auto& [key, entry] : marked)
        EXPECT_TRUE(committed.count(key)) << name(key) << " is marked but not in the translation file: run "
                                          << "cmake --build build --target velm_lupdate and translate it";
    for (const auto& [key, entry] : committed)
        EXPECT_TRUE(marked.count(key)) << name(key) << " is no longer marked: run the velm_lupdate target";
}

}  // namespace
