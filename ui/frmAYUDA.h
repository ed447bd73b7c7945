#pragma once
// The user guide, read-only, in the interface's language: Help ▸ Manual.

#include "ui/toolkit/ScreenRegistry.h"

#include <QCoreApplication>
#include <QTextBrowser>

class frmAYUDA : public velm::Screen {
public:
    Q_DECLARE_TR_FUNCTIONS(frmAYUDA)

public:
    explicit frmAYUDA(velm::Toolkit& toolkit);
    void Form_Activate() override;

    QTextBrowser* txtMANUAL;
};
