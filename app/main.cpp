// VELMORANTES: the desktop program.
#include "ui/AllScreens.h"
#include "store/FluidStore.h"
#include "engine/Module1.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/mdiGENERAL.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velm::installTypefaces();

    // The database files stay where the program started, whatever folder a save dialog
    // visits later.
    const velm::DatabaseFiles files(QDir::currentPath());
    Module1 state;
    velm::QtMessageBoxes messages;
    velm::QtSaveDialog saveDialog;
    velm::QtBusyPointer busy;
    velm::QtKeySender keys;

    mdiGENERAL main(state, messages, saveDialog);
    velm::Toolkit tk{state, main.screens(), main, messages, busy, keys, files};
    main.screens().setToolkit(&tk);
    velm::registerAllScreens(main.screens());

    velm::ScreenAccessKeysFirst accessKeys;
    app.installEventFilter(&accessKeys);

    main.MDIForm_Load();
    main.show();
    return app.exec();
}
