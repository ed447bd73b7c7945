#include "ui/frmGRAFICAS.h"

#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "i18n/MessageText.h"
#include "i18n/Shown.h"
#include "store/StoreMessages.h"
#include "engine/SweepPlot.h"
#include "engine/SweepText.h"
#include "engine/UserError.h"
#include "plot/Chart.h"
#include "store/FluidStore.h"
#include "store/ResultsFile.h"
#include "ui/PlotFile.h"
#include "ui/Screens.h"
#include "ui/SweepModel.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>

using namespace velm;

frmGRAFICAS::frmGRAFICAS(Toolkit& toolkit) : Screen(toolkit) {
    paintTeal(this);
    setFont(screenFont());
    model = new SweepModel(this);
    makeTable();
    makePlotControls();
    cmdGUARDARTABLA = control<QPushButton>(this, "cmdGUARDARTABLA", tr("Guar&dar tabla"));
    cmdGUARDARGRAFICA = control<QPushButton>(this, "cmdGUARDARGRAFICA", tr("Guardar grá&fica"));
    cmdCOPIAR = control<QPushButton>(this, "cmdCOPIAR", tr("Co&piar"));
    cmdCERRAR = control<QPushButton>(this, "cmdCERRAR", tr("&CERRAR"));
    layOut();

    // Nothing to save or copy until a table is computed.
    for (QWidget* w : std::initializer_list<QWidget*>{cmdGUARDARTABLA, cmdGUARDARGRAFICA, cmdCOPIAR})
        w->setEnabled(false);
    // From the range to the plot's choices, then the table and the buttons.
    setTabOrder(cmdCALCULAR, cboPROPIEDAD);
    setTabOrder(cboPROPIEDAD, chkLOG);
    setTabOrder(chkLOG, grdTABLA);
    setTabOrder(grdTABLA, cmdGUARDARTABLA);
    connectHandlers();
}

void frmGRAFICAS::makeTable() {
    grdTABLA = new QTableView(this);
    grdTABLA->setObjectName(QStringLiteral("grdTABLA"));
    grdTABLA->setFont(boxFont());
    grdTABLA->setModel(model);
    grdTABLA->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTABLA->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTABLA->verticalHeader()->hide();
    // Rows of one height, known without asking every row: a hundred thousand stay quick.
    grdTABLA->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdTABLA->verticalHeader()->setDefaultSectionSize(grdTABLA->fontMetrics().height() + 4);
    lblRESUMEN = control<QLabel>(this, "lblRESUMEN");
    lblRESUMEN->setWordWrap(true);
}

void frmGRAFICAS::makePlotControls() {
    cboPROPIEDAD = control<QComboBox>(this, "cboPROPIEDAD");
    chkLOG = new QCheckBox(tr("ESCALA LOGAR&ITMICA"), this);
    chkLOG->setObjectName(QStringLiteral("chkLOG"));
    chtGRAFICA = new QChartView(this);
    chtGRAFICA->setObjectName(QStringLiteral("chtGRAFICA"));
    chtGRAFICA->setRenderHint(QPainter::Antialiasing);
    chtGRAFICA->setMinimumSize(360, 280);
}

// The entry above, the table and the plot side by side, the buttons below.
void frmGRAFICAS::layOut() {
    QWidget* tableSide = makeTableSide();
    QWidget* plotSide = makePlotSide();
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(tableSide);
    split->addWidget(plotSide);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 5);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdGUARDARTABLA, cmdGUARDARGRAFICA, cmdCOPIAR}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdCERRAR);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeEntry());
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
}

// The table, the colours' legend and the summary, one above the other.
QWidget* frmGRAFICAS::makeTableSide() {
    auto* tableSide = new QWidget(this);
    auto* tableLayout = new QVBoxLayout(tableSide);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(grdTABLA, 1);
    tableLayout->addWidget(makeLegend());
    tableLayout->addWidget(lblRESUMEN);
    return tableSide;
}

// The property and the scale chosen above the chart.
QWidget* frmGRAFICAS::makePlotSide() {
    auto* plotSide = new QWidget(this);
    auto* plotLayout = new QGridLayout(plotSide);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    plotLayout->addWidget(control<QLabel>(this, "lblPROPIEDAD", tr("PROPIEDAD")), 0, 0);
    plotLayout->addWidget(cboPROPIEDAD, 0, 1);
    plotLayout->addWidget(chkLOG, 0, 2);
    plotLayout->addWidget(chtGRAFICA, 1, 0, 1, 3);
    plotLayout->setColumnStretch(1, 1);
    plotLayout->setRowStretch(1, 1);
    return plotSide;
}

