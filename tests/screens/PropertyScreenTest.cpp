#include "tests/screens/ScreenTest.h"

#include "engine/Messages.h"

#include <QFile>
#include <QLabel>

using namespace velm::testing;

namespace {

const char* const kCycleControls[] = {"txtTEMP", "cmdACEPTAR", "txtPRES",  "cmdPRES",
                                      "cmdMOSTRAR", "cmdNUEVA", "cmdOTRO", "cmdSALIR"};

// The enabled controls of the property screen, in the order above.
std::string enabled(App& app) {
    std::string s;
    for (const char* name : kCycleControls)
        if (app.find("frmVELM1", name)->isEnabled()) s += std::string(name) + " ";
    return s;
}

}  // namespace

TEST(PropertyScreen, AirAt300KelvinThroughTheWholeEnableCycle) {
    App app;
    EXPECT_EQ(app.main.windowTitle(), "   VELMORANTES");
    EXPECT_TRUE(app.main.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(app.state.UNIDADES, "SI");
    app.openFluid("GASES", "AIRE");
    ASSERT_TRUE(app.visible("frmVELM1"));
    EXPECT_EQ(app.main.screens().screen("frmVELM1").windowTitle(), "AIRE");
    EXPECT_FALSE(app.main.Unidades->isEnabled());

    struct Step {
        const char* what;
        std::function<void()> act;
        const char* enabled;
        bool guardar;
    };
    const Step steps[] = {
        {"loaded", [] {}, "txtTEMP cmdACEPTAR cmdSALIR ", false},
        {"temperature accepted",
         [&] {
             app.type("frmVELM1", "txtTEMP", "300");
             app.click("frmVELM1", "cmdACEPTAR");
         },
         "txtPRES cmdPRES cmdSALIR ", false},
        {"pressure refused",
         [&] {
             app.type("frmVELM1", "txtPRES", "-1");
             app.click("frmVELM1", "cmdPRES");
         },
         "txtPRES cmdPRES cmdSALIR ", false},
        {"pressure accepted",
         [&] {
             app.type("frmVELM1", "txtPRES", "101.3");
             app.click("frmVELM1", "cmdPRES");
         },
         "cmdMOSTRAR cmdSALIR ", false},
        {"results shown", [&] { app.click("frmVELM1", "cmdMOSTRAR"); }, "cmdNUEVA cmdOTRO cmdSALIR ", true},
        {"new temperature", [&] { app.click("frmVELM1", "cmdNUEVA"); }, "txtTEMP cmdACEPTAR cmdSALIR ", false},
        {"temperature refused",
         [&] {
             app.type("frmVELM1", "txtTEMP", "-300");
             app.click("frmVELM1", "cmdACEPTAR");
         },
         "txtTEMP cmdACEPTAR cmdSALIR ", false},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(enabled(app), step.enabled) << step.what;
        EXPECT_EQ(app.main.mnuGuardar->isEnabled(), step.guardar) << step.what;
        if (std::string(step.what) == "results shown") {
            EXPECT_EQ(app.text("frmVELM1", "txtDEN"), " 1.16011");
            EXPECT_EQ(app.text("frmVELM1", "txtVAB"), "1.8479E-5");
            EXPECT_EQ(app.text("frmVELM1", "txtNUM"), "0.7085");
        }
        if (std::string(step.what) == "new temperature") {
            EXPECT_EQ(app.text("frmVELM1", "txtDEN"), "");
            EXPECT_EQ(app.text("frmVELM1", "txtPRES"), "101.3") << "the pressure stays";
        }
    }
    EXPECT_EQ(app.messages.take(),
              (std::vector<QString>{"LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!",
                                    "ESTA TEMPERATURA NO EXISTE "}));

    app.click("frmVELM1", "cmdSALIR");
    EXPECT_FALSE(app.visible("frmVELM1"));
    EXPECT_TRUE(app.main.Unidades->isEnabled());
    EXPECT_FALSE(app.main.mnuGuardar->isEnabled());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(app.main.screens().isLoaded("frmVELM1"));
}

TEST(PropertyScreen, EnglishUnitsFromTheMenu) {
    App app;
    app.main.mnuSingles->trigger();
    EXPECT_EQ(app.state.UNIDADES, "INGLES");
    EXPECT_FALSE(app.main.Unidades->isEnabled());
    app.openFluid("GASES", "AIRE");
    auto* scale = app.find<QComboBox>("frmVELM1", "Combo1");
    ASSERT_EQ(scale->count(), 1);
    EXPECT_EQ(scale->currentText(), "ºF");
    const std::pair<const char*, const char*> units[] = {
        {"Label14", "Lb/pie^3"}, {"Label15", "Btu/(Lb.ºF)"},    {"Label17", "(psi)"},
        {"Label10", "Lbf.s/pie^2"}, {"Label11", "pie^2/s"}, {"Label12", "Btu/(h.pie.ºF)"},
        {"Label13", "pie^2/s"},  {"Label20", "1/ºF"}};
    for (const auto& [label, unit] : units) EXPECT_EQ(app.find<QLabel>("frmVELM1", label)->text(), unit) << label;
    app.evaluate("80.6", "14.696");  // 300 K and 101.3 kPa
    EXPECT_EQ(app.text("frmVELM1", "txtDEN"), " 0.07242");
    EXPECT_EQ(app.text("frmVELM1", "txtNUM"), "0.7085");
}

TEST(PropertyScreen, EveryRefusalAndWarningInTheProgramsWords) {
    struct Case {
        const char* family;
        const char* fluid;
        const char* temperature;
        const char* scale;
        const char* pressure;  // nullptr: not reached
        std::vector<QString> messages;
        const char* enabledAfter;
    };
    const Case cases[] = {
        {"GASES", "AIRE", "abc", "K", nullptr, {" DEBE INTRODUCIR UN NUMERO"}, "txtTEMP cmdACEPTAR cmdSALIR "},
        {"GASES", "AIRE", "", "K", nullptr, {" DEBE INTRODUCIR UN NUMERO"}, "txtTEMP cmdACEPTAR cmdSALIR "},
        {"GASES", "AIRE", "-459.67", "ºC", nullptr, {"ESTA TEMPERATURA NO EXISTE "}, "txtTEMP cmdACEPTAR cmdSALIR "},
        {"GASES", "AIRE", "300", "K", "x", {" DEBE INTRODUCIR UN NUMERO"}, "txtPRES cmdPRES cmdSALIR "},
        {"GASES", "AIRE", "3001", "K", nullptr,
         {"ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) AIRE  ( 100K <= T "
          "<= 3000K ) ,   SE EXTRAPOLARA (POCO RECOMENDABLE)"},
         "txtPRES cmdPRES cmdSALIR "},
        {"LIQUIDOS", "AMONIACO", "400", "K", nullptr,
         {"ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) AMONIACO  ( 223K <= "
          "T <= 323K ) ,   SE EXTRAPOLARA (POCO RECOMENDABLE)"},
         "cmdMOSTRAR cmdSALIR "},
        {"GASES", "AMONIACO", "400", "K", nullptr, {}, "txtPRES cmdPRES cmdSALIR "},
    };
    for (const Case& c : cases) {
        App app;
        app.openFluid(c.family, c.fluid);
        app.find<QComboBox>("frmVELM1", "Combo1")->setCurrentText(QString::fromUtf8(c.scale));
        app.type("frmVELM1", "txtTEMP", QString::fromUtf8(c.temperature));
        app.click("frmVELM1", "cmdACEPTAR");
        if (c.pressure) {
            app.type("frmVELM1", "txtPRES", QString::fromUtf8(c.pressure));
            app.click("frmVELM1", "cmdPRES");
        }
        const std::string row = std::string(c.fluid) + " " + c.temperature + " " + c.scale;
        EXPECT_EQ(app.messages.take(), c.messages) << row;
        EXPECT_EQ(enabled(app), c.enabledAfter) << row;
    }
}

TEST(PropertyScreen, ZeroPressureIsReportedAndTheUserTypesAnother) {
    App app;
    app.openFluid("GASES", "AIRE");
    app.evaluate("300", "0");
    EXPECT_EQ(app.messages.take(), std::vector<QString>{QString::fromUtf8(velm::msg::kZeroPressure.data())});
    EXPECT_EQ(enabled(app), "txtPRES cmdPRES cmdSALIR ");
    EXPECT_EQ(app.text("frmVELM1", "txtDEN"), "");
    EXPECT_FALSE(app.main.mnuGuardar->isEnabled());
    app.type("frmVELM1", "txtPRES", "101.3");
    app.click("frmVELM1", "cmdPRES");
    app.click("frmVELM1", "cmdMOSTRAR");
    EXPECT_EQ(app.text("frmVELM1", "txtDEN"), " 1.16011");
}

TEST(PropertyScreen, LiquidsShowTheExpansionRowAndNoPressure) {
    App app;
    app.openFluid("LIQUIDOS", "AGUA");
    EXPECT_FALSE(app.find("frmVELM1", "txtPRES")->isVisible());
    EXPECT_TRUE(app.find("frmVELM1", "txtBETA")->isVisible());
    app.evaluate("27", QString());  // ºC is not chosen: 27 K is outside water's range
    EXPECT_EQ(app.messages.take().size(), 1u) << "the range warning only: no second one";
    app.click("frmVELM1", "cmdNUEVA");
    app.find<QComboBox>("frmVELM1", "Combo1")->setCurrentText("ºC");
    app.evaluate("27");
    EXPECT_TRUE(app.messages.take().empty());
    EXPECT_EQ(app.text("frmVELM1", "txtCP"), "4.17852");
    EXPECT_EQ(app.text("frmVELM1", "txtBETA"), "2.8092E-4");
}

TEST(PropertyScreen, OtherFluidLeadsBackToTheFamilyScreen) {
    App app;
    app.openFluid("GASES", "AIRE");
    app.evaluate("300", "101.3");
    app.click("frmVELM1", "cmdOTRO");
    EXPECT_FALSE(app.visible("frmVELM1"));
    EXPECT_TRUE(app.visible("frmPRESENT"));
    EXPECT_FALSE(app.main.mnuGuardar->isEnabled());
    EXPECT_EQ(app.state.FAMILIA, velm::Family::Gases);
    EXPECT_EQ(app.state.FLUIDO, "AIRE");
    for (const char* box : {"txtTEMP", "txtPRES", "txtDEN", "txtNUM"}) EXPECT_EQ(app.text("frmVELM1", box), "") << box;
    app.click("frmPRESENT", "cmdLIQUIDOS");
    app.chooseFluid("GLICOL");
    EXPECT_EQ(app.main.screens().screen("frmVELM1").windowTitle(), "GLICOL");
    EXPECT_EQ(enabled(app), "txtTEMP cmdACEPTAR cmdSALIR ");
}

TEST(PropertyScreen, ATableOfFewerThanTwoPointsStopsAndReturnsToTheFamilies) {
    App app;
    velm::FluidStore gases(app.files, velm::Family::Gases);
    gases.createTable("UNO");
    gases.appendRow("UNO", {300, 1, 1, 1, 1, 1, 1, 1});
    app.openFluid("GASES", "UNO");
    app.evaluate("350", "101.3");
    EXPECT_EQ(app.messages.take(),
              std::vector<QString>{QString::fromUtf8(velm::msg::kTooFewPoints.data())});
    EXPECT_FALSE(app.visible("frmVELM1"));
    EXPECT_TRUE(app.visible("frmPRESENT"));
    EXPECT_FALSE(app.main.mnuGuardar->isEnabled());
    EXPECT_EQ(enabled(app), "txtTEMP cmdACEPTAR cmdNUEVA cmdOTRO cmdSALIR ");
    EXPECT_EQ(app.text("frmVELM1", "txtTEMP"), "");
    EXPECT_EQ(app.text("frmVELM1", "txtPRES"), "");
}

TEST(PropertyScreen, ATableThatCannotBeReadIsReportedAndAnotherFluidStaysWithinReach) {
    App app;
    velm::FluidStore gases(app.files, velm::Family::Gases);
    gases.createTable("EFIMERA");
    app.openFluid("GASES", "EFIMERA");
    gases.deleteTable("EFIMERA");  // gone between the choice and the evaluation
    app.evaluate("300", "101.3");
    EXPECT_EQ(app.messages.take(), std::vector<QString>{"LA TABLA EFIMERA NO EXISTE EN EL ARCHIVO GASES.mdb"});
    EXPECT_EQ(enabled(app), "txtTEMP cmdACEPTAR cmdOTRO cmdSALIR ");
    EXPECT_FALSE(app.main.mnuGuardar->isEnabled());
    app.click("frmVELM1", "cmdOTRO");
    EXPECT_TRUE(app.visible("frmPRESENT"));
}
