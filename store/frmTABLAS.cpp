#include "frmTABLAS.h"

#include "FluidStore.h"
#include "Module1.h"
#include "QtPlatform.h"
#include "Toolkit.h"
#include "UserError.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace velm;

namespace {

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    return b;
}

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

QString fluidScreen(const Module1& m) {
    return m.FAMILIA == kGases ? QStringLiteral("frmVELM2") : QStringLiteral("frmPRESENT2");
}

}  // namespace

frmTABLAS::frmTABLAS(Toolkit& toolkit) : Screen(toolkit, QStringLiteral("frmTABLAS")) {
    paintTeal(this);
    setFont(screenFont());
    Label1 = label(this, "Label1", "TABLAS");
    Label1->setAlignment(Qt::AlignCenter);
    cmdAgregar = button(this, "cmdAgregar", "AGREGAR");
    cmdEliminar = button(this, "cmdEliminar", "ELIMINAR");
    cmdMODIFICAR = button(this, "cmdMODIFICAR", "MODIFICAR");
    cmdATRAS = button(this, "cmdATRAS", "<<< &ATRAS");
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
    tk.state.OPERACION = operation;
    tk.screens.hide(objectName());
    tk.screens.show(QStringLiteral("frmDATOS"));
}

void frmTABLAS::cmdAgregar_Click() { choose("AGREGAR"); }
void frmTABLAS::cmdMODIFICAR_Click() { choose("MODIFICAR"); }
void frmTABLAS::cmdEliminar_Click() { choose("ELIMINAR"); }

void frmTABLAS::cmdATRAS_Click() {
    tk.screens.hide(objectName());
    tk.screens.show(fluidScreen(tk.state));
}

frmDATOS::frmDATOS(Toolkit& toolkit) : Screen(toolkit, QStringLiteral("frmDATOS")) {
    paintTeal(this);
    setFont(screenFont());
    Label1 = label(this, "Label1", "TITULO DE LA TABLA");
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(boxFont());
    cmdINSERTAR = button(this, "cmdINSERTAR", "");
    cmdATRAS = button(this, "cmdATRAS", "<<< &ATRAS");
    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(Text1, 1, 0, 1, 2);
    layout->addWidget(cmdINSERTAR, 2, 0);
    layout->addWidget(cmdATRAS, 2, 1);

    connect(cmdINSERTAR, &QPushButton::clicked, this, &frmDATOS::cmdINSERTAR_Click);
    connect(cmdATRAS, &QPushButton::clicked, this, &frmDATOS::cmdATRAS_Click);
}

void frmDATOS::Form_Activate() {
    Text1->clear();
    Text1->setFocus();
    cmdINSERTAR->setText(QString::fromStdString(tk.state.OPERACION.value_or("")));
    setTwipsGeometry(3500, 2500, 4770, 2325);
}

void frmDATOS::refuse(const QString& message) {
    tk.messages.information(message);
    Text1->clear();
    Text1->setFocus();
}

void frmDATOS::cmdINSERTAR_Click() {
    const QString title = Text1->text();
    tk.state.TABLA = title.toStdString();
    const std::string operation = tk.state.OPERACION.value_or("");
    if (title.isEmpty()) {
        tk.messages.information("ESCRIBA EL TITULO DE LA TABLA QUE DESEA " +
                                QString::fromStdString(operation) + " ");
        Text1->setFocus();
        return;
    }
    const std::string family = tk.state.FAMILIA.value_or("");
    try {
        FluidStore store(tk.files, family);
        const bool exists = store.titleExists(*tk.state.TABLA);
        if (operation == "AGREGAR") {
            if (exists) return refuse("LA TABLA " + title + " YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE");
            store.createTable(*tk.state.TABLA);
            tk.screens.hide(objectName());
            tk.screens.show(QStringLiteral("frmPRUEBA"));
        } else if (operation == "MODIFICAR") {
            if (!exists)
                return refuse("LA TABLA " + title +
                              " NO EXISTE, ¡ ¡ ¡ ¡ ¡  ANTES DE MODIFICARLA TIENE QUE CREARLA  ! ! ! !");
            tk.screens.hide(objectName());
            tk.screens.show(QStringLiteral("frmMODIFICAR"));
        } else if (operation == "ELIMINAR") {
            if (!exists)
                return refuse("LA TABLA " + title + " NO EXISTE, ¡ ¡ ¡ ¡ ¡  NO PUEDE ELIMINARLA  ! ! ! !");
            store.deleteTable(*tk.state.TABLA);
            tk.messages.information("LA TABLA " + title + " HA SIDO ELIMINADA");
            tk.screens.hide(objectName());
            tk.screens.show(fluidScreen(tk.state));
        }
    } catch (const UserError& e) {
        // The file or the engine refused: say so and let the user try again.
        tk.messages.information(QString::fromUtf8(e.what()));
        Text1->setFocus();
    }
}

void frmDATOS::cmdATRAS_Click() {
    tk.screens.hide(objectName());
    tk.screens.show(QStringLiteral("frmTABLAS"));
}
