#include "ui/frmVELM1.h"

#include "engine/Entry.h"
#include "engine/Evaluation.h"
#include "i18n/MessageText.h"
#include "i18n/Shown.h"
#include "i18n/Text.h"
#include "store/FluidStore.h"
#include "ui/Screens.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/MessageNotifier.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace velm;

namespace {

// The result rows: which property, the caption and the object names of the row's controls.
struct ResultRow {
    Property property;
    const char* nameObject;
    const char* caption;
    const char* boxObject;
    const char* unitObject;  // nullptr: the property has no unit
};
constexpr ResultRow kResultRows[] = {
    {Property::DEN, "Label4", QT_TRANSLATE_NOOP("frmVELM1", "Densidad ="), "txtDEN", "Label14"},
    {Property::CP, "Label3", QT_TRANSLATE_NOOP("frmVELM1", "Calor Específico ="), "txtCP", "Label15"},
    {Property::MIU, "Label5", QT_TRANSLATE_NOOP("frmVELM1", "Viscosidad Abs. ="), "txtVAB", "Label10"},
    {Property::UN, "Label6", QT_TRANSLATE_NOOP("frmVELM1", "Viscosidad Cin. ="), "txtVCI", "Label11"},
    {Property::K, "Label7", QT_TRANSLATE_NOOP("frmVELM1", "Cond. Térmica  ="), "txtCOT", "Label12"},
    {Property::ALFA, "Label9", QT_TRANSLATE_NOOP("frmVELM1", "Difusividad Térm. ="), "txtALFA", "Label13"},
    {Property::PR, "Label8", QT_TRANSLATE_NOOP("frmVELM1", "# de Prandtl  ="), "txtNUM", nullptr},
    {Property::BETA, "Label19", QT_TRANSLATE_NOOP("frmVELM1", "Coef. de Expansión ="), "txtBETA", "Label20"},
};

QLineEdit* makeResultBox(QWidget* parent, const char* name) {
    auto* box = control<QLineEdit>(parent, name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

}  // namespace

frmVELM1::frmVELM1(Toolkit& toolkit) : Screen(toolkit) {
    paintTeal(this);
    setFont(screenFont());

    Label2 = control<QLabel>(this, "Label2", tr("TEMPERATURA"));
    txtTEMP = control<QLineEdit>(this, "txtTEMP");
    Combo1 = control<QComboBox>(this, "Combo1");
    cmdACEPTAR = control<QPushButton>(this, "cmdACEPTAR", tr("&ACEPTAR"));
    Label16 = control<QLabel>(this, "Label16", tr("PRESION ABSOLUTA"));
    txtPRES = control<QLineEdit>(this, "txtPRES");
    Label17 = control<QLabel>(this, "Label17", "(KPa)");
    cmdPRES = control<QPushButton>(this, "cmdPRES", tr("A&CEPTAR"));
    cmdMOSTRAR = control<QPushButton>(this, "cmdMOSTRAR", tr("&MOSTRAR VELMORANTES"));
    cmdNUEVA = control<QPushButton>(this, "cmdNUEVA", tr("&NUEVA TEMPERATURA"));
    cmdOTRO = control<QPushButton>(this, "cmdOTRO", tr("&OTRO FLUIDO"));
    cmdSALIR = control<QPushButton>(this, "cmdSALIR", tr("&TERMINAR"));
    Frame2 = control<QGroupBox>(this, "Frame2");
    Frame2->setTitle(tr("Resultados"));
    makeResultRows();
    layOut();

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

void frmVELM1::makeResultRows() {
    auto* results = new QGridLayout(Frame2);
    results->setVerticalSpacing(2);
    for (const ResultRow& row : kResultRows) {
        const std::size_t i = index(row.property);
        resultName[i] = control<QLabel>(Frame2, row.nameObject, tr(row.caption));
        resultName[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        resultBox[i] = makeResultBox(Frame2, row.boxObject);
        results->addWidget(resultName[i], int(i), 0);
        results->addWidget(resultBox[i], int(i), 1);
        if (row.unitObject) {
            resultUnit[i] = control<QLabel>(Frame2, row.unitObject, QString::fromStdString(shownUnit(info(row.property), false)));
            results->addWidget(resultUnit[i], int(i), 2);
        }
    }
    results->setColumnStretch(1, 1);
}

void frmVELM1::layOut() {
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
}

bool frmVELM1::liquids() const { return familyOf(tk.app.state) == Family::Liquids; }

void frmVELM1::Form_Activate() {
    setCaption(QString::fromStdString(tk.app.state.FLUIDO.value_or("")));
    setTwipsGeometry(1500, 1000, 8805, 6675);

    Combo1->clear();
    if (tk.app.state.UNIDADES == kSI) {
        Combo1->addItems({QStringLiteral("K"), QStringLiteral("ºC")});
    } else {
        Combo1->addItem(QStringLiteral("ºF"));
        Label17->setText(QStringLiteral("(psi)"));
        for (const PropertyInfo& p : kProperties)
            if (QLabel* unit = resultUnit[index(p.id)]) unit->setText(QString::fromStdString(shownUnit(p, true)));
    }
    Combo1->setCurrentIndex(0);
    txtTEMP->setFocus();

    const bool liquid = liquids();
    for (QWidget* w : std::initializer_list<QWidget*>{Label16, txtPRES, cmdPRES, Label17})
        w->setVisible(!liquid);
    for (QWidget* w : {static_cast<QWidget*>(resultName[index(Property::BETA)]),
                       static_cast<QWidget*>(resultUnit[index(Property::BETA)]),
                       static_cast<QWidget*>(resultBox[index(Property::BETA)])})
        w->setVisible(liquid);
}

void frmVELM1::refuse(QLineEdit* box, QPushButton* button, const Message& message) {
    tk.platform.messages.information(QString::fromStdString(messageText(message)));
    box->setEnabled(true);
    button->setEnabled(true);
    box->clear();
    box->setFocus();
}

void frmVELM1::cmdACEPTAR_Click() {
    const TemperatureAcceptance a = acceptTemperature(
        tk.app.state, txtTEMP->text().toStdString(), Combo1->currentText().toStdString(),
        regionalDecimalComma());
    ENRANGO = a.ENRANGO;
    if (a.outcome != TemperatureOutcome::Accepted) return refuse(txtTEMP, cmdACEPTAR, refusal(a.outcome));
    if (a.warning) tk.platform.messages.information(QString::fromStdString(messageText(*a.warning)));

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
    const PressureOutcome p = acceptPressure(tk.app.state, txtPRES->text().toStdString(), regionalDecimalComma());
    if (p == PressureOutcome::Accepted) {
        cmdMOSTRAR->setEnabled(true);
        return;
    }
    cmdMOSTRAR->setEnabled(false);
    refuse(txtPRES, cmdPRES, refusal(p));
}

void frmVELM1::cmdMOSTRAR_Click() {
    StorePointSource source(tk.app.files);
    MessageNotifier notifier(tk.platform.messages);
    const Evaluation e = runEvaluation(tk.app.state, ENRANGO, source, notifier);
    switch (e.outcome) {
        case EvaluationOutcome::Shown:
            tk.menus.setGuardarEnabled(true);
            showResults(e.texts);
            break;
        case EvaluationOutcome::TooFewPoints:
            // Nothing to show from this table: back to the choice of a family.
            txtTEMP->clear();
            txtPRES->clear();
            txtTEMP->setEnabled(true);
            cmdACEPTAR->setEnabled(true);
            tk.screens.hide(objectName());
            tk.screens.show<frmPRESENT>();
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

void frmVELM1::showResults(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) resultBox[i]->setText(QString::fromStdString(texts[i]));
}

void frmVELM1::emptyResults() {
    for (const PropertyInfo& p : velm::propertiesOf(velm::familyOf(tk.app.state))) resultBox[index(p.id)]->clear();
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
    tk.screens.show<frmPRESENT>();
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
