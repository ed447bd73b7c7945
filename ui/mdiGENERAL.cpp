#include "ui/mdiGENERAL.h"

#include "engine/Module1.h"
#include "engine/ResultsLine.h"
#include "engine/UserError.h"
#include "store/ResultsFile.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QMenuBar>

using namespace velm;

namespace {
const QString kSaveTitle = QStringLiteral("GUARDAR ");
}

mdiGENERAL::mdiGENERAL(AppContext& app, Platform& platform)
    : area(new QMdiArea(this)),
      state_(app.state),
      messages_(platform.messages),
      saveDialog_(platform.saveDialog),
      screens_(area),
      toolkit_{app, platform, screens_, *this} {
    screens_.setToolkit(&toolkit_);
    registerAllScreens(screens_);
    setObjectName(QStringLiteral("mdiGENERAL"));
    setWindowTitle(QStringLiteral("   VELMORANTES"));
    setCentralWidget(area);

    Archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    Archivo->setObjectName(QStringLiteral("Archivo"));
    mnuGuardar = Archivo->addAction(QStringLiteral("&Guardar"));
    mnuGuardar->setObjectName(QStringLiteral("mnuGuardar"));
    mnuGuardar->setEnabled(false);
    mnuSalir = Archivo->addAction(QStringLiteral("&Salir"));
    mnuSalir->setObjectName(QStringLiteral("mnuSalir"));
    Unidades = menuBar()->addMenu(QStringLiteral("&Unidades"));
    Unidades->setObjectName(QStringLiteral("Unidades"));
    mnuSi = Unidades->addAction(QStringLiteral("&Sistema Internacional"));
    mnuSi->setObjectName(QStringLiteral("mnuSi"));
    mnuSingles = Unidades->addAction(QStringLiteral("&Sistema Inglés"));
    mnuSingles->setObjectName(QStringLiteral("mnuSingles"));
    // A top-level item with nothing under it: a click or Alt+V starts a calculation.
    Velmorantes = menuBar()->addAction(QStringLiteral("&Velmorantes"));
    Velmorantes->setObjectName(QStringLiteral("Velmorantes"));
    // Tables and plots over a range of temperatures, at any time, beside a calculation.
    mnuTablas = menuBar()->addAction(QStringLiteral("Ta&blas y gráficas"));
    mnuTablas->setObjectName(QStringLiteral("mnuTablas"));
    // Convection coefficients from the same properties, likewise beside everything else.
    mnuConveccion = menuBar()->addAction(QStringLiteral("Convección (flu&jo de calor)"));
    mnuConveccion->setObjectName(QStringLiteral("mnuConveccion"));

    connect(mnuGuardar, &QAction::triggered, this, &mdiGENERAL::mnuGuardar_Click);
    connect(mnuSalir, &QAction::triggered, this, &mdiGENERAL::mnuSalir_Click);
    connect(mnuSi, &QAction::triggered, this, &mdiGENERAL::mnuSi_Click);
    connect(mnuSingles, &QAction::triggered, this, &mdiGENERAL::mnuSingles_Click);
    connect(Velmorantes, &QAction::triggered, this, &mdiGENERAL::Velmorantes_Click);
    connect(mnuTablas, &QAction::triggered, this, &mdiGENERAL::mnuTablas_Click);
    connect(mnuConveccion, &QAction::triggered, this, &mdiGENERAL::mnuConveccion_Click);

    endProgram = [] { QApplication::closeAllWindows(); QCoreApplication::exit(0); };
}

void mdiGENERAL::MDIForm_Load() {
    setWindowState(windowState() | Qt::WindowMaximized);
    state_.UNIDADES = kSI;
}

void mdiGENERAL::setGuardarEnabled(bool enabled) { mnuGuardar->setEnabled(enabled); }

void mdiGENERAL::setUnidadesEnabled(bool enabled) {
    Unidades->setEnabled(enabled);
    Unidades->menuAction()->setEnabled(enabled);
}

void mdiGENERAL::mnuSi_Click() {
    state_.UNIDADES = kSI;
    setUnidadesEnabled(false);
}

void mdiGENERAL::mnuSingles_Click() {
    state_.UNIDADES = kEnglish;
    setUnidadesEnabled(false);
}

void mdiGENERAL::Velmorantes_Click() {
    screens_.show<frmPRESENT>();
    setUnidadesEnabled(false);
}

// The screen keeps its own state: no unit lock, no calculation state.
void mdiGENERAL::mnuTablas_Click() { screens_.show<frmGRAFICAS>(); }

void mdiGENERAL::mnuConveccion_Click() { screens_.show<frmCONVECCION>(); }

void mdiGENERAL::mnuSalir_Click() { endProgram(); }

void mdiGENERAL::mnuGuardar_Click() {
    const std::optional<QString> chosen =
        saveDialog_.fileName(fileName_, QStringLiteral("Archivos de texto(*.txt)"));
    if (!chosen) return;  // a cancelled dialog stays silent
    fileName_ = *chosen;
    state_.ARCHIVO.reset();
    bool replace = false;
    if (!resultsFileIsEmpty(fileName_)) {
        if (messages_.question(QStringLiteral("ESTE ARCHIVO YA EXISTE ¿QUIERE SOBREESCRIBIRLO?"),
                               kSaveTitle)) {
            replace = true;
        } else {
            if (!messages_.question(QStringLiteral("¿DESEA AGREGAR ESTOS RESULTADOS AL ARCHIVO?"),
                                    kSaveTitle))
                return;
            state_.ARCHIVO = kSI;
        }
    }
    Guardar2(replace);
}

// Writes the heading (unless appending to a file with lines) and the values line; an
// overwrite replaces the old file only once the new one is complete, and a failure leaves the
// file as it was. An append takes the heading only if the file is still empty under its lock
// (ARCHIVO tells what the file was when the user was asked; another program may have written
// to it since).
void mdiGENERAL::Guardar2(bool replace) {
    const std::string heading = toFileLine(headingLine(state_));
    const std::string values = toFileLine(valuesLine(state_));
    try {
        if (replace) replaceResultsFile(fileName_, heading + values);
        else appendToResultsFile(fileName_, heading, values);
    } catch (const UserError& e) {
        messages_.information(QString::fromUtf8(e.what()));
    }
}
