// Screen tests run on the offscreen platform unless a display is asked for, in the language
// the locale chooses (ctest runs them once in Spanish and once in English).
#include "i18n/Language.h"
#include "ui/toolkit/QtPlatform.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const velm::Translations translations(velm::languageOfEnvironment());
    if (!translations.complete()) {
        std::fprintf(stderr, "the translations of %s could not be loaded\n", velm::languageCode(translations.language()));
        return 1;
    }
    velm::installTypefaces();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
