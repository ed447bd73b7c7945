#include "ui/frmCONVECCION.h"

#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/UserError.h"
#include "i18n/Derivation.h"
#include "i18n/MessageText.h"
#include "i18n/Shown.h"
#include "i18n/qt/Text.h"
#include "plot/Chart.h"
#include "store/FluidStore.h"
#include "ui/PlotFile.h"
#include "ui/Screens.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>

using namespace velm;
using namespace velm::convection;

frmCONVECCION::frmCONVECCION(Toolkit& toolkit) : Screen(toolkit) {
    paintTeal(this);
    setFont(screenFont());
    txtDERIVACION = new QPlainTextEdit(this);
    txtDERIVACION->setObjectName(QStringLiteral("txtDERIVACION"));
    txtDERIVACION->setFont(boxFont());
    txtDERIVACION->setReadOnly(true);
    txtDERIVACION->setLineWrapMode(QPlainTextEdit::NoWrap);
    cmdCOPIAR = control<QPushButton>(this, "cmdCOPIAR", tr("Co&piar"));
    cmdGUARDARGRAFICA = control<QPushButton>(this, "cmdGUARDARGRAFICA", tr("Guardar grá&fica"));
    cmdCERRAR = control<QPushButton>(this, "cmdCERRAR", tr("&CERRAR"));

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(txtDERIVACION);
    split->addWidget(makePlotSide());
    split->setStretchFactor(0, 5);
    split->setStretchFactor(1, 4);
    split->setSizes({560, 440});  // the derivation's lines are long
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCOPIAR);
    buttons->addWidget(cmdGUARDARGRAFICA);
    buttons->addStretch();
    buttons->addWidget(cmdCERRAR);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeEntry());
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    // From the entry to the plot's range, then the derivation and the buttons.
    QWidget* order[] = {cmdCALCULAR, cboVARIAR, txtDESDE, txtHASTA, txtPASO, cmdGRAFICAR, txtDERIVACION, cmdCOPIAR,
                        cmdGUARDARGRAFICA, cmdCERRAR};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    // Nothing to copy or save until something is computed.
    cmdCOPIAR->setEnabled(false);
    cmdGUARDARGRAFICA->setEnabled(false);
    connectHandlers();
}

