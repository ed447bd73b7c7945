#include "ui/frmAYUDA.h"

#include "i18n/qt/Translations.h"
#include "i18n/qt/Text.h"
#include "ui/toolkit/QtPlatform.h"

#include <QUrl>
#include <QVBoxLayout>

frmAYUDA::frmAYUDA(velm::Toolkit& toolkit) : Screen(toolkit) {
    txtMANUAL = new QTextBrowser(this);
    txtMANUAL->setObjectName(QStringLiteral("txtMANUAL"));
    txtMANUAL->setOpenLinks(true);
    txtMANUAL->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtMANUAL);
}

void frmAYUDA::Form_Activate() {
    setCaption(tr("MANUAL"));
    setTwipsGeometry(600, 300, 11000, 8000);
    // The guide of the interface's language: its file name is translated with the rest.
    const QString file = velm::sharedFolder() + QStringLiteral("/manual/") + tr("manual.es.html");
    txtMANUAL->setSource(QUrl::fromLocalFile(file));
    if (txtMANUAL->toPlainText().isEmpty())
        txtMANUAL->setPlainText(velm::filled(tr("NO SE ENCUENTRA EL MANUAL (%1)"), {file}));
}
