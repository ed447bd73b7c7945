// The tables-and-plots screen: opened from the menu bar beside everything else, its entries
// refused as the property screen refuses them, its table, its files and the clipboard.
#include "tests/screens/ScreenTest.h"

#include "i18n/MessageText.h"
#include "engine/SweepText.h"
#include "ui/SweepModel.h"
#include "ui/frmGRAFICAS.h"

#include <QChartView>
#include <QImage>
#include <QMenuBar>
#include <QProcess>
#include <QSvgRenderer>

#include <unistd.h>

using namespace velm;
using namespace velm::testing;

namespace {

frmGRAFICAS& open(App& app) {
    app.main.mnuTablas->trigger();
    return static_cast<frmGRAFICAS&>(app.main.screens().screen("frmGRAFICAS"));
}

// DESDE HASTA PASO and PRESION typed, then CALCULAR.
void enter(frmGRAFICAS& s, const QStringList& texts) {
    const QList<QLineEdit*> boxes = {s.txtDESDE, s.txtHASTA, s.txtPASO, s.txtPRES};
    for (qsizetype i = 0; i < boxes.size(); ++i) boxes[i]->setText(texts.value(i, "101.3"));
    s.cmdCALCULAR->click();
}

// What a picture file holds, by its first bytes.
std::string pictureKind(const QString& path) {
    const QByteArray bytes = bytesOf(path);
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) return "PNG";
    if (bytes.startsWith("<?xml") && bytes.left(512).contains("<svg")) return "SVG";
    return "neither: " + bytes.left(16).toStdString();
}

}  // namespace

TEST(TablesScreen, OpensAtAnyTimeAndLeavesTheCalculationAlone) {
    App app;
    app.openFluid("GASES", "AIRE");
    app.evaluate("300", "101.3");
    const Module1 before = app.state;
    frmGRAFICAS& s = open(app);
    EXPECT_TRUE(app.visible("frmGRAFICAS"));
    EXPECT_TRUE(app.visible("frmVELM1")) << "the property screen stays as it was";
    enter(s, {"200", "400", "10"});
    EXPECT_EQ(s.model->rowCount(), 21);
    EXPECT_TRUE(app.state.TEMP == before.TEMP && app.state.DEN == before.DEN && app.state.FLUIDO == before.FLUIDO);
    EXPECT_TRUE(app.main.mnuGuardar->isEnabled()) << "the menus keep their locks";
    EXPECT_FALSE(app.main.Unidades->menuAction()->isEnabled());

    // Closed and opened again, it shows what it showed.
    s.cmdCERRAR->click();
    EXPECT_FALSE(app.visible("frmGRAFICAS"));
    open(app);
    EXPECT_EQ(s.txtDESDE->text(), "200");
    EXPECT_EQ(s.model->rowCount(), 21);
}

// Its keys take no letter of the menu bar's nor of each other; no other screen takes its menu's.
TEST(TablesScreen, ItsAccessKeysClashWithNoMenuAndNoOtherButton) {
    App app;
    const auto keys = [](const auto& captioned) {
        QString k;
        for (auto* c : captioned)
            if (const qsizetype at = c->text().indexOf('&'); at >= 0) k += c->text()[at + 1].toUpper();
        return k;
    };
    QString others;
    for (const char* screen :
         {"frmPRESENT", "frmVELM2", "frmPRESENT2", "frmVELM1", "frmTABLAS", "frmDATOS", "frmPRUEBA", "frmMODIFICAR"})
        others += keys(app.main.screens().screen(screen).findChildren<QAbstractButton*>());
    const QString menu = keys(app.main.menuBar()->actions()), own = keys(open(app).findChildren<QAbstractButton*>());
    const bool english = menu.startsWith('F');
    // Convección's and Help's keys, the last two, are no screen's either.
    EXPECT_EQ(menu, english ? "FUVBXH" : "AUVBJY");
    for (const int k : {3, 4, 5}) EXPECT_FALSE(others.contains(menu[k])) << str(others);
    for (const QChar k : own) EXPECT_EQ(own.count(k) + menu.count(k), 1) << str(own);
}