// Three rows: the case and the fluid; the temperatures, length and velocity; a tube's choices.
QWidget* frmCONVECCION::makeEntry() {
    auto* entry = new QWidget(this);
    const auto label = [entry](const char* name, const QString& caption) { return control<QLabel>(entry, name, caption); };
    cboCASO = control<QComboBox>(entry, "cboCASO");
    cboFAMILIA = control<QComboBox>(entry, "cboFAMILIA");
    cboFLUIDO = control<QComboBox>(entry, "cboFLUIDO");
    cboUNIDADES = control<QComboBox>(entry, "cboUNIDADES");
    cboESCALA = control<QComboBox>(entry, "cboESCALA");
    cboCONDICION = control<QComboBox>(entry, "cboCONDICION");
    cboCORRELACION = control<QComboBox>(entry, "cboCORRELACION");
    txtPRES = control<QLineEdit>(entry, "txtPRES");
    txtTS = control<QLineEdit>(entry, "txtTS");
    txtTINF = control<QLineEdit>(entry, "txtTINF");
    txtLONGITUD = control<QLineEdit>(entry, "txtLONGITUD");
    txtPERIMETRO = control<QLineEdit>(entry, "txtPERIMETRO");
    txtVELOCIDAD = control<QLineEdit>(entry, "txtVELOCIDAD");
    lblPRES = label("lblPRES", tr("PRESION ABSOLUTA"));
    lblPRESUNIDAD = label("lblPRESUNIDAD", QString());
    lblLONGITUD = label("lblLONGITUD", QString());
    lblLONGITUDUNIDAD = label("lblLONGITUDUNIDAD", QString());
    lblPERIMETRO = label("lblPERIMETRO", tr("PERIMETRO"));
    lblPERIMETROUNIDAD = label("lblPERIMETROUNIDAD", QString());
    lblVELOCIDAD = label("lblVELOCIDAD", tr("VELOCIDAD"));
    lblVELOCIDADUNIDAD = label("lblVELOCIDADUNIDAD", QString());
    lblCONDICION = label("lblCONDICION", tr("CONDICION EN LA PARED"));
    lblCORRELACION = label("lblCORRELACION", tr("CORRELACION (TURBULENTO)"));
    cmdCALCULAR = control<QPushButton>(entry, "cmdCALCULAR", tr("CALCULA&R"));

    for (const CaseInfo& c : cases()) cboCASO->addItem(qs(caseTitle(c.id)), int(c.id));
    listFamilies(cboFAMILIA);
    // Shown in the interface's language; the units themselves are the program's names for them.
    cboUNIDADES->addItem(tr("SI"), QString::fromLatin1(kSI));
    cboUNIDADES->addItem(tr("INGLES"), QString::fromLatin1(kEnglish));
    cboCONDICION->addItem(tr("TEMPERATURA UNIFORME"), int(WallCondition::Temperature));
    cboCONDICION->addItem(tr("FLUJO DE CALOR UNIFORME"), int(WallCondition::Flux));
    cboCORRELACION->addItem(QStringLiteral("GNIELINSKI"), int(TubeCorrelation::Gnielinski));
    cboCORRELACION->addItem(QStringLiteral("DITTUS-BOELTER"), int(TubeCorrelation::DittusBoelter));
    cboFLUIDO->setMinimumWidth(180);
    for (QLineEdit* box : {txtPRES, txtTS, txtTINF, txtLONGITUD, txtPERIMETRO, txtVELOCIDAD}) box->setFixedWidth(100);

    auto* rows = new QVBoxLayout(entry);
    rows->setContentsMargins(0, 0, 0, 0);
    const auto row = [rows](std::initializer_list<QWidget*> widgets) {
        auto* r = new QHBoxLayout;
        for (QWidget* w : widgets) r->addWidget(w);
        r->addStretch();
        rows->addLayout(r);
    };
    row({label("lblCASO", tr("CASO")), cboCASO, label("lblFAMILIA", tr("FAMILIA")), cboFAMILIA,
         label("lblFLUIDO", tr("FLUIDO")), cboFLUIDO, label("lblUNIDADES", tr("UNIDADES")), cboUNIDADES,
         label("lblESCALA", tr("ESCALA")), cboESCALA});
    row({label("lblTS", tr("TS (SUPERFICIE)")), txtTS, label("lblTINF", tr("TINF (FLUIDO)")), txtTINF, lblPRES,
         txtPRES, lblPRESUNIDAD});
    row({lblLONGITUD, txtLONGITUD, lblLONGITUDUNIDAD, lblPERIMETRO, txtPERIMETRO, lblPERIMETROUNIDAD, lblVELOCIDAD,
         txtVELOCIDAD, lblVELOCIDADUNIDAD});
    row({lblCONDICION, cboCONDICION, lblCORRELACION, cboCORRELACION, cmdCALCULAR});
    setTabOrder(cboCASO, cboFAMILIA);
    setTabOrder(cboFAMILIA, cboFLUIDO);
    setTabOrder(cboFLUIDO, cboUNIDADES);
    setTabOrder(cboUNIDADES, cboESCALA);
    setTabOrder(cboESCALA, txtTS);
    setTabOrder(txtTS, txtTINF);
    setTabOrder(txtTINF, txtPRES);
    setTabOrder(txtPRES, txtLONGITUD);
    setTabOrder(txtLONGITUD, txtPERIMETRO);
    setTabOrder(txtPERIMETRO, txtVELOCIDAD);
    setTabOrder(txtVELOCIDAD, cboCONDICION);
    setTabOrder(cboCONDICION, cboCORRELACION);
    setTabOrder(cboCORRELACION, cmdCALCULAR);
    return entry;
}

