#pragma once
// The property screen: temperature and pressure entry, the evaluation, the results.

#include "ui/toolkit/ScreenRegistry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

class frmVELM1 : public velm::Screen {
public:
    explicit frmVELM1(velm::Toolkit& tk);

    void Form_Activate() override;
    void cmdACEPTAR_Click();
    void cmdPRES_Click();
    void cmdMOSTRAR_Click();
    void cmdNUEVA_Click();
    void cmdOTRO_Click();
    void cmdSALIR_Click();

    // "SI" while the accepted temperature lies inside the built-in fluid's range.
    std::string ENRANGO = "SI";

    QLabel *Label2, *Label16, *Label17;
    QLineEdit *txtTEMP, *txtPRES;
    QComboBox* Combo1;
    QPushButton *cmdACEPTAR, *cmdPRES, *cmdMOSTRAR, *cmdNUEVA, *cmdOTRO, *cmdSALIR;
    QGroupBox* Frame2;
    QLabel *Label4, *Label3, *Label5, *Label6, *Label7, *Label9, *Label8, *Label19;
    QLabel *Label14, *Label15, *Label10, *Label11, *Label12, *Label13, *Label20;
    QLineEdit *txtDEN, *txtCP, *txtVAB, *txtVCI, *txtCOT, *txtALFA, *txtNUM, *txtBETA;

private:
    void refuse(QLineEdit* box, QPushButton* button, std::string_view message);
    void emptyResults();
    bool liquids() const;
};
