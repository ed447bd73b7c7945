#include "ui/frmPRUEBA.h"

#include "engine/Entry.h"
#include "engine/Module1.h"
#include "engine/Properties.h"
#include "engine/UserError.h"
#include "i18n/Shown.h"
#include "store/FluidStore.h"
#include "ui/Screens.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QGridLayout>

using namespace velm;

frmPRUEBA::frmPRUEBA(Toolkit& toolkit) : Screen(toolkit) {
    paintTeal(this);
    setFont(screenFont());
    // The temperature, then every property with its unit, in the order of the table's columns.
    const char* const captions[] = {QT_TRANSLATE_NOOP("frmPRUEBA", "Temperatura"),         QT_TRANSLATE_NOOP("frmPRUEBA", "Densidad"),
                                    QT_TRANSLATE_NOOP("frmPRUEBA", "Calor Específico"),    QT_TRANSLATE_NOOP("frmPRUEBA", "Viscosidad Absoluta"),
                                    QT_TRANSLATE_NOOP("frmPRUEBA", "Viscosidad Cinemática"), QT_TRANSLATE_NOOP("frmPRUEBA", " Conductividad Térmica"),
                                    QT_TRANSLATE_NOOP("frmPRUEBA", "Difusividad Térmica"), QT_TRANSLATE_NOOP("frmPRUEBA", "Número de Pr."),
                                    QT_TRANSLATE_NOOP("frmPRUEBA", "Coeficiente de Expansión")};
    static_assert(std::size(captions) == 1 + kPropertyCount);
    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(2);
    for (int i = 0; i < int(std::size(captions)); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::string unitText = i == 0 ? std::string("K") : shownUnit(kProperties[at - 1], false);
        auto* name = new QLabel(tr(captions[at]), this);
        auto* unit = new QLabel(QString::fromUtf8(unitText.data(), qsizetype(unitText.size())), this);
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
    cmdAgregar = control<QPushButton>(this, "cmdAgregar", tr("AGREGAR"));
    cmdCANCELAR = control<QPushButton>(this, "cmdCANCELAR", tr("CANCELAR"));
    layout->addWidget(cmdAgregar, 9, 0);
    layout->addWidget(cmdCANCELAR, 9, 2);
    layout->setColumnStretch(1, 1);

    connect(cmdAgregar, &QPushButton::clicked, this, &frmPRUEBA::cmdAgregar_Click);
    connect(cmdCANCELAR, &QPushButton::clicked, this, &frmPRUEBA::cmdCANCELAR_Click);
}

bool frmPRUEBA::liquids() const { return familyOf(tk.app.state) == Family::Liquids; }

void frmPRUEBA::Form_Activate() {
    setCaption(QString::fromStdString(tk.app.state.TABLA.value_or("")));
    for (QWidget* w : std::initializer_list<QWidget*>{Text[8], Label16, Label17}) w->setVisible(liquids());
    setTwipsGeometry(2800, 1200, 6420, 5800);
}

void frmPRUEBA::cmdAgregar_Click() {
    const std::size_t count = 1 + propertiesOf(familyOf(tk.app.state)).size();
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i) values.push_back(leadingNumber(Text[i]->text().toStdString()));
    try {
        FluidStore(tk.app.files, familyOf(tk.app.state)).appendRow(tk.app.state.TABLA.value_or(""), values);
    } catch (const UserError& e) {
        // Nothing was stored: the fields stay for the user to mend.
        tk.platform.messages.information(QString::fromUtf8(e.what()));
        return;
    }
    for (std::size_t i = 0; i < count; ++i) Text[i]->clear();
}

void frmPRUEBA::cmdCANCELAR_Click() {
    tk.screens.hide(objectName());
    showFluidScreen(tk.screens, familyOf(tk.app.state));
}
