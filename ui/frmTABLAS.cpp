#include "ui/frmTABLAS.h"

#include "i18n/qt/Text.h"

#include "engine/Module1.h"
#include "engine/UserError.h"
#include "store/FluidStore.h"
#include "ui/Screens.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace velm;

frmTABLAS::frmTABLAS(Toolkit& toolkit) : Screen(toolkit) {
    paintTeal(this);
    setFont(screenFont());
    Label1 = control<QLabel>(this, "Label1", tr("TABLAS"));
    Label1->setAlignment(Qt::AlignCenter);
    cmdAgregar = control<QPushButton>(this, "cmdAgregar", tr("AGREGAR"));
    cmdEliminar = control<QPushButton>(this, "cmdEliminar", tr("ELIMINAR"));
    cmdMODIFICAR = control<QPushButton>(this, "cmdMODIFICAR", tr("MODIFICAR"));
    cmdATRAS = control<QPushButton>(this, "cmdATRAS", tr("<<< &ATRAS"));
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {cmdAgregar, cmdEliminar, cmdMODIFICAR, cmdATRAS}) row->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(row);

    connect(cmdAgregar, &QPushButton::clicked, this, &frmTABLAS::cmdAgregar_Click);
    connect(cmdEliminar, &QPushButton::clicked, this, &frmTABLAS::cmdEliminar_Click);
    connect(cmdMODIFICAR, &QPushButton::clicked, this, &frmTABLAS::cmdMODIFICAR_Click);
    connect(cmdATRAS, &QPushButton::clicked, this, &frmTABLAS::cmdATRAS_Click);
}

void frmTABLAS::Form_Activate() { setTwipsGeometry(3000, 2500, 6300, 1845); }

void frmTABLAS::choose(const char* operation) {
    tk.app.state.OPERACION = operation;
    tk.screens.hide(objectName());
    tk.screens.show<frmDATOS>();
}

void frmTABLAS::cmdAgregar_Click() { choose("AGREGAR"); }
void frmTABLAS::cmdMODIFICAR_Click() { choose("MODIFICAR"); }
void frmTABLAS::cmdEliminar_Click() { choose("ELIMINAR"); }

void frmTABLAS::cmdATRAS_Click() {
    tk.screens.hide(objectName());
    showFluidScreen(tk.screens, familyOf(tk.app.state));
}

frmDATOS::frmDATOS(Toolkit& toolkit) : Screen(toolkit) {
    paintTeal(this);
    setFont(screenFont());
    Label1 = control<QLabel>(this, "Label1", tr("TITULO DE LA TABLA"));
    Text1 = control<QLineEdit>(this, "Text1");
    cmdINSERTAR = control<QPushButton>(this, "cmdINSERTAR", "");
    cmdATRAS = control<QPushButton>(this, "cmdATRAS", tr("<<< &ATRAS"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(Text1, 1, 0, 1, 2);
    layout->addWidget(cmdINSERTAR, 2, 0);
    layout->addWidget(cmdATRAS, 2, 1);

    connect(cmdINSERTAR, &QPushButton::clicked, this, &frmDATOS::cmdINSERTAR_Click);
    connect(cmdATRAS, &QPushButton::clicked, this, &frmDATOS::cmdATRAS_Click);
}

namespace {

// The operation's button caption and the request for a title, by operation.
struct OperationTexts {
    const char* operation;
    const char* caption;
    const char* askTitle;
};
constexpr OperationTexts kOperations[] = {
    {"AGREGAR", QT_TRANSLATE_NOOP("frmDATOS", "AGREGAR"),
     QT_TRANSLATE_NOOP("frmDATOS", "ESCRIBA EL TITULO DE LA TABLA QUE DESEA AGREGAR ")},
    {"MODIFICAR", QT_TRANSLATE_NOOP("frmDATOS", "MODIFICAR"),
     QT_TRANSLATE_NOOP("frmDATOS", "ESCRIBA EL TITULO DE LA TABLA QUE DESEA MODIFICAR ")},
    {"ELIMINAR", QT_TRANSLATE_NOOP("frmDATOS", "ELIMINAR"),
     QT_TRANSLATE_NOOP("frmDATOS", "ESCRIBA EL TITULO DE LA TABLA QUE DESEA ELIMINAR ")},
};

const OperationTexts* textsOf(const std::string& operation) {
    for (const OperationTexts& t : kOperations)
        if (operation == t.operation) return &t;
    return nullptr;
}

}  // namespace

void frmDATOS::Form_Activate() {
    Text1->clear();
    Text1->setFocus();
    const OperationTexts* texts = textsOf(tk.app.state.OPERACION.value_or(""));
    cmdINSERTAR->setText(texts ? tr(texts->caption) : QString::fromStdString(tk.app.state.OPERACION.value_or("")));
    setTwipsGeometry(3500, 2500, 4770, 2325);
}

void frmDATOS::refuse(const QString& message) {
    tk.platform.messages.information(message);
    Text1->clear();
    Text1->setFocus();
}

void frmDATOS::cmdINSERTAR_Click() {
    const QString title = Text1->text();
    tk.app.state.TABLA = title.toStdString();
    const std::string operation = tk.app.state.OPERACION.value_or("");
    if (title.isEmpty()) {
        if (const OperationTexts* texts = textsOf(operation)) tk.platform.messages.information(tr(texts->askTitle));
        Text1->setFocus();
        return;
    }
    try {
        FluidStore store(tk.app.files, familyOf(tk.app.state));
        const bool exists = store.titleExists(*tk.app.state.TABLA);
        if (operation == "AGREGAR") {
            if (exists) return refuse(filled(tr("LA TABLA %1 YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE"), {title}));
            store.createTable(*tk.app.state.TABLA);
            tk.screens.hide(objectName());
            tk.screens.show<frmPRUEBA>();
        } else if (operation == "MODIFICAR") {
            if (!exists)
                return refuse(filled(
                    tr("LA TABLA %1 NO EXISTE, ¡ ¡ ¡ ¡ ¡  ANTES DE MODIFICARLA TIENE QUE CREARLA  ! ! ! !"), {title}));
            tk.screens.hide(objectName());
            tk.screens.show<frmMODIFICAR>();
        } else if (operation == "ELIMINAR") {
            if (!exists)
                return refuse(filled(tr("LA TABLA %1 NO EXISTE, ¡ ¡ ¡ ¡ ¡  NO PUEDE ELIMINARLA  ! ! ! !"), {title}));
            store.deleteTable(*tk.app.state.TABLA);
            tk.platform.messages.information(filled(tr("LA TABLA %1 HA SIDO ELIMINADA"), {title}));
            tk.screens.hide(objectName());
            showFluidScreen(tk.screens, familyOf(tk.app.state));
        }
    } catch (const UserError& e) {
        // The file or the engine refused: say so and let the user try again.
        tk.platform.messages.information(QString::fromUtf8(e.what()));
        Text1->setFocus();
    }
}

void frmDATOS::cmdATRAS_Click() {
    tk.screens.hide(objectName());
    tk.screens.show<frmTABLAS>();
}
