#pragma once
// Row entry: fills a new fluid table one measured point at a time.

#include "engine/Properties.h"
#include "ui/toolkit/ScreenRegistry.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

class frmPRUEBA : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmPRUEBA)

public:
    explicit frmPRUEBA(velm::Toolkit& tk);
    void Form_Activate() override;
    void cmdAgregar_Click();
    void cmdCANCELAR_Click();

    // Text1 … Text9: TEMP, DEN, CP, MIU, UN, K, ALFA, PR, BETA.
    std::array<QLineEdit*, 1 + velm::kPropertyCount> Text;
    QLabel *Label16, *Label17;  // the BETA row's labels
    QPushButton *cmdAgregar, *cmdCANCELAR;

private:
    bool liquids() const;
};
