#pragma once
// The family screen: gases or liquids.

#include "ui/toolkit/ScreenRegistry.h"

#include <QLabel>
#include <QPushButton>

class frmPRESENT : public velm::Screen {
public:
    explicit frmPRESENT(velm::Toolkit& tk);
    void Form_Activate() override;
    void cmdGASES_Click();
    void cmdLIQUIDOS_Click();

    QLabel* Label1;
    QPushButton *cmdGASES, *cmdLIQUIDOS;
};