void frmGRAFICAS::connectHandlers() {
    // `activated`: a choice by the user, never a change made here.
    connect(cboFAMILIA, &QComboBox::activated, this, &frmGRAFICAS::cboFAMILIA_Click);
    connect(cboUNIDADES, &QComboBox::activated, this, &frmGRAFICAS::cboUNIDADES_Click);
    connect(cboPROPIEDAD, &QComboBox::activated, this, &frmGRAFICAS::cboPROPIEDAD_Click);
    connect(chkLOG, &QCheckBox::clicked, this, &frmGRAFICAS::chkLOG_Click);
    connect(cmdCALCULAR, &QPushButton::clicked, this, &frmGRAFICAS::cmdCALCULAR_Click);
    connect(cmdGUARDARTABLA, &QPushButton::clicked, this, &frmGRAFICAS::cmdGUARDARTABLA_Click);
    connect(cmdGUARDARGRAFICA, &QPushButton::clicked, this, &frmGRAFICAS::cmdGUARDARGRAFICA_Click);
    connect(cmdCOPIAR, &QPushButton::clicked, this, &frmGRAFICAS::cmdCOPIAR_Click);
    connect(cmdCERRAR, &QPushButton::clicked, this, &frmGRAFICAS::cmdCERRAR_Click);
}

QWidget* frmGRAFICAS::makeEntry() {
    auto* entry = new QWidget(this);
    cboFAMILIA = control<QComboBox>(entry, "cboFAMILIA");
    cboFLUIDO = control<QComboBox>(entry, "cboFLUIDO");
    cboUNIDADES = control<QComboBox>(entry, "cboUNIDADES");
    cboESCALA = control<QComboBox>(entry, "cboESCALA");
    lblPRES = control<QLabel>(entry, "lblPRES", tr("PRESION ABSOLUTA"));
    txtPRES = control<QLineEdit>(entry, "txtPRES");
    lblPRESUNIDAD = control<QLabel>(entry, "lblPRESUNIDAD", "(KPa)");
    txtDESDE = control<QLineEdit>(entry, "txtDESDE");
    txtHASTA = control<QLineEdit>(entry, "txtHASTA");
    txtPASO = control<QLineEdit>(entry, "txtPASO");
    cmdCALCULAR = control<QPushButton>(entry, "cmdCALCULAR", tr("CALCULA&R"));
    listFamilies(cboFAMILIA);
    // Shown in the interface's language; the unit system itself is the item's data.
    cboUNIDADES->addItem(tr("SI"), QString::fromLatin1(kSI));
    cboUNIDADES->addItem(tr("INGLES"), QString::fromLatin1(kEnglish));

    // Two rows: what is computed, then over which temperatures.
    auto* rows = new QVBoxLayout(entry);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* what = new QHBoxLayout;
    auto* range = new QHBoxLayout;
    rows->addLayout(what);
    rows->addLayout(range);
    const auto add = [entry](QHBoxLayout* row, const char* caption, QWidget* box) {
        const QByteArray name = QByteArray("lbl") + caption;
        row->addWidget(control<QLabel>(entry, name.constData(), tr(caption)));
        row->addWidget(box);
        row->addSpacing(12);
    };
    cboFLUIDO->setMinimumWidth(180);
    add(what, QT_TRANSLATE_NOOP("frmGRAFICAS", "FAMILIA"), cboFAMILIA);
    add(what, QT_TRANSLATE_NOOP("frmGRAFICAS", "FLUIDO"), cboFLUIDO);
    add(what, QT_TRANSLATE_NOOP("frmGRAFICAS", "UNIDADES"), cboUNIDADES);
    add(what, QT_TRANSLATE_NOOP("frmGRAFICAS", "ESCALA"), cboESCALA);
    what->addWidget(lblPRES);
    what->addWidget(txtPRES);
    what->addWidget(lblPRESUNIDAD);
    what->addStretch();
    for (QLineEdit* box : {txtPRES, txtDESDE, txtHASTA, txtPASO}) box->setFixedWidth(100);
    add(range, QT_TRANSLATE_NOOP("frmGRAFICAS", "DESDE"), txtDESDE);
    add(range, QT_TRANSLATE_NOOP("frmGRAFICAS", "HASTA"), txtHASTA);
    add(range, QT_TRANSLATE_NOOP("frmGRAFICAS", "PASO"), txtPASO);
    range->addWidget(cmdCALCULAR);
    range->addStretch();
    setTabOrder(cboFAMILIA, cboFLUIDO);
    setTabOrder(cboFLUIDO, cboUNIDADES);
    setTabOrder(cboUNIDADES, cboESCALA);
    setTabOrder(cboESCALA, txtDESDE);
    setTabOrder(txtDESDE, txtHASTA);
    setTabOrder(txtHASTA, txtPASO);
    setTabOrder(txtPASO, txtPRES);
    setTabOrder(txtPRES, cmdCALCULAR);
    return entry;
}

