// Which language the locale and --language choose, and the filling in of placeholders.
#include "i18n/qt/Translations.h"
#include "i18n/qt/Text.h"

#include <gtest/gtest.h>

#include <map>

namespace velm {
namespace {

TEST(Language, TheLocaleChooses) {
    using L = Language;
    const struct {
        std::map<std::string, std::string> env;
        L want;
    } cases[] = {
        {{}, L::Spanish},
        {{{"LANG", "C"}}, L::Spanish},
        {{{"LANG", "C.UTF-8"}}, L::Spanish},
        {{{"LANG", "POSIX"}}, L::Spanish},
        {{{"LANG", "es_ES.UTF-8"}}, L::Spanish},
        {{{"LANG", "es_MX"}}, L::Spanish},
        {{{"LANG", "en_US.UTF-8"}}, L::English},
        {{{"LANG", "de_DE.UTF-8"}}, L::English},
        {{{"LANG", "fr_FR@euro"}}, L::English},
        // LC_ALL before LC_MESSAGES before LANG; an empty variable counts as unset.
        {{{"LC_ALL", "en_GB.UTF-8"}, {"LC_MESSAGES", "es_ES"}, {"LANG", "es_ES"}}, L::English},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "es_ES"}, {"LANG", "en_US"}}, L::Spanish},
        {{{"LC_MESSAGES", "C"}, {"LANG", "en_US"}}, L::Spanish},
        // LANGUAGE first: its first Spanish or English entry.
        {{{"LANGUAGE", "en"}, {"LANG", "es_ES.UTF-8"}}, L::English},
        {{{"LANGUAGE", "es:en"}, {"LANG", "en_US.UTF-8"}}, L::Spanish},
        {{{"LANGUAGE", "fr:de:en_GB"}, {"LANG", "C"}}, L::English},
        {{{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}, L::Spanish},
        {{{"LANGUAGE", "fr"}, {"LANG", "pt_BR"}}, L::English},
        {{{"LANGUAGE", ""}, {"LANG", "en_US"}}, L::English},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& [k, v] : c.env) shown += k + "=" + v + " ";
        const Language got = languageOfLocale([&](const char* name) {
            const auto it = c.env.find(name);
            return it == c.env.end() ? std::string() : it->second;
        });
        EXPECT_EQ(got, c.want) << shown;
    }
}

TEST(Language, TheOptionIsTakenOutAndOverrides) {
    const struct {
        std::vector<std::string> args, rest;
        std::optional<Language> language;
        bool wrong;
    } cases[] = {
        {{"--temp", "300"}, {"--temp", "300"}, std::nullopt, false},
        {{"--language", "en", "--temp", "300"}, {"--temp", "300"}, Language::English, false},
        {{"--temp", "300", "--language=ES"}, {"--temp", "300"}, Language::Spanish, false},
        {{"--language=en", "--language", "es"}, {}, Language::Spanish, false},  // the last wins
        {{"--language", "fr"}, {}, std::nullopt, true},
        {{"--help", "--language"}, {"--help"}, std::nullopt, true},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        const LanguageOption o = takeLanguageOption(args);
        EXPECT_EQ(args, c.rest) << c.args.front();
        EXPECT_EQ(o.language, c.language) << c.args.front();
        EXPECT_EQ(o.wrong, c.wrong) << c.args.front();
        EXPECT_EQ(languageProblem(o).empty(), !c.wrong);
    }
}

// Filled in once: a value holding "%1" (a table's title may) stays as it is.
TEST(Language, PlaceholdersAreFilledInOnePass) {
    EXPECT_EQ(filled(QStringLiteral("LA TABLA %1 DEL ARCHIVO %2"), {QStringLiteral("%2%1"), QStringLiteral("G.mdb")}),
              QStringLiteral("LA TABLA %2%1 DEL ARCHIVO G.mdb"));
    EXPECT_EQ(filled(QStringLiteral("%2 Y %1, %2 %"), {QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("b Y a, b %"));
    EXPECT_EQ(filled(QStringLiteral("100% %3"), {QStringLiteral("a")}), QStringLiteral("100% %3"));
}

}  // namespace
}  // namespace velm
