#include "tests/screens/ScreenTest.h"

#include "i18n/MessageText.h"

#include <QLabel>

using namespace velm::testing;

namespace {

// The enabled controls of the property screen, in a fixed order.
std::string enabled(App& app) {
    std::string s;
    for (const char* name :
         {"txtTEMP", "cmdACEPTAR", "txtPRES", "cmdPRES", "cmdMOSTRAR", "cmdNUEVA", "cmdOTRO", "cmdSALIR"})
        if (app.find("frmVELM1", name)->isEnabled()) s += std::string(name) + " ";
    return s;
}

}  // namespace

// The enable cycle of one calculation, then another fluid of the other family.
TEST(PropertyScreen, AirAt300KelvinThroughTheWholeEnableCycle) {
    App app;
    app.openFluid("GASES", "AIRE");
    EXPECT_EQ(app.main.screens().screen("frmVELM1").windowTitle(), "AIRE");
    EXPECT_FALSE(app.main.Unidades->isEnabled());
    struct Step {
        const char* box;  // nullptr: nothing typed
        const char* typed;
        const char* button;
        const char* enabled;
        bool shown;  // the results, and the menu that saves them
    };
    const Step steps[] = {
        {nullptr, "", nullptr, "txtTEMP cmdACEPTAR cmdSALIR ", false},
        {"txtTEMP", "300", "cmdACEPTAR", "txtPRES cmdPRES cmdSALIR ", false},
        {"txtPRES", "-1", "cmdPRES", "txtPRES cmdPRES cmdSALIR ", false},
        {"txtPRES", "101.3", "cmdPRES", "cmdMOSTRAR cmdSALIR ", false},
        {nullptr, "", "cmdMOSTRAR", "cmdNUEVA cmdOTRO cmdSALIR ", true},
        {nullptr, "", "cmdNUEVA", "txtTEMP cmdACEPTAR cmdSALIR ", false},
        {"txtTEMP", "-300", "cmdACEPTAR", "txtTEMP cmdACEPTAR cmdSALIR ", false},
        {"txtTEMP", "300", "cmdACEPTAR", "txtPRES cmdPRES cmdSALIR ", false},
        {nullptr, "", "cmdPRES", "cmdMOSTRAR cmdSALIR ", false},  // the pressure stays
        {nullptr, "", "cmdMOSTRAR", "cmdNUEVA cmdOTRO cmdSALIR ", true},
        {nullptr, "", "cmdOTRO", "txtTEMP cmdACEPTAR cmdSALIR ", false},
    };
    for (const Step& s : steps) {
        if (s.box) app.type("frmVELM1", s.box, s.typed);
        if (s.button) app.click("frmVELM1", s.button);
        const std::string what = std::string(s.button ? s.button : "loaded") + " " + s.typed;
        EXPECT_EQ(enabled(app), s.enabled) << what;
        EXPECT_EQ(app.main.mnuGuardar->isEnabled(), s.shown) << what;
        EXPECT_EQ(app.text("frmVELM1", "txtDEN"), s.shown ? " 1.16011" : "") << what;
        if (s.shown) {
            EXPECT_EQ(app.text("frmVELM1", "txtVAB"), "1.8479E-5");
            EXPECT_EQ(app.text("frmVELM1", "txtNUM"), "0.7085");
        }
    }
    EXPECT_EQ(app.take(), (QStringList{ui("velm::msg", "LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!"), ui("velm::msg", "ESTA TEMPERATURA NO EXISTE ")}));
    EXPECT_FALSE(app.visible("frmVELM1"));
    EXPECT_EQ(app.text("frmVELM1", "txtTEMP") + app.text("frmVELM1", "txtPRES"), "");
    app.click("frmPRESENT", "cmdLIQUIDOS");
    app.chooseFluid("GLICOL");
    EXPECT_EQ(app.main.screens().screen("frmVELM1").windowTitle(), "GLICOL");
    EXPECT_EQ(enabled(app), "txtTEMP cmdACEPTAR cmdSALIR ");
    app.evaluate("300");
    ASSERT_TRUE(app.main.mnuGuardar->isEnabled());

    app.click("frmVELM1", "cmdSALIR");
    EXPECT_FALSE(app.visible("frmVELM1"));
    EXPECT_TRUE(app.main.Unidades->isEnabled());
    EXPECT_FALSE(app.main.mnuGuardar->isEnabled());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(app.main.screens().isLoaded("frmVELM1"));
}

