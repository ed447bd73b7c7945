#include "ui/mdiGENERAL.h"

#include "engine/Module1.h"
#include "engine/ResultsLine.h"
#include "engine/UserError.h"
#include "i18n/qt/Text.h"
#include "store/FluidStore.h"
#include "store/ResultsFile.h"
#include "ui/Screens.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>

using namespace velm;

namespace {
const char* const kSaveTitle = QT_TRANSLATE_NOOP("mdiGENERAL", "GUARDAR ");
}

mdiGENERAL::mdiGENERAL(AppContext& app, Platform& platform)
    : area(new QMdiArea(this)),
      state_(app.state),
      files_(app.files),
      messages_(platform.messages),
      saveDialog_(platform.saveDialog),
      screens_(area),
      toolkit_{app, platform, screens_, *this} {
    screens_.setToolkit(&toolkit_);
    registerAllScreens(screens_);
    setObjectName(QStringLiteral("mdiGENERAL"));
    setWindowTitle(QStringLiteral("   VELMORANTES"));
    setCentralWidget(area);

    Archivo = menuBar()->addMenu(tr("&Archivo"));
    Archivo->setObjectName(QStringLiteral("Archivo"));
    mnuGuardar = Archivo->addAction(tr("&Guardar"));
    mnuGuardar->setObjectName(QStringLiteral("mnuGuardar"));
    mnuGuardar->setEnabled(false);
    mnuSalir = Archivo->addAction(tr("&Salir"));
    mnuSalir->setObjectName(QStringLiteral("mnuSalir"));
    Unidades = menuBar()->addMenu(tr("&Unidades"));
    Unidades->setObjectName(QStringLiteral("Unidades"));
    mnuSi = Unidades->addAction(tr("&Sistema Internacional"));
    mnuSi->setObjectName(QStringLiteral("mnuSi"));
    mnuSingles = Unidades->addAction(tr("&Sistema Inglés"));
    mnuSingles->setObjectName(QStringLiteral("mnuSingles"));
    // A top-level item with nothing under it: a click or Alt+V starts a calculation.
    Velmorantes = menuBar()->addAction(tr("&Velmorantes"));
    Velmorantes->setObjectName(QStringLiteral("Velmorantes"));
    // Tables and plots over a range of temperatures, at any time, beside a calculation.
    mnuTablas = menuBar()->addAction(tr("Ta&blas y gráficas"));
    mnuTablas->setObjectName(QStringLiteral("mnuTablas"));
    // Convection coefficients from the same properties, likewise beside everything else.
    mnuConveccion = menuBar()->addAction(tr("Convección (flu&jo de calor)"));
    mnuConveccion->setObjectName(QStringLiteral("mnuConveccion"));
    // Last in the bar. Its access key is one no screen and no other menu uses (Alt+U is
    // Unidades').
    Ayuda = menuBar()->addMenu(tr("A&yuda"));
    Ayuda->setObjectName(QStringLiteral("Ayuda"));
    mnuManual = Ayuda->addAction(tr("&Manual"));
    mnuManual->setObjectName(QStringLiteral("mnuManual"));
    mnuAcerca = Ayuda->addAction(tr("&Acerca de VELMORANTES"));
    mnuAcerca->setObjectName(QStringLiteral("mnuAcerca"));

    connect(mnuGuardar, &QAction::triggered, this, &mdiGENERAL::mnuGuardar_Click);
    connect(mnuSalir, &QAction::triggered, this, &mdiGENERAL::mnuSalir_Click);
    connect(mnuSi, &QAction::triggered, this, &mdiGENERAL::mnuSi_Click);
    connect(mnuSingles, &QAction::triggered, this, &mdiGENERAL::mnuSingles_Click);
    connect(Velmorantes, &QAction::triggered, this, &mdiGENERAL::Velmorantes_Click);
    connect(mnuTablas, &QAction::triggered, this, &mdiGENERAL::mnuTablas_Click);
    connect(mnuConveccion, &QAction::triggered, this, &mdiGENERAL::mnuConveccion_Click);
    connect(mnuManual, &QAction::triggered, this, &mdiGENERAL::mnuManual_Click);
    connect(mnuAcerca, &QAction::triggered, this, &mdiGENERAL::mnuAcerca_Click);

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

void mdiGENERAL::mnuManual_Click() { screens_.show<frmAYUDA>(); }

void mdiGENERAL::mnuAcerca_Click() {
    messages_.information(filled(
        tr("VELMORANTES %1\n\n"
           "Calculadora de las propiedades termofísicas de los fluidos.\n\n"
           "Software libre: puede redistribuirlo y modificarlo según la Licencia Pública General de GNU, "
           "versión 3 o (a su elección) cualquier versión posterior (GPL-3.0-or-later). Se distribuye SIN "
           "NINGUNA GARANTÍA.\n\n"
           "Archivos de base de datos en uso (GASES.mdb y LIQUIDOS.mdb): %2\n\n"
           "Los datos de las propiedades proceden de las tablas de Incropera, DeWitt, Bergman y Lavine, "
           "Fundamentals of Heat and Mass Transfer (apéndice A), y, donde esas tablas no se pudieron "
           "obtener, de las ecuaciones de referencia de CoolProp; las correlaciones incorporadas se "
           "ajustaron a esos datos."),
        {QStringLiteral(VELM_VERSION), QDir::toNativeSeparators(files_.directory())}));
}

void mdiGENERAL::mnuGuardar_Click() {
    const std::optional<QString> chosen =
        saveDialog_.fileName(fileName_, tr("Archivos de texto(*.txt)"));
    if (!chosen) return;  // a cancelled dialog stays silent
    fileName_ = *chosen;
    state_.ARCHIVO.reset();
    bool replace = false;
    if (!resultsFileIsEmpty(fileName_)) {
        if (messages_.question(tr("ESTE ARCHIVO YA EXISTE ¿QUIERE SOBREESCRIBIRLO?"), tr(kSaveTitle))) {
            replace = true;
        } else {
            if (!messages_.question(tr("¿DESEA AGREGAR ESTOS RESULTADOS AL ARCHIVO?"), tr(kSaveTitle)))
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
