#pragma once
// The table maintenance menu, and the title screen where the chosen operation is carried out.

#include "ui/toolkit/ScreenRegistry.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class frmTABLAS : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmTABLAS)

public:
    explicit frmTABLAS(velm::Toolkit& tk);
    void Form_Activate() override;
    void cmdAgregar_Click();
    void cmdEliminar_Click();
    void cmdMODIFICAR_Click();
    void cmdATRAS_Click();

    QLabel* Label1;
    QPushButton *cmdAgregar, *cmdEliminar, *cmdMODIFICAR, *cmdATRAS;

private:
    void choose(const char* operation);
};

class frmDATOS : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmDATOS)

public:
    explicit frmDATOS(velm::Toolkit& tk);
    void Form_Activate() override;
    void cmdINSERTAR_Click();
    void cmdATRAS_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton *cmdINSERTAR, *cmdATRAS;

private:
    void refuse(const QString& message);
};