QWidget* frmGRAFICAS::makeLegend() {
    auto* legend = new QWidget(this);
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    for (const RowSource s : {RowSource::Correlation, RowSource::TablePoint, RowSource::Interpolated,
                              RowSource::Extrapolated}) {
        auto* key = new QLabel(QCoreApplication::translate("velm::sweep", sourceText(s).data()), legend);
        key->setFont(boxFont());
        key->setAutoFillBackground(true);
        key->setContentsMargins(6, 1, 6, 1);
        QPalette p = key->palette();
        p.setColor(QPalette::Window, SweepModel::colourOf(s));
        p.setColor(QPalette::WindowText, Qt::black);
        key->setPalette(p);
        row->addWidget(key);
    }
    row->addStretch();
    return legend;
}

Family frmGRAFICAS::family() const {
    return chosenFamily(cboFAMILIA);
}

bool frmGRAFICAS::english() const { return cboUNIDADES->currentData().toString() == QLatin1String(kEnglish); }

void frmGRAFICAS::Form_Load() {
    setCaption(tr("TABLAS Y GRAFICAS"));
    cboFAMILIA_Click();
    cboUNIDADES_Click();
    plot();
}

void frmGRAFICAS::Form_Activate() {
    setTwipsGeometry(150, 150, 15600, 9600);
    fillFluids();  // tables may have been created or deleted meanwhile
    txtDESDE->setFocus();
}

void frmGRAFICAS::fillFluids() {
    const QString chosen = chosenTitle(cboFLUIDO);
    cboFLUIDO->clear();
    try {
        for (const std::string& name : FluidStore(tk.app.files, family()).listFluidTables())
            cboFLUIDO->addItem(QString::fromStdString(shownFluidName(family(), name)), QString::fromStdString(name));
    } catch (const UserError& e) {
        tk.platform.messages.information(QString::fromUtf8(e.what()));
    }
    cboFLUIDO->setCurrentIndex(std::max(0, cboFLUIDO->findData(chosen)));
}

// The properties of the family, by their headings; the one chosen stays chosen.
void frmGRAFICAS::fillProperties(Family f) {
    const int chosen = cboPROPIEDAD->currentData().isValid() ? cboPROPIEDAD->currentData().toInt() : 0;
    cboPROPIEDAD->clear();
    const SweepTable* t = model->table().get();
    const bool inEnglish = t ? t->request.english : english();
    for (const PropertyInfo& p : propertiesOf(f))
        cboPROPIEDAD->addItem(QString::fromStdString(shownHeading(p, inEnglish)), int(index(p.id)));
    cboPROPIEDAD->setCurrentIndex(std::max(0, cboPROPIEDAD->findData(chosen)));
}

void frmGRAFICAS::cboFAMILIA_Click() {
    fillFluids();
    const bool gas = family() == Family::Gases;
    for (QWidget* w : std::initializer_list<QWidget*>{lblPRES, txtPRES, lblPRESUNIDAD}) w->setVisible(gas);
    if (!model->table()) fillProperties(family());  // until a table shows its own
}

void frmGRAFICAS::cboUNIDADES_Click() {
    cboESCALA->clear();
    if (english()) cboESCALA->addItem(QStringLiteral("ºF"));
    else cboESCALA->addItems({QStringLiteral("K"), QStringLiteral("ºC")});
    cboESCALA->setCurrentIndex(0);
    lblPRESUNIDAD->setText(english() ? QStringLiteral("(psi)") : QStringLiteral("(KPa)"));
    if (!model->table()) fillProperties(family());
}

