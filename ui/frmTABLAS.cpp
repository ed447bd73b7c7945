#include "ui/frmTABLAS.h"

#include "ui/toolkit/Controls.h"
#include "store/FluidStore.h"
#include "engine/Module1.h"
#include "ui/toolkit/QtPlatform.h"
#include "ui/toolkit/Toolkit.h"
#include "engine/UserError.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace velm;


frmTABLAS::frmTABLAS(Toolkit& toolkit) : Screen(toolkit, QStringLiteral("frmTABLAS")) {
    paintTeal(this);
    setFont(screenFont());
    Label1 = control<QLabel>(this, "Label1", "TABLAS");
    Label1->setAlignment(Qt::AlignCenter);
    cmdAgregar = control<QPushButton>(this, "cmdAgregar", "AGREGAR");
    cmdEliminar = control<QPushButton>(this, "cmdEliminar", "ELIMINAR");
    cmdMODIFICAR = control<QPushButton>(this, "cmdMODIFICAR", "MODIFICAR");
    cmdATRAS = control<QPushButton>(this, "cmdATRAS", "<<< &ATRAS");
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
    tk.screens.show(fluidScreenOf(tk.state));
}

frmDATOS::frmDATOS(Toolkit& toolkit) : Screen(toolkit, QStringLiteral("frmDATOS")) {
    paintTeal(this);
    setFont(screenFont());
    Label1 = control<QLabel>(this, "Label1", "TITULO DE LA TABLA");
    Text1 = control<QLineEdit>(this, "Text1");
    cmdINSERTAR = control<QPushButton>(this, "cmdINSERTAR", "");
    cmdATRAS = control<QPushButton>(this, "cmdATRAS", "<<< &ATRAS");
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
            tk.screens.show(fluidScreenOf(tk.state));
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
