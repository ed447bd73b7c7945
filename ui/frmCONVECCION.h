#pragma once
// Convection coefficients: a case, a fluid and its inputs give the derivation step by step
// (property temperature, properties, Re or Gr and Ra, Pr, the correlation, Nu, h and q), and
// a sweep of one input gives a plot of h. It keeps a state of its own: it neither reads nor
// changes the calculation state, the menus or any other screen.

#include "convection/ConvectionEntry.h"
#include "engine/SweepPlot.h"
#include "ui/toolkit/ScreenRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>
#include <string>
#include <vector>

class QChartView;
class QGridLayout;

class frmCONVECCION : public velm::Screen {
    Q_OBJECT

public:
    explicit frmCONVECCION(velm::Toolkit& tk);

    void Form_Load() override;
    void Form_Activate() override;
    void cboCASO_Click();
    void cboFAMILIA_Click();
    void cboUNIDADES_Click();
    void cmdCALCULAR_Click();
    void cmdGRAFICAR_Click();
    void cmdCOPIAR_Click();
    void cmdGUARDARGRAFICA_Click();
    void cmdCERRAR_Click();

    QComboBox *cboCASO, *cboFAMILIA, *cboFLUIDO, *cboUNIDADES, *cboESCALA, *cboCONDICION, *cboCORRELACION,
        *cboVARIAR;
    QLabel *lblPRES, *lblPRESUNIDAD, *lblLONGITUD, *lblLONGITUDUNIDAD, *lblPERIMETRO, *lblPERIMETROUNIDAD,
        *lblVELOCIDAD, *lblVELOCIDADUNIDAD, *lblCONDICION, *lblCORRELACION;
    QLineEdit *txtPRES, *txtTS, *txtTINF, *txtLONGITUD, *txtPERIMETRO, *txtVELOCIDAD, *txtDESDE, *txtHASTA,
        *txtPASO;
    QPushButton *cmdCALCULAR, *cmdGRAFICAR, *cmdCOPIAR, *cmdGUARDARGRAFICA, *cmdCERRAR;
    QPlainTextEdit* txtDERIVACION;
    QChartView* chtGRAFICA;

private:
    QWidget* makeEntry();
    QWidget* makePlotSide();
    void connectHandlers();
    velm::convection::Setting setting() const;
    std::optional<velm::convection::Entry> accepted();
    void refuse(QLineEdit* box, const velm::Message& message);
    void tell(const std::vector<std::string>& warnings);
    void fillFluids();
    void fillVariables();
    void showPlot(const velm::PlotData* plot);

    std::optional<velm::PlotData> plotted_;
    QString lastPlotFile_;
};
