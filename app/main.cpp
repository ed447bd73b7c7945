// VELMORANTES: the desktop program.
#include "engine/Module1.h"
#include "store/FluidStore.h"
#include "ui/mdiGENERAL.h"
#include "ui/toolkit/QtPlatform.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velm::installTypefaces();

    // The database files stay where the program started, whatever folder a save dialog
    // visits later.
    const velm::DatabaseFiles files(QDir::currentPath());
    Module1 state;
    velm::AppContext context{state, files};
    velm::QtMessageBoxes messages;
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
