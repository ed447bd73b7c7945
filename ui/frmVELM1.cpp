#include "ui/frmVELM1.h"

#include "engine/Entry.h"
#include "engine/Evaluation.h"
#include "store/FluidStore.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/MessageNotifier.h"
#include "engine/Messages.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace velm;

namespace {

QLineEdit* resultBox(QWidget* parent, const char* name) {
    auto* box = control<QLineEdit>(parent, name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

frmVELM1::frmVELM1(Toolkit& toolkit) : Screen(toolkit, QStringLiteral("frmVELM1")) {
    paintTeal(this);
    setFont(screenFont());

    Label2 = control<QLabel>(this, "Label2", "TEMPERATURA");
    txtTEMP = control<QLineEdit>(this, "txtTEMP");
    Combo1 = control<QComboBox>(this, "Combo1");
    cmdACEPTAR = control<QPushButton>(this, "cmdACEPTAR", "&ACEPTAR");
    Label16 = control<QLabel>(this, "Label16", "PRESION ABSOLUTA");
    txtPRES = control<QLineEdit>(this, "txtPRES");
    Label17 = control<QLabel>(this, "Label17", "(KPa)");
    cmdPRES = control<QPushButton>(this, "cmdPRES", "A&CEPTAR");
    cmdMOSTRAR = control<QPushButton>(this, "cmdMOSTRAR", "&MOSTRAR VELMORANTES");
    cmdNUEVA = control<QPushButton>(this, "cmdNUEVA", "&NUEVA TEMPERATURA");
    cmdOTRO = control<QPushButton>(this, "cmdOTRO", "&OTRO FLUIDO");
    cmdSALIR = control<QPushButton>(this, "cmdSALIR", "&TERMINAR");
    Frame2 = control<QGroupBox>(this, "Frame2");
    Frame2->setTitle(QStringLiteral("Resultados"));

    struct Row {
        QLabel** name;
        const char* nameObject;
        const char* caption;
        QLineEdit** box;
        const char* boxObject;
        QLabel** unit;
        const char* unitObject;
        const char* siUnit;
    };
    const Row rows[] = {
        {&Label4, "Label4", "Densidad =", &txtDEN, "txtDEN", &Label14, "Label14", "Kg/m^3"},
        {&Label3, "Label3", "Calor Específico =", &txtCP, "txtCP", &Label15, "Label15", "KJ/(Kg.K)"},
        {&Label5, "Label5", "Viscosidad Abs. =", &txtVAB, "txtVAB", &Label10, "Label10", "Pa.s"},
        {&Label6, "Label6", "Viscosidad Cin. =", &txtVCI, "txtVCI", &Label11, "Label11", "m^2/s"},
        {&Label7, "Label7", "Cond. Térmica  =", &txtCOT, "txtCOT", &Label12, "Label12", "W/(m.K)"},
        {&Label9, "Label9", "Difusividad Térm. =", &txtALFA, "txtALFA", &Label13, "Label13", "m^2/s"},
        {&Label8, "Label8", "# de Prandtl  =", &txtNUM, "txtNUM", nullptr, nullptr, nullptr},
        {&Label19, "Label19", "Coef. de Expansión =", &txtBETA, "txtBETA", &Label20, "Label20", "1/K"},
    };
    auto* results = new QGridLayout(Frame2);
    results->setVerticalSpacing(2);
    int r = 0;
    for (const Row& row : rows) {
        *row.name = control<QLabel>(Frame2, row.nameObject, row.caption);
        (*row.name)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *row.box = resultBox(Frame2, row.boxObject);
        results->addWidget(*row.name, r, 0);
        results->addWidget(*row.box, r, 1);
        if (row.unit) {
            *row.unit = control<QLabel>(Frame2, row.unitObject, row.siUnit);
            results->addWidget(*row.unit, r, 2);
        }
        ++r;
    }
    results->setColumnStretch(1, 1);

    auto* entry = new QGridLayout;
    entry->addWidget(Label2, 0, 0);
    entry->addWidget(txtTEMP, 0, 1);
    entry->addWidget(Combo1, 0, 2);
    entry->addWidget(cmdACEPTAR, 0, 3);
    entry->addWidget(Label16, 1, 0);
    entry->addWidget(txtPRES, 1, 1);
    entry->addWidget(Label17, 1, 2);
    entry->addWidget(cmdPRES, 1, 3);
    entry->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdMOSTRAR, cmdNUEVA, cmdOTRO, cmdSALIR}) buttons->addWidget(b);
    buttons->addStretch();

    auto* lower = new QHBoxLayout;
    lower->addWidget(Frame2, 1);
    lower->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addLayout(lower, 1);

    // Start state: awaiting the temperature.
    for (QWidget* w : std::initializer_list<QWidget*>{txtPRES, cmdPRES, cmdMOSTRAR, cmdNUEVA, cmdOTRO})
        w->setEnabled(false);

    connect(cmdACEPTAR, &QPushButton::clicked, this, &frmVELM1::cmdACEPTAR_Click);
    connect(cmdPRES, &QPushButton::clicked, this, &frmVELM1::cmdPRES_Click);
    connect(cmdMOSTRAR, &QPushButton::clicked, this, &frmVELM1::cmdMOSTRAR_Click);
    connect(cmdNUEVA, &QPushButton::clicked, this, &frmVELM1::cmdNUEVA_Click);
    connect(cmdOTRO, &QPushButton::clicked, this, &frmVELM1::cmdOTRO_Click);
    connect(cmdSALIR, &QPushButton::clicked, this, &frmVELM1::cmdSALIR_Click);
}

bool frmVELM1::liquids() const { return tk.state.FAMILIA == kLiquids; }

void frmVELM1::Form_Activate() {
    setCaption(QString::fromStdString(tk.state.FLUIDO.value_or("")));
    setTwipsGeometry(1500, 1000, 8805, 6675);

    Combo1->clear();
    if (tk.state.UNIDADES == kSI) {
        Combo1->addItems({QStringLiteral("K"), QStringLiteral("ºC")});
    } else {
        Combo1->addItem(QStringLiteral("ºF"));
        Label14->setText(QStringLiteral("Lb/pie^3"));
        Label15->setText(QStringLiteral("Btu/(Lb.ºF)"));
        Label17->setText(QStringLiteral("(psi)"));
        Label10->setText(QStringLiteral("Lbf.s/pie^2"));
        Label11->setText(QStringLiteral("pie^2/s"));
        Label12->setText(QStringLiteral("Btu/(h.pie.ºF)"));
        Label13->setText(QStringLiteral("pie^2/s"));
        Label20->setText(QStringLiteral("1/ºF"));
    }
    Combo1->setCurrentIndex(0);
    txtTEMP->setFocus();

    const bool liquid = liquids();
    for (QWidget* w : std::initializer_list<QWidget*>{Label16, txtPRES, cmdPRES, Label17})
        w->setVisible(!liquid);
    for (QWidget* w : std::initializer_list<QWidget*>{Label19, Label20, txtBETA})
        w->setVisible(liquid);
}

void frmVELM1::refuse(QLineEdit* box, QPushButton* button, std::string_view message) {
    tk.messages.information(utf8(message));
    box->setEnabled(true);
    button->setEnabled(true);
    box->clear();
    box->setFocus();
}

void frmVELM1::cmdACEPTAR_Click() {
    const TemperatureAcceptance a = acceptTemperature(
        tk.state, txtTEMP->text().toStdString(), Combo1->currentText().toStdString(),
        regionalDecimalComma());
    ENRANGO = a.ENRANGO;
    if (a.outcome == TemperatureOutcome::NotANumber) return refuse(txtTEMP, cmdACEPTAR, msg::kNotANumber);
    if (a.outcome == TemperatureOutcome::DoesNotExist)
        return refuse(txtTEMP, cmdACEPTAR, msg::kTemperatureDoesNotExist);
    if (!a.warning.empty()) tk.messages.information(QString::fromStdString(a.warning));

    if (!liquids()) {
        txtPRES->setEnabled(true);
        cmdPRES->setEnabled(true);
        txtTEMP->setEnabled(false);
        txtPRES->setFocus();
    } else {
        cmdMOSTRAR->setEnabled(true);
        txtTEMP->setEnabled(false);
    }
    cmdACEPTAR->setEnabled(false);
}

void frmVELM1::cmdPRES_Click() {
    txtPRES->setEnabled(false);
    cmdPRES->setEnabled(false);
    const PressureOutcome p = acceptPressure(tk.state, txtPRES->text().toStdString(), regionalDecimalComma());
    if (p == PressureOutcome::Accepted) {
        cmdMOSTRAR->setEnabled(true);
        return;
    }
    cmdMOSTRAR->setEnabled(false);
    refuse(txtPRES, cmdPRES, p == PressureOutcome::NotANumber ? msg::kNotANumber : msg::kNegativePressure);
}

void frmVELM1::cmdMOSTRAR_Click() {
    StorePointSource source(tk.files);
    MessageNotifier notifier(tk.messages);
    const Evaluation e = runEvaluation(tk.state, ENRANGO, source, notifier);
    switch (e.outcome) {
        case EvaluationOutcome::Shown: {
            tk.menus.setGuardarEnabled(true);
            const std::pair<QLineEdit*, const std::string*> boxes[] = {
                {txtDEN, &e.texts.txtDEN},   {txtCP, &e.texts.txtCP},     {txtVAB, &e.texts.txtVAB},
                {txtVCI, &e.texts.txtVCI},   {txtCOT, &e.texts.txtCOT},   {txtALFA, &e.texts.txtALFA},
                {txtNUM, &e.texts.txtNUM}};
            for (const auto& [box, text] : boxes) box->setText(QString::fromStdString(*text));
            if (e.texts.txtBETA) txtBETA->setText(QString::fromStdString(*e.texts.txtBETA));
            break;
        }
        case EvaluationOutcome::TooFewPoints:
            // Nothing to show from this table: back to the choice of a family.
            txtTEMP->clear();
            txtPRES->clear();
            txtTEMP->setEnabled(true);
            cmdACEPTAR->setEnabled(true);
            tk.screens.hide(objectName());
            tk.screens.show(QStringLiteral("frmPRESENT"));
            break;
        case EvaluationOutcome::ZeroPressure:
            // Back to awaiting a pressure the gas can be evaluated at.
            cmdMOSTRAR->setEnabled(false);
            txtPRES->setEnabled(true);
            cmdPRES->setEnabled(true);
            txtPRES->clear();
            txtPRES->setFocus();
            return;
        case EvaluationOutcome::Unreadable:
        case EvaluationOutcome::NotComputable:
            // Back to awaiting a temperature; another fluid stays within reach.
            cmdMOSTRAR->setEnabled(false);
            txtTEMP->setEnabled(true);
            cmdACEPTAR->setEnabled(true);
            cmdOTRO->setEnabled(true);
            txtTEMP->clear();
            txtTEMP->setFocus();
            return;
    }
    cmdNUEVA->setEnabled(true);
    cmdOTRO->setEnabled(true);
    cmdMOSTRAR->setEnabled(false);
}

void frmVELM1::emptyResults() {
    for (QLineEdit* box : {txtDEN, txtCP, txtCOT, txtALFA, txtVAB, txtVCI, txtNUM}) box->clear();
    if (liquids()) txtBETA->clear();
}

void frmVELM1::cmdNUEVA_Click() {
    emptyResults();
    txtTEMP->clear();
    cmdACEPTAR->setEnabled(true);
    txtTEMP->setEnabled(true);
    cmdNUEVA->setEnabled(false);
    cmdOTRO->setEnabled(false);
    txtTEMP->setFocus();
    tk.menus.setGuardarEnabled(false);
}

void frmVELM1::cmdOTRO_Click() {
    tk.screens.hide(objectName());
    tk.screens.show(QStringLiteral("frmPRESENT"));
    cmdACEPTAR->setEnabled(true);
    txtTEMP->setEnabled(true);
    cmdNUEVA->setEnabled(false);
    cmdOTRO->setEnabled(false);
    txtPRES->clear();
    txtTEMP->clear();
    emptyResults();
    tk.menus.setGuardarEnabled(false);
}

void frmVELM1::cmdSALIR_Click() {
    tk.screens.hide(objectName());
    tk.menus.setUnidadesEnabled(true);
    tk.menus.setGuardarEnabled(false);
    tk.screens.unload(objectName());
}
