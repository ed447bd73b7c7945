// VELMORANTES: the desktop program.
#include "app/StartOptions.h"
#include "engine/Module1.h"
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
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const velm::StartOptions options = velm::readStartOptions(
        arguments, {QDir::currentPath(), qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()});
    switch (options.action) {
        case velm::StartOptions::Action::Help:
        case velm::StartOptions::Action::Version:
            std::cout << options.text.toStdString();
            return EXIT_SUCCESS;
        case velm::StartOptions::Action::Refuse:
            std::cerr << "velmorantes: " << options.text.toStdString()
                      << "\nTry 'velmorantes --help'.\n";
            return 2;
        case velm::StartOptions::Action::Run:
            break;
    }

    // Qt sees the program's name only (see readStartOptions).
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
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
