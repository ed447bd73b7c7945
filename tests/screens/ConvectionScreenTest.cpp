// The convection screen: opened from its menu item beside everything else, a forced and a
// free case derived step by step, its refusals, Copiar and the plot of h.
#include "tests/i18n/TsFile.h"
#include "tests/screens/ScreenTest.h"

#include "i18n/MessageText.h"
#include "ui/frmCONVECCION.h"
#include "ui/toolkit/Controls.h"

#include <QChart>
#include <QChartView>
#include <QMenuBar>
#include <QRegularExpression>

using namespace velm;
using namespace velm::testing;

namespace {

frmCONVECCION& open(App& app) {
    app.main.mnuConveccion->trigger();
    return static_cast<frmCONVECCION&>(app.main.screens().screen("frmCONVECCION"));
}

// A text of the convection layer as the interface shows it.
QString conv(const char* source, std::initializer_list<QString> values = {}) {
    return ui("velm::convection", source, values);
}

void choose(QComboBox* box, const QString& text) {
    const int at = box->findText(text);
    ASSERT_GE(at, 0) << str(text);
    box->setCurrentIndex(at);
    emit box->activated(at);
}

// A family or a fluid by its own name: the lists show it in the interface's language.
void pick(QComboBox* box, const QString& name) {
    const int at = box->findData(name);
    ASSERT_GE(at, 0) << str(name);
    box->setCurrentIndex(at);
    emit box->activated(at);
}

// Air over a cylinder of 12.7 mm at 10 m/s, 400 K against 300 K.
void airCylinder(frmCONVECCION& s) {
    choose(s.cboCASO, conv("CILINDRO EN FLUJO CRUZADO"));
    pick(s.cboFAMILIA, "GASES");
    pick(s.cboFLUIDO, "AIRE");
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
    const QString kinematic = ui("velm::units", "V.CI.");
    for (const QString& step : {conv("CASO: %1 (%2)", {conv("CILINDRO EN FLUJO CRUZADO"), "cylinder"}),
                                QStringLiteral("TF = (TS + TINF) / 2 = 350 K"),
                                ui("velm::units", "V.AB.") + " (Pa.s) = ", "Re = V D / " + kinematic + " = ",
                                conv("CORRELACION: %1", {"CHURCHILL-BERNSTEIN"}), QStringLiteral("h = Nu K / D = "),
                                QStringLiteral("W/(m^2.K)"), QStringLiteral("q = h (TS - TINF) = ")})
        EXPECT_TRUE(text.contains(step)) << str(step) << "\n" << str(text);
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
    choose(s.cboCASO, conv("PLACA HORIZONTAL, CARA HACIA ARRIBA, CONVECCION LIBRE"));
    EXPECT_FALSE(s.txtVELOCIDAD->isVisibleTo(&s));
    EXPECT_TRUE(s.txtPERIMETRO->isVisibleTo(&s));
    pick(s.cboFAMILIA, "LIQUIDOS");
    pick(s.cboFLUIDO, "AGUA");
    choose(s.cboESCALA, "ºC");
    s.txtTS->setText("60");
    s.txtTINF->setText("20");
    s.txtLONGITUD->setText("1");
    s.txtPERIMETRO->setText("4");
    s.cmdCALCULAR->click();
    const QString text = s.txtDERIVACION->toPlainText();
    for (const QString& step : {QStringLiteral("L = A/P = 0.25 m"), QStringLiteral("TF = (TS + TINF) / 2 = 40 ºC"),
                                QStringLiteral("Gr = g BETA |TS - TINF| L^3"), QStringLiteral("Ra = Gr Pr = "),
                                conv("CORRELACION: %1", {"PLACA-HORIZONTAL-0.15"})})
        EXPECT_TRUE(text.contains(step)) << str(step) << "\n" << str(text);
    EXPECT_TRUE(app.take().isEmpty());

    // Far outside the range: every warning in one box.
    s.txtLONGITUD->setText("1e6");
    s.txtPERIMETRO->setText("4");
    s.cmdCALCULAR->click();
    const QStringList shown = app.take();
    ASSERT_EQ(shown.size(), 1);
    // The words of the warning that lead up to the correlation's name.
    const QString outside = conv("%1 = %2 SE ENCUENTRA FUERA DEL RANGO DE LA CORRELACION %3 ( %4 ) ,   SE CALCULARA DE "
                                 "TODOS MODOS (POCO RECOMENDABLE)")
                                .section("%2", 1)
                                .section("%3", 0, 0);
    EXPECT_TRUE(shown[0].contains(outside + "PLACA-HORIZONTAL-0.15")) << str(shown[0]);
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
        QString message;
    };
    const Case cases[] = {{s.txtVELOCIDAD, "x", ui(message(MessageId::NotANumber))},
                          {s.txtLONGITUD, "0", conv("EL DIAMETRO DEBE SER MAYOR QUE CERO")},
                          {s.txtVELOCIDAD, "-3", conv("LA VELOCIDAD DEBE SER MAYOR QUE CERO")},
                          {s.txtTS, "-300", ui(message(MessageId::TemperatureDoesNotExist))}};
    for (const Case& c : cases) {
        airCylinder(s);
        c.box->setText(c.text);
        s.cmdCALCULAR->click();
        EXPECT_EQ(app.take(), QStringList{c.message}) << c.text;
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
    choose(s.cboVARIAR, "V (m/s)");  // SI units: the same in both languages
    s.txtDESDE->setText("1");
    s.txtHASTA->setText("20");
    s.txtPASO->setText("0.5");
    s.cmdGRAFICAR->click();
    EXPECT_TRUE(app.take().isEmpty());
    QChart* chart = s.chtGRAFICA->chart();
    ASSERT_FALSE(chart->series().isEmpty());
    EXPECT_EQ(chart->axes(Qt::Horizontal).front()->titleText(), "V (m/s)");
    EXPECT_EQ(chart->axes(Qt::Vertical).front()->titleText(), "h (W/(m^2.K))");

    // The name typed decides PNG or SVG, whatever kind the list shows.
    ASSERT_TRUE(s.cmdGUARDARGRAFICA->isEnabled());
    const struct {
        const char* typed;
        int kind;  // 0 PNG, 1 SVG
        const char* saved;
        const char* head;
    } saves[] = {{"h", 0, "h.png", "\x89PNG"}, {"h.svg", 0, "h.svg", "<?xml"}, {"h2.PNG", 1, "h2.PNG", "\x89PNG"}};
    for (const auto& c : saves) {
        app.exportAnswers.push_back(ExportDialog::Choice{app.path(c.typed), c.kind});
        s.cmdGUARDARGRAFICA->click();
        EXPECT_TRUE(bytesOf(app.path(c.saved)).startsWith(c.head)) << c.typed;
    }
    EXPECT_TRUE(app.take().isEmpty());

    // A range refused: its message, its box emptied, no plot.
    s.txtPASO->setText("0");
    s.cmdGRAFICAR->click();
    EXPECT_EQ(app.take(), QStringList{ui(message(MessageId::BadStep))});
    EXPECT_TRUE(s.txtPASO->text().isEmpty());
    EXPECT_FALSE(s.cmdGUARDARGRAFICA->isEnabled());
}

// A built-in fluid shows its English name in English, as on the other screens; its title
// alone is chosen, computed for and kept when the list is made again.
TEST(ConvectionScreen, ListsFluidsAsTheOtherScreensAndComputesForTheTitle) {
    App app;
    FluidStore(app.files, Family::Gases).createTable("MI GAS");
    frmCONVECCION& s = open(app);
    const bool english = ui("mdiGENERAL", "&Archivo") != "&Archivo";
    EXPECT_EQ(str(s.cboFLUIDO->itemText(0)), english ? "AIRE (air)" : "AIRE");
    EXPECT_EQ(str(s.cboFLUIDO->itemText(s.cboFLUIDO->count() - 1)), "MI GAS");

    airCylinder(s);
    choose(s.cboFLUIDO, english ? "AIRE (air)" : "AIRE");
    s.cmdCALCULAR->click();
    EXPECT_TRUE(app.take().isEmpty());
    const QString fluid = conv("FLUIDO: %1 (GASES) A UNA PRESION ABSOLUTA DE %2 %3").section("%2", 0, 0);
    const QString text = s.txtDERIVACION->toPlainText();
    EXPECT_TRUE(text.contains(filled(fluid, {"AIRE"}))) << str(text);

    // Closed and opened again, the list is made anew and the fluid chosen stays chosen.
    pick(s.cboFLUIDO, "AMONIACO");
    s.cmdCERRAR->click();
    open(app);
    EXPECT_EQ(str(chosenTitle(s.cboFLUIDO)), "AMONIACO");
}

// Its menu key is no other's; its own keys take no letter of the menu bar's nor of each other,
// in either language.
TEST(ConvectionScreen, ItsAccessKeysClashWithNoMenu) {
    App app;
    const auto keys = [](const auto& captioned) {
        QString k;
        for (auto* c : captioned)
            if (const qsizetype at = c->text().indexOf('&'); at >= 0) k += c->text()[at + 1].toUpper();
        return k;
    };
    const QString menu = keys(app.main.menuBar()->actions()), own = keys(open(app).findChildren<QAbstractButton*>());
    EXPECT_EQ(menu, menu.startsWith('F') ? "FUVBXH" : "AUVBJY");
    for (const QChar k : own) EXPECT_EQ(own.count(k) + menu.count(k), 1) << str(own);
}

// In English neither the derivation nor its warnings keep a word of a Spanish source text:
// every case's lines, both families, both unit systems, the tube's choices and the range
// warnings. Names that are data (case, correlation and fluid names) stay as they are.
TEST(ConvectionScreen, InEnglishTheDerivationKeepsNoSpanish) {
    if (ui("mdiGENERAL", "&Archivo") == "&Archivo") GTEST_SKIP() << "the Spanish run";
    // The words of every source text whose translation differs, split at its placeholders.
    // A part is found only as whole words: "V.AB." is not in "V.ABS.".
    std::vector<QRegularExpression> spanish;
    for (const auto& [key, entry] : readTs(QStringLiteral(VELM_TS)))
        if ((key.first == "velm::convection" || key.first == "velm::units" || key.first == "velm::msg") &&
            entry.translation != key.second)
            for (const QString& part : key.second.split(QRegularExpression("%[1-9]")))
                if (part.trimmed().size() >= 3 && part.contains(QRegularExpression("[A-Za-z]{2}")))
                    spanish.emplace_back("(?<![A-Za-z])" + QRegularExpression::escape(part.trimmed()) + "(?![A-Za-z])");
    ASSERT_GT(spanish.size(), 40u);

    struct Setup {
        const char* kase;
        const char* family;
        const char* fluid;
        bool english;
        QStringList boxes;  // Ts, T∞, length, perimeter, velocity, pressure
        int tube;           // the tube's correlation and wall condition, as listed
    };
    const Setup setups[] = {
        {"ESFERA EN FLUJO EXTERNO", "GASES", "AIRE", true, {"200", "80", "0.5", "", "10", "14.7"}, 0},
        {"PLACA VERTICAL, CONVECCION LIBRE", "GASES", "AIRE", true, {"200", "80", "2", "", "", "14.7"}, 0},
        {"FLUJO INTERNO EN UN TUBO", "LIQUIDOS", "AGUA", false, {"350", "300", "0.05", "", "2", ""}, 1},
        {"FLUJO INTERNO EN UN TUBO", "LIQUIDOS", "AGUA", true, {"120", "80", "0.1", "", "0.001", ""}, 1},
        {"PLACA HORIZONTAL, CARA HACIA ABAJO, CONVECCION LIBRE", "LIQUIDOS", "AGUA", false,
         {"330", "300", "1e4", "4", "", ""}, 0},
    };
    App app;
    frmCONVECCION& s = open(app);
    for (const Setup& c : setups) {
        choose(s.cboCASO, conv(c.kase));
        pick(s.cboFAMILIA, c.family);
        pick(s.cboFLUIDO, c.fluid);
        choose(s.cboUNIDADES, ui("frmCONVECCION", c.english ? "INGLES" : "SI"));
        s.cboCORRELACION->setCurrentIndex(c.tube);
        s.cboCONDICION->setCurrentIndex(c.tube);
        int i = 0;
        for (QLineEdit* box : {s.txtTS, s.txtTINF, s.txtLONGITUD, s.txtPERIMETRO, s.txtVELOCIDAD, s.txtPRES})
            box->setText(c.boxes[i++]);
        s.cmdCALCULAR->click();
        const QString text = s.txtDERIVACION->toPlainText() + app.take().join('\n');
        ASSERT_TRUE(text.contains("Nu = ")) << c.kase << "\n" << str(text);
        for (const QRegularExpression& words : spanish)
            EXPECT_FALSE(text.contains(words)) << str(words.pattern()) << "\n" << str(text);
    }
}