// h against one input: which, over which values, and the chart.
QWidget* frmCONVECCION::makePlotSide() {
    auto* side = new QWidget(this);
    cboVARIAR = control<QComboBox>(side, "cboVARIAR");
    txtDESDE = control<QLineEdit>(side, "txtDESDE");
    txtHASTA = control<QLineEdit>(side, "txtHASTA");
    txtPASO = control<QLineEdit>(side, "txtPASO");
    cmdGRAFICAR = control<QPushButton>(side, "cmdGRAFICAR", tr("&GRAFICAR h"));
    chtGRAFICA = new QChartView(side);
    chtGRAFICA->setObjectName(QStringLiteral("chtGRAFICA"));
    chtGRAFICA->setRenderHint(QPainter::Antialiasing);
    chtGRAFICA->setMinimumSize(360, 280);
    for (QLineEdit* box : {txtDESDE, txtHASTA, txtPASO}) box->setFixedWidth(80);

    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto caption = [side](const char* name, const QString& text) {
        auto* l = control<QLabel>(side, name);
        l->setText(text);
        return l;
    };
    auto* range = new QHBoxLayout;
    range->addWidget(caption("lblVARIAR", tr("h CONTRA")));
    range->addWidget(cboVARIAR);
    for (const auto& [name, text, box] : {std::tuple{"lblDESDE", tr("DESDE"), txtDESDE},
                                          std::tuple{"lblHASTA", tr("HASTA"), txtHASTA},
                                          std::tuple{"lblPASO", tr("PASO"), txtPASO}}) {
        range->addWidget(caption(name, text));
        range->addWidget(box);
    }
    range->addWidget(cmdGRAFICAR);
    range->addStretch();
    grid->addLayout(range, 0, 0);
    grid->addWidget(chtGRAFICA, 1, 0);
    grid->setRowStretch(1, 1);
    return side;
}

void frmCONVECCION::connectHandlers() {
    // `activated`: a choice by the user, never a change made here.
    connect(cboCASO, &QComboBox::activated, this, &frmCONVECCION::cboCASO_Click);
    connect(cboFAMILIA, &QComboBox::activated, this, &frmCONVECCION::cboFAMILIA_Click);
    connect(cboUNIDADES, &QComboBox::activated, this, &frmCONVECCION::cboUNIDADES_Click);
    connect(cmdCALCULAR, &QPushButton::clicked, this, &frmCONVECCION::cmdCALCULAR_Click);
    connect(cmdGRAFICAR, &QPushButton::clicked, this, &frmCONVECCION::cmdGRAFICAR_Click);
    connect(cmdCOPIAR, &QPushButton::clicked, this, &frmCONVECCION::cmdCOPIAR_Click);
    connect(cmdGUARDARGRAFICA, &QPushButton::clicked, this, &frmCONVECCION::cmdGUARDARGRAFICA_Click);
    connect(cmdCERRAR, &QPushButton::clicked, this, &frmCONVECCION::cmdCERRAR_Click);
}

void frmCONVECCION::Form_Load() {
    setCaption(tr("CONVECCION"));
    cboFAMILIA_Click();
    cboUNIDADES_Click();
    cboCASO_Click();
    showPlot(nullptr);
}

void frmCONVECCION::Form_Activate() {
    setTwipsGeometry(150, 150, 15600, 9600);
    fillFluids();  // tables may have been created or deleted meanwhile
    txtTS->setFocus();
}

Setting frmCONVECCION::setting() const {
    Setting s;
    s.kase = Case(cboCASO->currentData().toInt());
    s.family = chosenFamily(cboFAMILIA);
    s.fluid = chosenTitle(cboFLUIDO).toStdString();
    s.units.english = cboUNIDADES->currentData().toString() == QLatin1String(kEnglish);
    s.units.scale = cboESCALA->currentText().toStdString();
    s.wall = WallCondition(cboCONDICION->currentData().toInt());
    s.tube = TubeCorrelation(cboCORRELACION->currentData().toInt());
    return s;
}

void frmCONVECCION::fillFluids() {
    const QString chosen = chosenTitle(cboFLUIDO);
    const Family family = setting().family;
    cboFLUIDO->clear();
    try {
        for (const std::string& name : FluidStore(tk.app.files, family).listFluidTables())
            cboFLUIDO->addItem(QString::fromStdString(shownFluidName(family, name)), QString::fromStdString(name));
    } catch (const UserError& e) {
        tk.platform.messages.information(QString::fromUtf8(e.what()));
    }
    cboFLUIDO->setCurrentIndex(std::max(0, cboFLUIDO->findData(chosen)));
}

