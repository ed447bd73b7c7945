#include "ui/frmPRUEBA.h"

#include "ui/toolkit/Controls.h"
#include "engine/Entry.h"
#include "store/FluidStore.h"
#include "engine/Module1.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"
#include "engine/UserError.h"

#include <QGridLayout>

using namespace velm;

frmPRUEBA::frmPRUEBA(Toolkit& toolkit) : Screen(toolkit, QStringLiteral("frmPRUEBA")) {
    paintTeal(this);
    setFont(screenFont());
    struct Field {
        const char* label;
        const char* unit;
    };
    const Field fields[] = {
        {"Temperatura", "K"},           {"Densidad", "Kg/m^3"},
        {"Calor Específico", "KJ/(Kg.K)"}, {"Viscosidad Absoluta", "Pa.s"},
        {"Viscosidad Cinemática", "m^2/s"}, {" Conductividad Térmica", "W/(m.K)"},
        {"Difusividad Térmica", "m^2/s"}, {"Número de Pr.", ""},
        {"Coeficiente de Expansión", "1/K"},
    };
    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(2);
    for (int i = 0; i < 9; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto* name = new QLabel(QString::fromUtf8(fields[at].label), this);
        auto* unit = new QLabel(QString::fromUtf8(fields[at].unit), this);
        name->setObjectName(i == 8 ? QStringLiteral("Label16") : QStringLiteral("lblField%1").arg(i + 1));
        unit->setObjectName(i == 8 ? QStringLiteral("Label17") : QStringLiteral("lblUnit%1").arg(i + 1));
        Text[at] = control<QLineEdit>(this, QStringLiteral("Text%1").arg(i + 1).toUtf8().constData());
        layout->addWidget(name, i, 0);
        layout->addWidget(Text[at], i, 1);
        layout->addWidget(unit, i, 2);
        if (i == 8) {
            Label16 = name;
            Label17 = unit;
        }
    }
    cmdAgregar = control<QPushButton>(this, "cmdAgregar", "AGREGAR");
    cmdCANCELAR = control<QPushButton>(this, "cmdCANCELAR", "CANCELAR");
    layout->addWidget(cmdAgregar, 9, 0);
    layout->addWidget(cmdCANCELAR, 9, 2);
    layout->setColumnStretch(1, 1);

    connect(cmdAgregar, &QPushButton::clicked, this, &frmPRUEBA::cmdAgregar_Click);
    connect(cmdCANCELAR, &QPushButton::clicked, this, &frmPRUEBA::cmdCANCELAR_Click);
}

bool frmPRUEBA::liquids() const { return tk.state.FAMILIA == kLiquids; }

void frmPRUEBA::Form_Activate() {
    setCaption(QString::fromStdString(tk.state.TABLA.value_or("")));
    for (QWidget* w : std::initializer_list<QWidget*>{Text[8], Label16, Label17}) w->setVisible(liquids());
    setTwipsGeometry(2800, 1200, 6420, 5800);
}

void frmPRUEBA::cmdAgregar_Click() {
    const std::size_t count = liquids() ? 9 : 8;
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i) values.push_back(leadingNumber(Text[i]->text().toStdString()));
    try {
        FluidStore(tk.files, tk.state.FAMILIA.value_or("")).appendRow(tk.state.TABLA.value_or(""), values);
    } catch (const UserError& e) {
        // Nothing was stored: the fields stay for the user to mend.
        tk.messages.information(QString::fromUtf8(e.what()));
        return;
    }
    for (std::size_t i = 0; i < count; ++i) Text[i]->clear();
}

void frmPRUEBA::cmdCANCELAR_Click() {
    tk.screens.hide(objectName());
    tk.screens.show(fluidScreenOf(tk.state));
}
