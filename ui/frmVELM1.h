#pragma once
// The property screen: temperature and pressure entry, the evaluation, the results.

#include "engine/Message.h"
#include "engine/Properties.h"
#include "ui/toolkit/ScreenRegistry.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <string>
#include <string_view>

class frmVELM1 : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmVELM1)

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
    // A row of Frame2 per property, in property order: its name (Label4 …), its result box
    // (txtDEN …) and its unit (Label14 …; PR has none).
    std::array<QLabel*, velm::kPropertyCount> resultName{};
    std::array<QLineEdit*, velm::kPropertyCount> resultBox{};
    std::array<QLabel*, velm::kPropertyCount> resultUnit{};

private:
    void makeResultRows();
    void layOut();
    void refuse(QLineEdit* box, QPushButton* button, const velm::Message& message);
    void showResults(const std::vector<std::string>& texts);
    void emptyResults();
    bool liquids() const;
};
