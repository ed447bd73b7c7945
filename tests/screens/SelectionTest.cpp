// The main window's menus and the screens that choose a family and a fluid, an old Access
// file among them.
#include "tests/legacy/Fixtures.h"
#include "tests/screens/ScreenTest.h"

#include "legacy/LegacyMessages.h"
#include "ui/frmFluidChoice.h"

using namespace velm::testing;
using velm::Family;

TEST(MainWindow, MenusAndTheirLocks) {
    App app;
    EXPECT_EQ(app.main.windowTitle(), "   VELMORANTES");
    EXPECT_TRUE(app.main.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(app.main.mnuGuardar->isEnabled());
    EXPECT_TRUE(app.main.Unidades->menuAction()->isEnabled());
    EXPECT_TRUE(app.main.area->subWindowList().isEmpty()) << "only the menu bar at start";
    app.main.mnuSi->trigger();
    EXPECT_EQ(app.state.UNIDADES, "SI");
    EXPECT_FALSE(app.main.Unidades->menuAction()->isEnabled());
    bool ended = false;
    app.main.endProgram = [&] { ended = true; };
    app.main.mnuSalir->trigger();
    EXPECT_TRUE(ended);
}

TEST(SelectionScreens, FamiliesListTheirStoredTablesInCreationOrder) {
    App app;
    app.main.Velmorantes->trigger();
    struct Case {
        const char *button, *screen, *combo, *fluids;
    };
    const Case cases[] = {
        {"cmdGASES", "frmVELM2", "cboOTRO", "AIRE AMONIACO CO CO2 HELIO HIDROGENO NITROGENO OXIGENO VAPOR"},
        {"cmdLIQUIDOS", "frmPRESENT2", "cboLIQ", "ACEITE AGUA AMONIACO CO2 FREON12 GLICERINA GLICOL MERCURIO SO2"},
    };
    for (const Case& c : cases) {
        app.click("frmPRESENT", c.button);
        EXPECT_FALSE(app.visible("frmPRESENT"));
        ASSERT_TRUE(app.visible(c.screen));
        EXPECT_EQ(app.listed(c.screen, c.combo).join(' '), c.fluids) << c.screen;
        app.click(c.screen, "cmdATRAS");
        EXPECT_TRUE(app.visible("frmPRESENT"));
    }
    // A table created since is listed, last, at the next showing.
    velm::FluidStore(app.files, Family::Gases).createTable("R 134a");
    app.click("frmPRESENT", "cmdGASES");
    EXPECT_EQ(app.listed("frmVELM2", "cboOTRO").last(), "R 134a");
}

TEST(SelectionScreens, TypingInTheListChoosesNothing) {
    App app;
    app.openFamily("GASES");
    auto* combo = app.find<QComboBox>("frmVELM2", "cboOTRO");
    combo->setFocus();
    QTest::keyClicks(combo->lineEdit(), "AIRE");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(app.visible("frmVELM2"));
    EXPECT_FALSE(app.main.screens().isLoaded("frmVELM1"));

    // an empty choice keeps the user here
    combo->setEditText("");
    static_cast<frmVELM2&>(app.main.screens().screen("frmVELM2")).cboOTRO_Click();
    EXPECT_TRUE(app.visible("frmVELM2"));

    // the family screen again mid-calculation leaves the property screen as it is
    app.chooseFluid("CO2");
    app.main.Velmorantes->trigger();
    EXPECT_TRUE(app.visible("frmPRESENT"));
    EXPECT_TRUE(app.visible("frmVELM1"));
}

TEST(SelectionScreens, AFileThatIsNotADatabaseIsReportedAndTheScreenStaysUsable) {
    App app;
    QFile junk(app.files.pathFor(Family::Gases));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("Standard Jet DB\0\0\0\0 not ours", 28);
    junk.close();
    app.openFamily("GASES");
    const auto shown = app.take();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("GASES.mdb")) << str(shown[0]);
    EXPECT_TRUE(app.listed("frmVELM2", "cboOTRO").isEmpty());
    app.click("frmVELM2", "cmdATRAS");
    EXPECT_TRUE(app.visible("frmPRESENT"));
}

// A family's file that is an old Access file: the fluid screen asks, and converts it only on Yes.
TEST(AccessConversion, NoLeavesTheFileAloneYesConvertsItAndListsItsTables) {
    App app;
    const QString gases = app.files.pathFor(Family::Gases), kept = app.path("GASES.access.mdb");
    ASSERT_TRUE(QFile::copy(fixture("GASES.mdb"), gases));
    const auto native = [](const QString& p) { return QDir::toNativeSeparators(p).toStdString(); };
    const QString question = QString::fromStdString(velm::msg::offerConversion(native(gases), native(kept)));

    app.answers = {false};
    app.openFamily("GASES");
    EXPECT_EQ(app.take(), QStringList{question});
    EXPECT_EQ(app.titles, QStringList{ui(velm::msg::kConvertTitle)});
    EXPECT_TRUE(app.listed("frmVELM2", "cboOTRO").isEmpty());
    EXPECT_EQ(bytesOf(gases), bytesOf(fixture("GASES.mdb")));
    EXPECT_EQ(filesIn(app.dir.path()), QStringList{"GASES.mdb"});

    app.answers = {true};
    app.openFamily("GASES");
    const QStringList shown = app.take();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(str(shown[1].split('\n').back()), velm::msg::originalKept(native(kept)));
    EXPECT_TRUE(shown[1].contains("\"NOTAS\": " + ui("velm::msg", "NO ES UNA TABLA DE FLUIDO: LE FALTAN LAS COLUMNAS %1").left(25)))
        << str(shown[1]);
    EXPECT_FALSE(app.busy);
    EXPECT_EQ(app.listed("frmVELM2", "cboOTRO").join('|'),
              "AIRE|MI GAS|Gas ñandú \"x\"|UNO|REPETIDA|CON NULO|DOBLE|minusculas|EXTRA|VACIA|"
              "AMONIACO|CO|CO2|HELIO|HIDROGENO|NITROGENO|OXIGENO|VAPOR");
    EXPECT_EQ(bytesOf(kept), bytesOf(fixture("GASES.mdb")));
    app.chooseFluid("MI GAS");
    EXPECT_TRUE(app.visible("frmVELM1"));
}