// English units: the screen's scale and captions, the values shown and the line saved.
TEST(PropertyScreen, EnglishUnitsFromTheMenu) {
    App app;
    app.main.mnuSingles->trigger();
    app.openFluid("GASES", "AIRE");
    EXPECT_EQ(app.listed("frmVELM1", "Combo1"), QStringList{"ºF"});
    EXPECT_EQ(app.find<QLabel>("frmVELM1", "Label14")->text(), ui("velm::units", "Lb/pie^3"));
    EXPECT_EQ(app.find<QLabel>("frmVELM1", "Label17")->text(), "(psi)");
    app.evaluate("80.6", "14.696");  // 300 K and 101.3 kPa
    EXPECT_EQ(app.text("frmVELM1", "txtDEN"), " 0.07242");
    EXPECT_EQ(app.text("frmVELM1", "txtNUM"), "0.7085");
    app.saveAnswers = {app.path("ingles.txt")};
    app.main.mnuGuardar->trigger();
    const QByteArray saved = bytesOf(app.path("ingles.txt"));
    EXPECT_TRUE(saved.startsWith("\"T (\xBA" "F)\",\"D (Lb/pie^3)\",")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("\r\n80.6,0.0724")) << saved.toStdString();
}

// An evaluation that cannot show results says why, and leaves the user a way on.
TEST(PropertyScreen, AnEvaluationWithoutResultsSaysWhyAndLeadsOn) {
    struct Case {
        const char* fluid;
        int points;            // rows of a table made for the case; -1: a shipped fluid
        bool deletedMeantime;  // the table is gone between the choice and the evaluation
        const char* pressure;
        QString message;
        const char* screen;  // shown afterwards
        const char* enabledAfter;
        const char* boxes;  // temperature|pressure afterwards
    };
    const Case cases[] = {
        {"AIRE", -1, false, "0", ui(velm::message(velm::MessageId::ZeroPressure)), "frmVELM1", "txtPRES cmdPRES cmdSALIR ", "350|"},
        {"UNO", 1, false, "101.3", ui(velm::message(velm::MessageId::TooFewPoints)), "frmPRESENT",
         "txtTEMP cmdACEPTAR cmdNUEVA cmdOTRO cmdSALIR ", "|"},
        {"EFIMERA", 0, true, "101.3", ui("velm::msg", "LA TABLA %1 NO EXISTE EN EL ARCHIVO %2", {"EFIMERA", "GASES.mdb"}), "frmVELM1",
         "txtTEMP cmdACEPTAR cmdOTRO cmdSALIR ", "|101.3"},
    };
    for (const Case& c : cases) {
        App app;
        velm::FluidStore gases(app.files, velm::Family::Gases);
        if (c.points >= 0) gases.createTable(c.fluid);
        for (int i = 0; i < c.points; ++i) gases.appendRow(c.fluid, {300, 1, 1, 1, 1, 1, 1, 1});
        app.openFluid("GASES", c.fluid);
        if (c.deletedMeantime) gases.deleteTable(c.fluid);
        app.evaluate("350", c.pressure);
        EXPECT_EQ(app.take(), QStringList{c.message}) << c.fluid;
        EXPECT_TRUE(app.visible(c.screen)) << c.fluid;
        EXPECT_EQ(enabled(app), c.enabledAfter) << c.fluid;
        EXPECT_EQ(app.text("frmVELM1", "txtTEMP") + "|" + app.text("frmVELM1", "txtPRES"), c.boxes) << c.fluid;
        EXPECT_EQ(app.text("frmVELM1", "txtDEN"), "") << c.fluid;
        EXPECT_FALSE(app.main.mnuGuardar->isEnabled()) << c.fluid;
    }
}

TEST(PropertyScreen, LiquidsShowTheExpansionRowAndNoPressure) {
    App app;
    app.openFluid("LIQUIDOS", "AGUA");
    EXPECT_FALSE(app.find("frmVELM1", "txtPRES")->isVisible());
    EXPECT_TRUE(app.find("frmVELM1", "txtBETA")->isVisible());
    app.evaluate("27");  // ºC is not chosen: 27 K is outside water's range, and warned of once
    EXPECT_EQ(app.take(), QStringList{ui("velm::msg", "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) "
                                                      "%1 %2 ,   SE EXTRAPOLARA (POCO RECOMENDABLE)",
                                         {"AGUA", " ( 273K <= T <= 573K )"})});
    app.click("frmVELM1", "cmdNUEVA");
    app.find<QComboBox>("frmVELM1", "Combo1")->setCurrentText("ºC");
    app.evaluate("27");
    EXPECT_TRUE(app.take().empty());
    EXPECT_EQ(app.text("frmVELM1", "txtCP"), "4.17852");
    EXPECT_EQ(app.text("frmVELM1", "txtBETA"), "2.8092E-4");
    app.saveAnswers = {app.path("agua.txt")};
    app.main.mnuGuardar->trigger();
    const QList<QByteArray> lines = bytesOf(app.path("agua.txt")).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("\"T (\xBA" "C)\"") && lines[0].endsWith(",\"Pr\",\"BETA (1/K)\"\r"))
        << lines[0].data();
    EXPECT_EQ(lines[1].count(','), 8) << "nine values";
}