void frmGRAFICAS::refuse(QLineEdit* box, const Message& message) {
    showTable(nullptr);
    tk.platform.messages.information(QString::fromStdString(messageText(message)));
    box->clear();
    box->setFocus();
}

void frmGRAFICAS::cmdCALCULAR_Click() {
    const SweepEntry entry = acceptSweep(
        family(), chosenTitle(cboFLUIDO).toStdString(), english(), cboESCALA->currentText().toStdString(),
        {txtDESDE->text().toStdString(), txtHASTA->text().toStdString(), txtPASO->text().toStdString(),
         txtPRES->text().toStdString()},
        regionalDecimalComma());
    switch (entry.refused) {
        case SweepField::From: return refuse(txtDESDE, entry.message);
        case SweepField::To: return refuse(txtHASTA, entry.message);
        case SweepField::Step: return refuse(txtPASO, entry.message);
        case SweepField::Pressure: return refuse(txtPRES, entry.message);
        case SweepField::None: break;
    }
    StorePointSource source(tk.app.files);
    tk.platform.busy.setBusy(true);
    auto table = std::make_shared<const SweepTable>(runSweep(entry.request, source));
    tk.platform.busy.setBusy(false);
    if (table->stop != SweepStop::None) {
        // The table cannot give this range: its message once, and no rows.
        showTable(nullptr);
        tk.platform.messages.information(QString::fromStdString(messageText(table->stopMessage)));
        return;
    }
    showTable(std::move(table));
}

void frmGRAFICAS::showTable(std::shared_ptr<const SweepTable> table) {
    const bool rows = table && table->rows() > 0;
    const Family f = table ? table->request.family : family();
    lblRESUMEN->setText(table ? QString::fromStdString(summaryText(*table)) : QString());
    model->setTable(std::move(table));
    fillProperties(f);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdGUARDARTABLA, cmdGUARDARGRAFICA, cmdCOPIAR})
        w->setEnabled(rows);
    plot();
}

void frmGRAFICAS::plot() {
    QChart* old = chtGRAFICA->chart();
    const SweepTable* t = model->table().get();
    if (t && t->rows() > 0) {
        const auto property = Property(cboPROPIEDAD->currentData().toInt());
        chtGRAFICA->setChart(makeChart(shownPlotData(*t, property, chkLOG->isChecked())));
    } else {
        chtGRAFICA->setChart(new QChart);
    }
    delete old;  // the view lets go of the chart it showed
}

void frmGRAFICAS::cboPROPIEDAD_Click() { plot(); }
void frmGRAFICAS::chkLOG_Click() { plot(); }

void frmGRAFICAS::cmdGUARDARTABLA_Click() {
    const SweepTable* t = model->table().get();
    if (!t) return;
    const std::optional<ExportDialog::Choice> choice = tk.platform.exportDialog.exportFile(
        lastTableFile_, {tr("Tabla CSV (*.csv)"), tr("Archivo de resultados (*.txt)")});
    if (!choice) return;
    const std::optional<FileOfKind> file = fileToWrite(tk, *choice, {QStringLiteral(".csv"), QStringLiteral(".txt")});
    if (!file) return;
    lastTableFile_ = file->fileName;
    if (!writeWholeFile(lastTableFile_, file->kind == 0 ? csvText(*t) : resultsFileText(*t)))
        tk.platform.messages.information(
            QString::fromStdString(msg::cannotSaveTable(QDir::toNativeSeparators(lastTableFile_).toStdString())));
}

void frmGRAFICAS::cmdGUARDARGRAFICA_Click() {
    const SweepTable* t = model->table().get();
    if (!t) return;
    savePlotAs(
        tk, lastPlotFile_, {tr("Imagen PNG (*.png)"), tr("Imagen SVG (*.svg)")},
        [&] { return shownPlotData(*t, Property(cboPROPIEDAD->currentData().toInt()), chkLOG->isChecked()); },
        chtGRAFICA->size());
}

void frmGRAFICAS::cmdCOPIAR_Click() {
    if (const SweepTable* t = model->table().get())
        tk.platform.clipboard.setText(QString::fromStdString(tsvText(*t, regionalDecimalComma())));
}

void frmGRAFICAS::cmdCERRAR_Click() { tk.screens.hide(objectName()); }
