// Qt Sql loads its SQLite driver as a plugin, which needs an application object.
#include "i18n/qt/Text.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    // The machine's locale plays no part in a verdict: a test that wants one sets it.
    QLocale::setDefault(QLocale::c());
    velm::useQtForText();
    return RUN_ALL_TESTS();
}
