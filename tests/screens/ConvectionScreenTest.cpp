// The convection screen: opened from its menu item beside everything else, a forced and a
// free case derived step by step, its refusals, Copiar and the plot of h.
#include "tests/screens/ScreenTest.h"

#include "engine/Messages.h"
#include "ui/frmCONVECCION.h"

#include <QChart>
#include <QChartView>
#include <QImage>
#include <QMenuBar>

using namespace velm;
using namespace velm::testing;

namespace {

frmCONVECCION& open(App& app) {
    app.main.mnuConveccion->trigger();
    return static_cast<frmCONVECCION&>(app.main.screens().screen("frmCONVECCION"));
}

void choose(QComboBox* box, const QString& text) {
    const int at = box->findText(text);
    ASSERT_GE(at, 0) << str(text);
    box->setCurrentIndex(at);
    emit box->activated(at);
}

// Air over a cylinder of 12.7 mm at 10 m/s, 400 K against 300 K.
void airCylinder(frmCONVECCION& s) {
    choose(s.cboCASO, "CILINDRO EN FLUJO CRUZADO");
    choose(s.cboFAMILIA, "GASES");
    choose(s.cboFLUIDO, "AIRE");
    s.txtTS->setText("400");
    s.txtTINF->setText("300");
    s.txtPRES->setText("101.3");
    s.txtLONGITUD->setText("0.0127");
    s.txtVELOCIDAD->setText("10");
}

}  // namespace

TEST(ConvectionScreen, DerivesAForcedCaseAndCopiesItLeavingTheCalculationAlone) {
    App app;
    app.openFluid("GASES", "AIRE");
    app.evaluate("300", "101.3");
    const Module1 before = app.state;
    frmCONVECCION& s = open(app);
    EXPECT_TRUE(app.visible("frmCONVECCION"));
    EXPECT_TRUE(app.visible("frmVELM1"));
    airCylinder(s);
    EXPECT_TRUE(s.txtVELOCIDAD->isVisibleTo(&s));
    s.cmdCALCULAR->click();
    const QString text = s.txtDERIVACION->toPlainText();
    for (const char* step : {"CASO: CILINDRO EN FLUJO CRUZADO (cylinder)", "TF = (TS + TINF) / 2 = 350 K",
                             "V.AB. (Pa.s) = ", "Re = V D / V.CI. = ", "CORRELACION: CHURCHILL-BERNSTEIN",
                             "h = Nu K / D = ", "W/(m^2.K)", "q = h (TS - TINF) = "})
        EXPECT_TRUE(text.contains(step)) << step << "\n" << str(text);
    EXPECT_TRUE(app.take().isEmpty()) << "no warning in range";
    EXPECT_TRUE(app.state.TEMP == before.TEMP && app.state.DEN == before.DEN && app.state.FLUIDO == before.FLUIDO);
    EXPECT_FALSE(app.main.Unidades->menuAction()->isEnabled()) << "the menus keep their locks";

    ASSERT_TRUE(s.cmdCOPIAR->isEnabled());
    s.cmdCOPIAR->click();
    EXPECT_EQ(app.clipboard, text);
}

TEST(ConvectionScreen, DerivesAFreeCaseWithOneBoxForAllItsWarnings) {
    App app;
    frmCONVECCION& s = open(app);
    choose(s.cboCASO, "PLACA HORIZONTAL, CARA HACIA ARRIBA, CONVECCION LIBRE");
    EXPECT_FALSE(s.txtVELOCIDAD->isVisibleTo(&s));
    EXPECT_TRUE(s.txtPERIMETRO->isVisibleTo(&s));
    choose(s.cboFAMILIA, "LIQUIDOS");
    choose(s.cboFLUIDO, "AGUA");
    choose(s.cboESCALA, "ºC");
    s.txtTS->setText("60");
    s.txtTINF->setText("20");
    s.txtLONGITUD->setText("1");
    s.txtPERIMETRO->setText("4");
    s.cmdCALCULAR->click();
    const QString text = s.txtDERIVACION->toPlainText();
    for (const char* step : {"L = A/P = 0.25 m", "TF = (TS + TINF) / 2 = 40 ºC", "Gr = g BETA |TS - TINF| L^3",
                             "Ra = Gr Pr = ", "CORRELACION: PLACA-HORIZONTAL-0.15"})
        EXPECT_TRUE(text.contains(step)) << step << "\n" << str(text);
    EXPECT_TRUE(app.take().isEmpty());

    // Far outside the range: every warning in one box.
    s.txtLONGITUD->setText("1e6");
    s.txtPERIMETRO->setText("4");
    s.cmdCALCULAR->click();
    const QStringList shown = app.take();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("DE LA CORRELACION PLACA-HORIZONTAL-0.15")) << str(shown[0]);
}

