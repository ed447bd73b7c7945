#include "ui/frmFluidChoice.h"

#include "engine/Catalogue.h"

#include "ui/AccessConversion.h"
#include "engine/Module1.h"
#include "engine/UserError.h"
#include "i18n/Shown.h"
#include "store/FluidStore.h"
#include "ui/Screens.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>

using namespace velm;

frmFluidChoice::frmFluidChoice(Toolkit& toolkit, const Names& n)
    : Screen(toolkit), family_(n.family) {
    paintTeal(this);
    setFont(screenFont());
    title = control<QLabel>(this, n.titleLabel, shownFamilyName(n.family));
    QFont big = screenFont();
    big.setPointSize(14);
    title->setFont(big);
    Label2 = control<QLabel>(this, "Label2", tr("SELECCIONE"));
    combo = control<QComboBox>(this, n.combo);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->lineEdit()->installEventFilter(this);
    cmdOPCIONES = control<QPushButton>(this, n.options, tr("&OPCIONES"));
    cmdATRAS = control<QPushButton>(this, "cmdATRAS", tr("<<< &ATRAS"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(title, 0, 0, 1, 2);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(combo, 1, 1);
    layout->addWidget(cmdOPCIONES, 2, 0);
    layout->addWidget(cmdATRAS, 2, 1);
    layout->setColumnStretch(1, 1);

    // `activated` fires on a pick with the mouse or the arrow keys, never while typing.
    connect(combo, &QComboBox::activated, this, &frmFluidChoice::choose);
    connect(cmdOPCIONES, &QPushButton::clicked, this, &frmFluidChoice::options);
    connect(cmdATRAS, &QPushButton::clicked, this, &frmFluidChoice::cmdATRAS_Click);
}

bool frmFluidChoice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return Screen::eventFilter(watched, event);
}

void frmFluidChoice::Form_Activate() {
    setTwipsGeometry(3000, 2800, 5970, 2280);
    combo->clear();
    const auto list = [this] {
        for (const std::string& name : FluidStore(tk.app.files, family_).listFluidTables())
            combo->addItem(QString::fromStdString(shownFluidName(family_, name)), QString::fromStdString(name));
    };
    try {
        try {
            list();
        } catch (const AccessFileFound& found) {
            if (offerAccessConversion(tk, found.path(), family_)) list();
        }
    } catch (const UserError& e) {
        tk.platform.messages.information(QString::fromUtf8(e.what()));
    }
    combo->setCurrentIndex(-1);
    combo->clearEditText();
    combo->setFocus();  // the arrow keys choose at once
}

void frmFluidChoice::choose() {
    tk.app.state.FLUIDO = chosenTitle(combo).toStdString();
    if (tk.app.state.FLUIDO->empty()) {
        combo->setFocus();
        return;
    }
    tk.screens.hide(objectName());
    tk.screens.show<frmVELM1>();
}

void frmFluidChoice::options() {
    tk.screens.hide(objectName());
    tk.screens.show<frmTABLAS>();
}

void frmFluidChoice::cmdATRAS_Click() {
    tk.screens.hide(objectName());
    tk.screens.show<frmPRESENT>();
}

frmVELM2::frmVELM2(Toolkit& toolkit)
    : frmFluidChoice(toolkit, {Family::Gases, "lblTIT", "cboOTRO", "cmdAÑADIR"}) {}

frmPRESENT2::frmPRESENT2(Toolkit& toolkit)
    : frmFluidChoice(toolkit, {Family::Liquids, "Label1", "cboLIQ", "cmdAÑADIRLIQ"}) {}
