#pragma once
// The family screen: gases or liquids.

#include "ui/toolkit/ScreenRegistry.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

class frmPRESENT : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmPRESENT)

public:
    explicit frmPRESENT(velm::Toolkit& tk);
    void Form_Activate() override;
    void cmdGASES_Click();
    void cmdLIQUIDOS_Click();

    QLabel* Label1;
    QPushButton *cmdGASES, *cmdLIQUIDOS;
};
