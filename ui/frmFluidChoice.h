#pragma once
// The two fluid screens, frmVELM2 (gases) and frmPRESENT2 (liquids): the fluid tables stored
// in the family's database file, a choice of one of them, or the table maintenance menu.

#include "correlation/Family.h"
#include "ui/toolkit/ScreenRegistry.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

class frmFluidChoice : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmFluidChoice)

public:
    struct Names {
        velm::Family family;  // whose database file is listed; its name, as the screens show it, is the title
        const char* titleLabel;
        const char* combo;
        const char* options;
    };
    frmFluidChoice(velm::Toolkit& tk, const Names& names);

    void Form_Activate() override;
    // A fluid chosen from the list, with the mouse or the arrow keys.
    void choose();
    void options();
    void cmdATRAS_Click();

    QLabel *title, *Label2;
    QComboBox* combo;
    QPushButton *cmdOPCIONES, *cmdATRAS;

protected:
    // Enter in the list's text part chooses nothing: only a pick from the list does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    velm::Family family_;
};

class frmVELM2 : public frmFluidChoice {
public:
    explicit frmVELM2(velm::Toolkit& toolkit);
    void cboOTRO_Click() { choose(); }
    void cmdAÑADIR_Click() { options(); }
};

class frmPRESENT2 : public frmFluidChoice {
public:
    explicit frmPRESENT2(velm::Toolkit& toolkit);
    void cboLIQ_Click() { choose(); }
    void cmdAÑADIRLIQ_Click() { options(); }
};