TEST(TablesScreen, EveryBadEntryGetsItsMessageAnEmptiedFocusedBoxAndNoRows) {
    App app;
    frmGRAFICAS& s = open(app);
    struct Case {
        QStringList texts;
        QLineEdit* box;
        std::string message;
    };
    const Case cases[] = {
        {{"x", "400", "10"}, s.txtDESDE, messageText(message(MessageId::NotANumber))},
        {{"-1", "400", "10"}, s.txtDESDE, messageText(message(MessageId::TemperatureDoesNotExist))},
        {{"300", "", "10"}, s.txtHASTA, messageText(message(MessageId::NotANumber))},
        {{"400", "300", "10"}, s.txtHASTA, messageText(message(MessageId::FromAboveTo))},
        {{"300", "400", "0"}, s.txtPASO, messageText(message(MessageId::BadStep))},
        {{"0", "2e5", "1"}, s.txtPASO, messageText(message(MessageId::TooManyTemperatures, kMaxSweep))},
        {{"300", "400", "10", "-1"}, s.txtPRES, messageText(message(MessageId::NegativePressure))},
    };
    for (const Case& c : cases) {
        enter(s, {"300", "400", "10"});
        ASSERT_EQ(s.model->rowCount(), 11);
        enter(s, c.texts);
        const std::string row = str(c.texts.join(' '));
        EXPECT_EQ(app.take(), QStringList{QString::fromStdString(c.message)}) << row;
        EXPECT_EQ(c.box->text(), "") << row;
        EXPECT_TRUE(c.box->hasFocus()) << row;
        EXPECT_EQ(s.model->rowCount(), 0) << row;
        EXPECT_FALSE(s.cmdGUARDARTABLA->isEnabled()) << row;
    }

    // A table of one point: its message once, no rows.
    FluidStore(app.files, Family::Gases).createTable("SOLO");
    FluidStore(app.files, Family::Gases).appendRow("SOLO", {300, 1, 1, 1, 1, 1, 1, 1});
    open(app);
    s.cboFLUIDO->setCurrentIndex(s.cboFLUIDO->findData("SOLO"));
    enter(s, {"300", "400", "10"});
    EXPECT_EQ(app.take(), QStringList{ui(message(MessageId::TooFewPoints))});
    EXPECT_EQ(s.model->rowCount(), 0);
}

TEST(TablesScreen, ShowsThePropertyScreensTextsAndSaysWhatIsExtrapolated) {
    App app;
    frmGRAFICAS& s = open(app);
    enter(s, {"50", "3100", "50"});
    ASSERT_EQ(s.model->rowCount(), 62);
    EXPECT_EQ(s.model->index(5, 1).data().toString(), " 1.16011") << "AIRE at 300 K as txtDEN shows it";
    EXPECT_EQ(s.model->index(5, 3).data().toString(), "1.8479E-5");
    EXPECT_EQ(s.model->headerData(1, Qt::Horizontal).toString(), "D (Kg/m^3)");
    EXPECT_EQ(s.model->headerData(3, Qt::Horizontal).toString(), ui("velm::units", "V.AB.") + " (Pa.s)");
    EXPECT_EQ(s.model->index(0, 8).data().toString(), ui("velm::sweep", "EXTRAPOLADO")) << "50 K lies below the table too";
    EXPECT_EQ(s.model->index(1, 8).data().toString(), ui("velm::sweep", "CORRELACION"));
    EXPECT_EQ(s.model->index(0, 0).data(Qt::BackgroundRole).value<QColor>(),
              SweepModel::colourOf(RowSource::Extrapolated));
    EXPECT_TRUE(s.lblRESUMEN->text().startsWith(ui("velm::msg", "%1 TEMPERATURAS FUERA DEL RANGO DE LA ECUACION DEL (DE LA) %2 %3 SE EXTRAPOLARON CON LA TABLA %2 (POCO RECOMENDABLE)", {"3", "AIRE", ""}).left(20))) << str(s.lblRESUMEN->text());
    EXPECT_TRUE(app.take().empty()) << "no message box per row";
}