// The inputs the case has to vary, the one chosen kept where the case has it.
void frmCONVECCION::fillVariables() {
    const int chosen = cboVARIAR->currentData().isValid() ? cboVARIAR->currentData().toInt() : 0;
    const Setting s = setting();
    cboVARIAR->clear();
    for (const Variable v : {Variable::Velocity, Variable::Length, Variable::Diameter, Variable::SurfaceTemp})
        if (hasVariable(s.kase, v)) cboVARIAR->addItem(QString::fromStdString(variableHeading(v, s.units)), int(v));
    cboVARIAR->setCurrentIndex(std::max(0, cboVARIAR->findData(chosen)));
}

// The boxes of the inputs the case takes, as the cases' table says. A horizontal plate's length
// box holds its area, beside its perimeter.
void frmCONVECCION::cboCASO_Click() {
    const CaseInfo& c = info(setting().kase);
    const bool area = c.takes(Input::AreaAndPerimeter);
    lblLONGITUD->setText(c.takes(Input::Diameter) ? tr("DIAMETRO") : area ? tr("AREA") : tr("LONGITUD"));
    const auto show = [](std::initializer_list<QWidget*> widgets, bool shown) {
        for (QWidget* w : widgets) w->setVisible(shown);
    };
    show({lblPERIMETRO, txtPERIMETRO, lblPERIMETROUNIDAD}, area);
    show({lblVELOCIDAD, txtVELOCIDAD, lblVELOCIDADUNIDAD}, c.takes(Input::Velocity));
    show({lblCONDICION, cboCONDICION}, c.takes(Input::TubeCondition));
    show({lblCORRELACION, cboCORRELACION}, c.takes(Input::TubeCorrelation));
    cboUNIDADES_Click();
}

void frmCONVECCION::cboFAMILIA_Click() {
    fillFluids();
    const bool gas = setting().family == Family::Gases;
    for (QWidget* w : std::initializer_list<QWidget*>{lblPRES, txtPRES, lblPRESUNIDAD}) w->setVisible(gas);
}

void frmCONVECCION::cboUNIDADES_Click() {
    const bool english = cboUNIDADES->currentData().toString() == QLatin1String(kEnglish);
    const QString scale = cboESCALA->currentText();
    cboESCALA->clear();
    if (english) cboESCALA->addItem(QStringLiteral("ºF"));
    else cboESCALA->addItems({QStringLiteral("K"), QStringLiteral("ºC")});
    cboESCALA->setCurrentIndex(std::max(0, cboESCALA->findText(scale)));
    const Units units = setting().units;
    const bool plate = info(setting().kase).takes(Input::AreaAndPerimeter);
    const auto inBrackets = [](const QString& unit) { return QLatin1Char('(') + unit + QLatin1Char(')'); };
    lblPRESUNIDAD->setText(english ? QStringLiteral("(psi)") : QStringLiteral("(KPa)"));
    lblLONGITUDUNIDAD->setText(inBrackets(qs(plate ? areaUnit(units) : lengthUnit(units))));
    lblPERIMETROUNIDAD->setText(inBrackets(qs(lengthUnit(units))));
    lblVELOCIDADUNIDAD->setText(inBrackets(qs(velocityUnit(units))));
    fillVariables();
}

void frmCONVECCION::refuse(QLineEdit* box, const Message& message) {
    tk.platform.messages.information(QString::fromStdString(messageText(message)));
    box->clear();
    box->setFocus();
}

// Every warning of one calculation in one box.
void frmCONVECCION::tell(const std::vector<std::string>& warnings) {
    QStringList texts;
    for (const std::string& w : warnings) texts << QString::fromStdString(w);
    if (!texts.isEmpty()) tk.platform.messages.information(texts.join(QLatin1Char('\n')));
}

