// VELMORANTES: the desktop program.
#include "app/StartOptions.h"
#include "engine/Module1.h"
#include "i18n/qt/Translations.h"
#include "i18n/qt/Text.h"
#include "store/FluidStore.h"
#include "ui/mdiGENERAL.h"
#include "ui/toolkit/QtPlatform.h"

#include <QApplication>
#include <QDir>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    // The line is read before any window exists, so --help and --version need no display.
    QStringList arguments;
    std::vector<std::string> rest;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    for (int i = 1; i < argc; ++i) rest.emplace_back(argv[i]);
    const velm::Language language = velm::chosenLanguage(velm::takeLanguageOption(rest));
    const velm::StartPlace place{QDir::currentPath(), qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()};
    velm::StartOptions options = velm::readStartOptions(arguments, place);
    if (options.action != velm::StartOptions::Action::Run) {
        // Said in the user's language, which needs an application object, not a display.
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        const velm::Translations translations(language);
        options = velm::readStartOptions(arguments, place);
        if (options.action == velm::StartOptions::Action::Refuse) {
            std::cerr << "velmorantes: " << options.text.toStdString() << "\n"
                      << velm::translatedText("velm::start", QT_TRANSLATE_NOOP("velm::start",
                                                                              "Pruebe 'velmorantes --help'."))
                      << '\n';
            return 2;
        }
        std::cout << options.text.toStdString();
        return EXIT_SUCCESS;
    }

    // Qt sees the program's name only (see readStartOptions).
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const velm::Translations translations(language);
    QGuiApplication::setDesktopFileName(QStringLiteral(VELM_APP_ID));
    velm::installTypefaces();
    velm::QtMessageBoxes messages;

    if (const auto problem = velm::prepareDatabaseFolder(options)) {
        std::cerr << "velmorantes: " << problem->toStdString() << '\n';
        messages.information(*problem);
        return EXIT_FAILURE;
    }
    // Resolved once: a save dialog visiting other folders cannot move the database files.
    const velm::DatabaseFiles files(options.databaseFolder);
    Module1 state;
    velm::AppContext context{state, files};
    velm::QtSaveDialog saveDialog;
    velm::QtBusyPointer busy;
    velm::QtKeySender keys;
    velm::QtExportDialog exportDialog;
    velm::QtClipboard clipboard;
    velm::Platform platform{messages, saveDialog, busy, keys, exportDialog, clipboard};

    mdiGENERAL main(context, platform);
    velm::ScreenAccessKeysFirst accessKeys;
    app.installEventFilter(&accessKeys);

    main.MDIForm_Load();
    main.show();
    return app.exec();
}
