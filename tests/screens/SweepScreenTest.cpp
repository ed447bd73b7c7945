// The tables-and-plots screen: opened from the menu bar beside everything else, its entries
// refused as the property screen refuses them, its table, its files and the clipboard.
#include "tests/screens/ScreenTest.h"

#include "engine/Messages.h"
#include "engine/SweepText.h"
#include "ui/SweepModel.h"
#include "ui/frmGRAFICAS.h"

#include <QChartView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QProcess>
#include <QSvgRenderer>

#include <set>

#include <unistd.h>

using namespace velm;
using namespace velm::testing;

namespace {

frmGRAFICAS& open(App& app) {
    app.main.mnuTablas->trigger();
    return static_cast<frmGRAFICAS&>(app.main.screens().screen("frmGRAFICAS"));
}

void enter(frmGRAFICAS& s, const QString& from, const QString& to, const QString& step,
           const QString& pressure = "101.3") {
    s.txtDESDE->setText(from);
    s.txtHASTA->setText(to);
    s.txtPASO->setText(step);
    s.txtPRES->setText(pressure);
    s.cmdCALCULAR->click();
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
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
    enter(s, "200", "400", "10");
    EXPECT_EQ(s.model->rowCount(), 21);
    EXPECT_EQ(app.state.TEMP, before.TEMP);
    EXPECT_EQ(app.state.DEN, before.DEN);
    EXPECT_EQ(app.state.FLUIDO, before.FLUIDO);
    EXPECT_TRUE(app.main.mnuGuardar->isEnabled()) << "the menus keep their locks";
    EXPECT_FALSE(app.main.Unidades->menuAction()->isEnabled());

    // Closed and opened again, it shows what it showed.
    s.cmdCERRAR->click();
    EXPECT_FALSE(app.visible("frmGRAFICAS"));
    open(app);
    EXPECT_EQ(s.txtDESDE->text(), "200");
    EXPECT_EQ(s.model->rowCount(), 21);
}

TEST(TablesScreen, ItsAccessKeysClashWithNoMenuAndNoOtherButton) {
    App app;
    std::map<QChar, QStringList> keys;  // letter: every caption that takes it
    const auto note = [&keys](const QString& caption) {
        const qsizetype at = caption.indexOf('&');
        if (at >= 0 && at + 1 < caption.size()) keys[caption[at + 1].toUpper()] << caption;
    };
    for (QAction* a : app.main.menuBar()->actions()) note(a->text());
    for (const char* screen : {"frmPRESENT", "frmVELM2", "frmPRESENT2", "frmVELM1", "frmTABLAS", "frmDATOS",
                               "frmPRUEBA", "frmMODIFICAR"})
        for (QAbstractButton* b : app.main.screens().screen(screen).findChildren<QAbstractButton*>())
            note(b->text());
    EXPECT_EQ(keys['B'], QStringList{"Ta&blas y gráficas"});
    // On its own screen no key takes a letter of the menu bar's, nor another button's.
    std::set<QChar> own;
    for (QAbstractButton* b : open(app).findChildren<QAbstractButton*>()) {
        const QChar key = b->text()[b->text().indexOf('&') + 1].toUpper();
        EXPECT_LT(QString("AUVB").indexOf(key), 0) << str(b->text());
        EXPECT_TRUE(own.insert(key).second) << str(b->text());
    }
}

TEST(TablesScreen, EveryBadEntryGetsItsMessageAnEmptiedFocusedBoxAndNoRows) {
    App app;
    frmGRAFICAS& s = open(app);
    struct Case {
        QStringList texts;  // DESDE HASTA PASO PRESION
        QLineEdit* box;
        std::string message;
    };
    const Case cases[] = {
        {{"x", "400", "10", "101.3"}, s.txtDESDE, std::string(msg::kNotANumber)},
        {{"-1", "400", "10", "101.3"}, s.txtDESDE, std::string(msg::kTemperatureDoesNotExist)},
        {{"300", "", "10", "101.3"}, s.txtHASTA, std::string(msg::kNotANumber)},
        {{"400", "300", "10", "101.3"}, s.txtHASTA, std::string(msg::kFromAboveTo)},
        {{"300", "400", "0", "101.3"}, s.txtPASO, std::string(msg::kBadStep)},
        {{"0", "2e5", "1", "101.3"}, s.txtPASO, msg::tooManyTemperatures(kMaxSweep)},
        {{"300", "400", "10", "-1"}, s.txtPRES, std::string(msg::kNegativePressure)},
    };
    for (const Case& c : cases) {
        enter(s, "300", "400", "10");
        ASSERT_EQ(s.model->rowCount(), 11);
        enter(s, c.texts[0], c.texts[1], c.texts[2], c.texts[3]);
        EXPECT_EQ(app.messages.take(), std::vector<QString>{QString::fromStdString(c.message)}) << str(c.texts.join(' '));
        EXPECT_EQ(c.box->text(), "") << str(c.texts.join(' '));
        EXPECT_TRUE(c.box->hasFocus()) << str(c.texts.join(' '));
        EXPECT_EQ(s.model->rowCount(), 0) << str(c.texts.join(' '));
        EXPECT_FALSE(s.cmdGUARDARTABLA->isEnabled());
    }

    // A table of one point: its message once, no rows.
    FluidStore(app.files, Family::Gases).createTable("SOLO");
    FluidStore(app.files, Family::Gases).appendRow("SOLO", {300, 1, 1, 1, 1, 1, 1, 1});
    open(app);
    s.cboFLUIDO->setCurrentText("SOLO");
    enter(s, "300", "400", "10");
    EXPECT_EQ(app.messages.take(), std::vector<QString>{QString::fromUtf8(msg::kTooFewPoints.data())});
    EXPECT_EQ(s.model->rowCount(), 0);
}

TEST(TablesScreen, ShowsThePropertyScreensTextsAndSaysWhatIsExtrapolated) {
    App app;
    frmGRAFICAS& s = open(app);
    enter(s, "50", "3100", "50");
    ASSERT_EQ(s.model->rowCount(), 62);
    EXPECT_EQ(s.model->index(5, 1).data().toString(), " 1.16011") << "AIRE at 300 K as txtDEN shows it";
    EXPECT_EQ(s.model->index(5, 3).data().toString(), "1.8479E-5");
    EXPECT_EQ(s.model->headerData(1, Qt::Horizontal).toString(), "D (Kg/m^3)");
    EXPECT_EQ(s.model->index(0, 8).data().toString(), "EXTRAPOLADO") << "50 K lies below the table too";
    EXPECT_EQ(s.model->index(1, 8).data().toString(), "CORRELACION");
    EXPECT_EQ(s.model->index(0, 0).data(Qt::BackgroundRole).value<QColor>(),
              SweepModel::colourOf(RowSource::Extrapolated));
    EXPECT_EQ(str(s.lblRESUMEN->text()), summaryText(*s.model->table()));
    EXPECT_TRUE(s.lblRESUMEN->text().startsWith("3 TEMPERATURAS FUERA DEL RANGO")) << str(s.lblRESUMEN->text());
    EXPECT_TRUE(app.messages.take().empty()) << "no message box per row";
}

TEST(TablesScreen, SavesTheTableAndThePlotAndCopiesForASpreadsheet) {
    App app;
    frmGRAFICAS& s = open(app);
    s.cboFAMILIA->setCurrentText("LIQUIDOS");
    s.cboFAMILIA_Click();
    s.cboFLUIDO->setCurrentText("AGUA");
    enter(s, "250", "600", "0.5", "");
    const SweepTable& t = *s.model->table();
    const QDir dir(app.dir.path());

    struct Case {
        QPushButton* button;
        const char* file;
        int kind;
        const char* saved;  // the name written: the kind's ending is added when missing
    };
    for (const Case& c : {Case{s.cmdGUARDARTABLA, "agua", 0, "agua.csv"}, Case{s.cmdGUARDARTABLA, "agua.txt", 1, "agua.txt"},
                          Case{s.cmdGUARDARGRAFICA, "agua", 0, "agua.png"}, Case{s.cmdGUARDARGRAFICA, "g.svg", 1, "g.svg"}}) {
        app.exportDialog.answers.push_back(ExportDialog::Choice{dir.filePath(c.file), c.kind});
        const QSize shown = s.chtGRAFICA->size();
        c.button->click();
        const QString path = dir.filePath(c.saved);
        EXPECT_TRUE(app.messages.take().empty()) << c.saved;
        if (c.button == s.cmdGUARDARTABLA) {
            EXPECT_EQ(contents(path).toStdString(), c.kind == 0 ? csvText(t) : resultsFileText(t)) << c.saved;
        } else if (c.kind == 0) {
            EXPECT_EQ(QImage(path).size(), shown) << c.saved;
        } else {
            QSvgRenderer svg(path);
            EXPECT_TRUE(svg.isValid());
            EXPECT_EQ(svg.defaultSize(), shown);
        }
    }

    // A file that cannot be written: said so, and the old one stands.
    for (QPushButton* b : {s.cmdGUARDARTABLA, s.cmdGUARDARGRAFICA}) {
        const QString missing = dir.filePath("no/existe.csv");
        app.exportDialog.answers.push_back(ExportDialog::Choice{missing, 0});
        b->click();
        const std::vector<QString> shown = app.messages.take();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_TRUE(shown[0].startsWith("NO SE PUDO GUARDAR LA ")) << str(shown[0]);
    }
    if (geteuid() != 0) {  // the superuser writes into a read-only folder regardless
        QFile::setPermissions(app.dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        app.exportDialog.answers.push_back(ExportDialog::Choice{dir.filePath("agua.csv"), 0});
        s.cmdGUARDARTABLA->click();
        QFile::setPermissions(app.dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(app.messages.take().size(), 1u);
        EXPECT_EQ(contents(dir.filePath("agua.csv")).toStdString(), csvText(t));
    }

    // Copied under a locale that writes a decimal comma: numbers a spreadsheet there reads.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    s.cmdCOPIAR->click();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(str(app.clipboard.text), tsvText(t, true));
    const QStringList row = app.clipboard.text.split('\n')[2].split('\t');
    EXPECT_EQ(row[0], "250,5");
    for (const QString& field : row) EXPECT_FALSE(field.contains('.')) << str(field);
}

// The calculator draws without a display.
TEST(CalculatorPlot, WritesPngAndSvgOfTheChosenSizeWithoutADisplay) {
    QTemporaryDir dir;
    for (const char* file : {"aire.png", "aire.svg"}) {
        QProcess calc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        calc.setProcessEnvironment(env);
        const QString path = QDir(dir.path()).filePath(file);
        calc.start(VELM_CALC, {"--family", "GASES", "--fluid", "AIRE", "--sweep", "200:400:1", "--pressure",
                               "101.3", "--db-dir", dir.path(), "--plot", "MIU", "--plot-file", path,
                               "--plot-size", "640x480"});
        ASSERT_TRUE(calc.waitForFinished(30000));
        EXPECT_EQ(calc.exitCode(), 0) << calc.readAllStandardError().toStdString();
        if (QString(file).endsWith("png")) EXPECT_EQ(QImage(path).size(), QSize(640, 480));
        else EXPECT_EQ(QSvgRenderer(path).defaultSize(), QSize(640, 480));
    }
}