// The entries accepted, or the first refused with its message and an emptied box.
std::optional<Entry> frmCONVECCION::accepted() {
    const Setting s = setting();
    EntryTexts t{txtTS->text().toStdString(),        txtTINF->text().toStdString(),
                 txtLONGITUD->text().toStdString(),  txtPERIMETRO->text().toStdString(),
                 txtVELOCIDAD->text().toStdString(), txtPRES->text().toStdString()};
    // A horizontal plate's box holds its area: the perimeter is asked for too.
    if (!info(s.kase).takes(Input::AreaAndPerimeter)) t.perimeter.clear();
    else if (t.perimeter.empty()) t.perimeter.assign(1, ' ');  // refused as no number
    const Entry e = acceptEntry(s, t, regionalDecimalComma());
    QLineEdit* box = nullptr;
    switch (e.refused) {
        case Field::None: return e;
        case Field::Surface: box = txtTS; break;
        case Field::Fluid: box = txtTINF; break;
        case Field::Length: box = txtLONGITUD; break;
        case Field::Perimeter: box = txtPERIMETRO; break;
        case Field::Velocity: box = txtVELOCIDAD; break;
        case Field::Pressure: box = txtPRES; break;
    }
    refuse(box, e.message);
    return std::nullopt;
}

void frmCONVECCION::cmdCALCULAR_Click() {
    txtDERIVACION->clear();
    cmdCOPIAR->setEnabled(false);
    const std::optional<Entry> e = accepted();
    if (!e) return;
    const Setting s = setting();
    StorePointSource source(tk.app.files);
    FluidProperties fluid(s.family, s.fluid, e->pressure, source);
    const Outcome o = calculate(fluid, e->inputs);
    if (o.stop != Stop::None) {
        tk.platform.messages.information(QString::fromStdString(messageText(o.message)));
        return;
    }
    txtDERIVACION->setPlainText(QString::fromStdString(derivationText({s, e->inputs, e->pressure, &o.result})));
    cmdCOPIAR->setEnabled(true);
    // What this calculation met, in order.
    std::vector<std::string> warnings;
    for (const Message& w : o.result.warnings) warnings.push_back(messageText(w));
    tell(warnings);
}

void frmCONVECCION::cmdGRAFICAR_Click() {
    const std::optional<Entry> e = accepted();
    if (!e) return showPlot(nullptr);
    const RangeEntry range = acceptRange(txtDESDE->text().toStdString(), txtHASTA->text().toStdString(),
                                         txtPASO->text().toStdString(), regionalDecimalComma());
    switch (range.refused) {
        case RangeField::From: showPlot(nullptr); return refuse(txtDESDE, range.message);
        case RangeField::To: showPlot(nullptr); return refuse(txtHASTA, range.message);
        case RangeField::Step: showPlot(nullptr); return refuse(txtPASO, range.message);
        case RangeField::None: break;
    }
    const Setting s = setting();
    StorePointSource source(tk.app.files);
    FluidProperties fluid(s.family, s.fluid, e->pressure, source);
    tk.platform.busy.setBusy(true);
    const Sweep sweep = runSweep(fluid, e->inputs, Variable(cboVARIAR->currentData().toInt()), range.values, s.units);
    tk.platform.busy.setBusy(false);
    if (sweep.stop != Stop::None) {
        showPlot(nullptr);
        tk.platform.messages.information(QString::fromStdString(messageText(sweep.message)));
        return;
    }
    const PlotData plot = shownPlotData(s, sweep);
    showPlot(&plot);
    tell(distinctTexts(sweep.warnings));
}

void frmCONVECCION::showPlot(const PlotData* plot) {
    QChart* old = chtGRAFICA->chart();
    plotted_.reset();
    if (plot) plotted_ = *plot;
    chtGRAFICA->setChart(plot ? makeChart(*plot) : new QChart);
    delete old;  // the view lets go of the chart it showed
    cmdGUARDARGRAFICA->setEnabled(plot != nullptr);
}

void frmCONVECCION::cmdCOPIAR_Click() { tk.platform.clipboard.setText(txtDERIVACION->toPlainText()); }

void frmCONVECCION::cmdGUARDARGRAFICA_Click() {
    if (!plotted_) return;
    savePlotAs(tk, lastPlotFile_, {tr("Imagen PNG (*.png)"), tr("Imagen SVG (*.svg)")},
               [this] { return *plotted_; }, chtGRAFICA->size());
}

void frmCONVECCION::cmdCERRAR_Click() { tk.screens.hide(objectName()); }
