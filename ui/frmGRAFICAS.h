#pragma once
// Tables and plots: the properties of one fluid over a range of temperatures, as a table, as a
// plot of one property, and exported to files or the clipboard. It keeps a state of its own
// (family, fluid, units, range): it neither reads nor changes the calculation state, the
// menus or any other screen.

#include "engine/Sweep.h"
#include "ui/toolkit/ScreenRegistry.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <memory>
#include <string_view>

class QChartView;

namespace velm {
class SweepModel;
}

class frmGRAFICAS : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmGRAFICAS)

public:
    explicit frmGRAFICAS(velm::Toolkit& tk);

    void Form_Load() override;
    void Form_Activate() override;
    void cboFAMILIA_Click();
    void cboUNIDADES_Click();
    void cmdCALCULAR_Click();
    void cboPROPIEDAD_Click();
    void chkLOG_Click();
    void cmdGUARDARTABLA_Click();
    void cmdGUARDARGRAFICA_Click();
    void cmdCOPIAR_Click();
    void cmdCERRAR_Click();

    QComboBox *cboFAMILIA, *cboFLUIDO, *cboUNIDADES, *cboESCALA, *cboPROPIEDAD;
    QLabel *lblPRES, *lblPRESUNIDAD, *lblRESUMEN;
    QLineEdit *txtPRES, *txtDESDE, *txtHASTA, *txtPASO;
    QPushButton *cmdCALCULAR, *cmdGUARDARTABLA, *cmdGUARDARGRAFICA, *cmdCOPIAR, *cmdCERRAR;
    QCheckBox* chkLOG;
    QTableView* grdTABLA;
    QChartView* chtGRAFICA;
    velm::SweepModel* model;

private:
    void makeTable();
    void makePlotControls();
    void layOut();
    QWidget* makeTableSide();
    QWidget* makePlotSide();
    void connectHandlers();
    QWidget* makeEntry();
    QWidget* makeLegend();
    velm::Family family() const;
    bool english() const;
    void fillFluids();
    void fillProperties(velm::Family family);
    void showTable(std::shared_ptr<const velm::SweepTable> table);
    void plot();
    void refuse(QLineEdit* box, const velm::Message& message);

    QString lastTableFile_, lastPlotFile_;
};