TEST(ConvectionScreen, RefusesABadBoxWithItsMessageAndEmptiesIt) {
    App app;
    frmCONVECCION& s = open(app);
    airCylinder(s);
    s.cmdCALCULAR->click();
    ASSERT_FALSE(s.txtDERIVACION->toPlainText().isEmpty());
    struct Case {
        QLineEdit* box;
        const char* text;
        std::string message;
    };
    const Case cases[] = {{s.txtVELOCIDAD, "x", std::string(msg::kNotANumber)},
                          {s.txtLONGITUD, "0", "EL DIAMETRO DEBE SER MAYOR QUE CERO"},
                          {s.txtVELOCIDAD, "-3", "LA VELOCIDAD DEBE SER MAYOR QUE CERO"},
                          {s.txtTS, "-300", std::string(msg::kTemperatureDoesNotExist)}};
    for (const Case& c : cases) {
        airCylinder(s);
        c.box->setText(c.text);
        s.cmdCALCULAR->click();
        EXPECT_EQ(app.take(), QStringList{QString::fromStdString(c.message)}) << c.text;
        EXPECT_EQ(c.box->text(), "") << c.text;
        EXPECT_TRUE(c.box->hasFocus()) << c.text;
        EXPECT_TRUE(s.txtDERIVACION->toPlainText().isEmpty()) << c.text;
        EXPECT_FALSE(s.cmdCOPIAR->isEnabled());
    }
}

TEST(ConvectionScreen, PlotsHAgainstTheVelocityAndSavesIt) {
    App app;
    frmCONVECCION& s = open(app);
    airCylinder(s);
    choose(s.cboVARIAR, "V (m/s)");
    s.txtDESDE->setText("1");
    s.txtHASTA->setText("20");
    s.txtPASO->setText("0.5");
    s.cmdGRAFICAR->click();
    EXPECT_TRUE(app.take().isEmpty());
    QChart* chart = s.chtGRAFICA->chart();
    ASSERT_FALSE(chart->series().isEmpty());
    EXPECT_EQ(chart->axes(Qt::Horizontal).front()->titleText(), "V (m/s)");
    EXPECT_EQ(chart->axes(Qt::Vertical).front()->titleText(), "h (W/(m^2.K))");

    ASSERT_TRUE(s.cmdGUARDARGRAFICA->isEnabled());
    app.exportAnswers.push_back(ExportDialog::Choice{app.path("h"), 0});
    s.cmdGUARDARGRAFICA->click();
    EXPECT_FALSE(QImage(app.path("h.png")).isNull());

    // A range refused: its message, its box emptied, no plot.
    s.txtPASO->setText("0");
    s.cmdGRAFICAR->click();
    EXPECT_EQ(app.take(), QStringList{QString::fromUtf8(msg::kBadStep.data())});
    EXPECT_TRUE(s.txtPASO->text().isEmpty());
    EXPECT_FALSE(s.cmdGUARDARGRAFICA->isEnabled());
}

// Its menu key is no other's; its own keys take no letter of the menu bar's nor of each other.
TEST(ConvectionScreen, ItsAccessKeysClashWithNoMenu) {
    App app;
    const auto keys = [](const auto& captioned) {
        QString k;
        for (auto* c : captioned)
            if (const qsizetype at = c->text().indexOf('&'); at >= 0) k += c->text()[at + 1].toUpper();
        return k;
    };
    const QString menu = keys(app.main.menuBar()->actions()), own = keys(open(app).findChildren<QAbstractButton*>());
    EXPECT_EQ(menu, "AUVBJ");
    for (const QChar k : own) EXPECT_EQ(own.count(k) + menu.count(k), 1) << str(own);
    for (const QChar k : QStringLiteral("HU")) EXPECT_FALSE(own.contains(k)) << "kept for the Help menu";
}
