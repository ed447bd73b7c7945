#include "ui/frmPRESENT.h"

#include "engine/Module1.h"
#include "ui/Screens.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QGridLayout>

using namespace velm;

frmPRESENT::frmPRESENT(Toolkit& toolkit) : Screen(toolkit) {
    paintTeal(this);
    setFont(screenFont());
    Label1 = control<QLabel>(this, "Label1", tr("VELMORANTES DE LOS FLUIDOS"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = screenFont();
    title.setPointSize(16);
    Label1->setFont(title);
    cmdGASES = control<QPushButton>(this, "cmdGASES", tr("&GASES"));
    cmdLIQUIDOS = control<QPushButton>(this, "cmdLIQUIDOS", tr("&LIQUIDOS"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(cmdGASES, 1, 0);
    layout->addWidget(cmdLIQUIDOS, 1, 1);

    connect(cmdGASES, &QPushButton::clicked, this, &frmPRESENT::cmdGASES_Click);
    connect(cmdLIQUIDOS, &QPushButton::clicked, this, &frmPRESENT::cmdLIQUIDOS_Click);
}

void frmPRESENT::Form_Activate() { setTwipsGeometry(2400, 2500, 7440, 2235); }

void frmPRESENT::cmdGASES_Click() {
    tk.app.state.FAMILIA = Family::Gases;
    tk.screens.hide(objectName());
    tk.screens.show<frmVELM2>();
}

void frmPRESENT::cmdLIQUIDOS_Click() {
    tk.app.state.FAMILIA = Family::Liquids;
    tk.screens.hide(objectName());
    tk.screens.show<frmPRESENT2>();
}