TEST(TablesScreen, SavesTheTableAndThePlotAndCopiesForASpreadsheet) {
    App app;
    frmGRAFICAS& s = open(app);
    s.cboFAMILIA->setCurrentIndex(s.cboFAMILIA->findData("LIQUIDOS"));
    s.cboFAMILIA_Click();
    s.cboFLUIDO->setCurrentIndex(s.cboFLUIDO->findData("AGUA"));
    enter(s, {"250", "600", "0.5", ""});
    const SweepTable& t = *s.model->table();

    struct Case {
        QPushButton* button;
        const char* file;
        int kind;           // chosen in the dialog's list
        const char* saved;  // the name written, the kind's ending added when missing; nullptr: none
        int holds;          // the kind written: the name's ending decides
    };
    const Case cases[] = {{s.cmdGUARDARTABLA, "agua", 0, "agua.csv", 0},
                          {s.cmdGUARDARTABLA, "agua.txt", 1, "agua.txt", 1},
                          {s.cmdGUARDARTABLA, "r.TXT", 0, "r.TXT", 1},
                          {s.cmdGUARDARTABLA, "c.csv", 1, "c.csv", 0},
                          {s.cmdGUARDARTABLA, "agua 2.5", 1, "agua 2.5.txt", 1},
                          {s.cmdGUARDARGRAFICA, "agua", 0, "agua.png", 0},
                          {s.cmdGUARDARGRAFICA, "g.svg", 1, "g.svg", 1},
                          {s.cmdGUARDARTABLA, "no/existe", 0, nullptr, 0},
                          {s.cmdGUARDARGRAFICA, "no/existe", 1, nullptr, 1}};
    for (const Case& c : cases) {
        app.exportAnswers.push_back(ExportDialog::Choice{app.path(c.file), c.kind});
        c.button->click();
        const QString shown = app.take().join(QLatin1Char('|'));
        const QString path = app.path(c.saved);
        if (!c.saved) {
            const QString refusal = c.button == s.cmdGUARDARTABLA
                                        ? ui("velm::msg", "NO SE PUDO GUARDAR LA TABLA EN EL ARCHIVO %1", {QString()})
                                        : ui("velm::msg", "NO SE PUDO GUARDAR LA GRAFICA EN EL ARCHIVO %1", {QString()});
            EXPECT_TRUE(shown.startsWith(refusal) && !shown.contains('|')) << str(shown);
        } else if (c.button == s.cmdGUARDARTABLA) {
            EXPECT_EQ(bytesOf(path).toStdString(), c.holds == 0 ? csvText(t) : resultsFileText(t)) << c.saved;
        } else {
            EXPECT_EQ(c.holds == 0 ? QImage(path).size() : QSvgRenderer(path).defaultSize(), s.chtGRAFICA->size());
        }
        EXPECT_EQ(shown.isEmpty(), c.saved != nullptr) << str(shown);
    }
    if (geteuid() != 0) {  // a folder one may not write: said so, and the old file stands
        QFile::setPermissions(app.dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        app.exportAnswers.push_back(ExportDialog::Choice{app.path("agua.csv"), 0});
        s.cmdGUARDARTABLA->click();
        QFile::setPermissions(app.dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(app.take().size(), 1);
        EXPECT_EQ(bytesOf(app.path("agua.csv")).toStdString(), csvText(t));
    }

    // Copied under a locale that writes a decimal comma: numbers a spreadsheet there reads.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    s.cmdCOPIAR->click();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(str(app.clipboard), tsvText(t, true));
    const QStringList row = app.clipboard.split('\n')[2].split('\t');
    EXPECT_EQ(row[0], "250,5");
    for (const QString& field : row) EXPECT_FALSE(field.contains('.')) << str(field);
}

// The name typed decides PNG or SVG, whatever the list of kinds shows; a name that asks for
// neither gets the kind chosen, and its ending, added.
TEST(TablesScreen, SavesThePlotAsItsNameSays) {
    App app;
    frmGRAFICAS& s = open(app);
    enter(s, {"250", "400", "10"});
    struct Case {
        const char* typed;
        int kind;  // chosen in the list: 0 PNG, 1 SVG
        const char* saved;
        const char* holds;
    };
    const Case cases[] = {{"x.svg", 0, "x.svg", "SVG"},           {"x.png", 1, "x.png", "PNG"},
                          {"MAYUS.SVG", 0, "MAYUS.SVG", "SVG"},   {"mayus.Png", 1, "mayus.Png", "PNG"},
                          {"sin", 1, "sin.svg", "SVG"},           {"foto.jpg", 0, "foto.jpg.png", "PNG"},
                          {"aire 2.5", 1, "aire 2.5.svg", "SVG"},
                          {"x.svg", 1, "x.svg", "SVG"}};  // replaced as typed: the dialog asked
    for (const Case& c : cases) {
        app.exportAnswers.push_back(ExportDialog::Choice{app.path(c.typed), c.kind});
        s.cmdGUARDARGRAFICA->click();
        EXPECT_TRUE(app.take().isEmpty()) << c.typed;
        EXPECT_EQ(pictureKind(app.path(c.saved)), c.holds) << c.typed;
    }
    EXPECT_FALSE(QFile::exists(app.path("foto.jpg")));
    EXPECT_FALSE(QFile::exists(app.path("x.svg.png")));

    // An ending added makes a name the dialog never asked about: replacing a file of that name
    // is asked first, and refused leaves it as it was.
    writeFile(app.path("viejo.png"), "mine");
    for (const bool replace : {false, true}) {
        app.answers.push_back(replace);
        app.exportAnswers.push_back(ExportDialog::Choice{app.path("viejo"), 0});
        s.cmdGUARDARGRAFICA->click();
        EXPECT_EQ(app.take(), QStringList{ui("mdiGENERAL", "ESTE ARCHIVO YA EXISTE ¿QUIERE SOBREESCRIBIRLO?")});
        EXPECT_EQ(app.titles.takeLast(), ui("mdiGENERAL", "GUARDAR "));
        EXPECT_EQ(pictureKind(app.path("viejo.png")), replace ? "PNG" : "neither: mine");
    }
    EXPECT_FALSE(QFile::exists(app.path("viejo")));
}

// The calculator draws without a display.
TEST(CalculatorPlot, WritesPngAndSvgOfTheChosenSizeWithoutADisplay) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    for (const QString& path : {dir.filePath("aire.png"), dir.filePath("aire.svg")}) {
        QProcess calc;
        calc.setProcessEnvironment(env);
        calc.start(VELM_CALC, {"--family", "GASES", "--fluid", "AIRE", "--sweep", "200:400:1", "--pressure", "101.3",
                               "--db-dir", dir.path(), "--plot", "MIU", "--plot-file", path, "--plot-size", "640x480"});
        ASSERT_TRUE(calc.waitForFinished(30000));
        EXPECT_EQ(calc.exitCode(), 0) << calc.readAllStandardError().toStdString();
        EXPECT_EQ(path.endsWith("png") ? QImage(path).size() : QSvgRenderer(path).defaultSize(), QSize(640, 480));
    }
}
