#pragma once
// The main window: its menus (results file, unit system, start of a calculation, exit) and
// the area that holds every other screen.

#include "ui/toolkit/ScreenRegistry.h"
#include "ui/toolkit/Toolkit.h"

#include <QCoreApplication>
#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>

#include <functional>

class mdiGENERAL : public QMainWindow, public velm::MainMenus {
public:
    Q_DECLARE_TR_FUNCTIONS(mdiGENERAL)

public:
    // Wires every screen to the application's context and the platform.
    mdiGENERAL(velm::AppContext& app, velm::Platform& platform);

    velm::ScreenRegistry& screens() { return screens_; }

    void MDIForm_Load();
    void mnuSi_Click();
    void mnuSingles_Click();
    void Velmorantes_Click();
    void mnuTablas_Click();
    void mnuConveccion_Click();
    void mnuGuardar_Click();
    void mnuSalir_Click();
    void mnuManual_Click();
    void mnuAcerca_Click();

    void setGuardarEnabled(bool enabled) override;
    void setUnidadesEnabled(bool enabled) override;

    QMdiArea* area;
    QMenu *Archivo, *Unidades, *Ayuda;
    QAction *mnuGuardar, *mnuSalir, *mnuSi, *mnuSingles, *Velmorantes, *mnuTablas, *mnuConveccion, *mnuManual, *mnuAcerca;
    // How the program ends; tests replace it.
    std::function<void()> endProgram;

private:
    void Guardar2(bool replace);

    Module1& state_;
    const velm::DatabaseFiles& files_;
    velm::MessageBoxes& messages_;
    velm::SaveDialog& saveDialog_;
    velm::ScreenRegistry screens_;
    velm::Toolkit toolkit_;
    QString fileName_;  // the file chosen last in the save dialog
};
