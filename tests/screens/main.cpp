// Screen tests run on the offscreen platform unless a display is asked for, in the language
// --language or else the locale chooses (ctest runs them once in Spanish and once in English).
#include "i18n/qt/Translations.h"
#include "ui/toolkit/QtPlatform.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    const velm::Translations translations(velm::chosenLanguage(velm::takeLanguageOption(args)));
    if (!translations.complete()) {
        std::fprintf(stderr, "the translations of %s could not be loaded\n", velm::languageCode(translations.language()));
        return 1;
    }
    velm::installTypefaces();
    // The machine's locale plays no part in a verdict: a test that wants one sets it.
    QLocale::setDefault(QLocale::c());
    // --language is the tests' own option, and left for Google Test to ignore.
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
