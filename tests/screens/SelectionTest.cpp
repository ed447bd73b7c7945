#include "tests/screens/ScreenTest.h"

#include "ui/frmFluidChoice.h"
#include "ui/toolkit/ScreenRegistry.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>

using namespace velm::testing;

TEST(MainWindow, MenusAndTheirLocks) {
    App app;
    QStringList bar;
    for (QAction* a : app.main.menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, QStringList({"&Archivo", "&Unidades", "&Velmorantes", "Ta&blas y gráficas"}));
    EXPECT_EQ(app.main.Archivo->actions().size(), 2);
    EXPECT_EQ(app.main.mnuGuardar->text(), "&Guardar");
    EXPECT_EQ(app.main.mnuSalir->text(), "&Salir");
    EXPECT_EQ(app.main.mnuSi->text(), "&Sistema Internacional");
    EXPECT_EQ(app.main.mnuSingles->text(), "&Sistema Inglés");
    EXPECT_EQ(app.main.Velmorantes->menu(), nullptr) << "nothing under Velmorantes";
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
    ASSERT_TRUE(app.visible("frmPRESENT"));
    QWidget* frame = app.main.screens().screen("frmPRESENT").frame();
    EXPECT_EQ(frame->geometry(),
              QRect(velm::twipsToPixelsX(frame, 2400), velm::twipsToPixelsY(frame, 2500),
                    velm::twipsToPixelsX(frame, 7440), velm::twipsToPixelsY(frame, 2235)));

    struct Case {
        const char* button;
        const char* screen;
        const char* combo;
        QStringList fluids;
    };
    const Case cases[] = {
        {"cmdGASES", "frmVELM2", "cboOTRO",
         {"AIRE", "AMONIACO", "CO", "CO2", "HELIO", "HIDROGENO", "NITROGENO", "OXIGENO", "VAPOR"}},
        {"cmdLIQUIDOS", "frmPRESENT2", "cboLIQ",
         {"ACEITE", "AGUA", "AMONIACO", "CO2", "FREON12", "GLICERINA", "GLICOL", "MERCURIO", "SO2"}},
    };
    for (const Case& c : cases) {
        app.click("frmPRESENT", c.button);
        EXPECT_FALSE(app.visible("frmPRESENT"));
        ASSERT_TRUE(app.visible(c.screen));
        auto* combo = app.find<QComboBox>(c.screen, c.combo);
        QStringList listed;
        for (int i = 0; i < combo->count(); ++i) listed << combo->itemText(i);
        EXPECT_EQ(listed, c.fluids) << c.screen;
        app.click(c.screen, "cmdATRAS");
        EXPECT_TRUE(app.visible("frmPRESENT"));
    }
    EXPECT_EQ(app.state.FAMILIA, velm::Family::Liquids);

    // A table created since is listed, last, at the next showing.
    velm::FluidStore(app.files, velm::Family::Gases).createTable("R 134a");
    app.click("frmPRESENT", "cmdGASES");
    auto* combo = app.find<QComboBox>("frmVELM2", "cboOTRO");
    EXPECT_EQ(combo->itemText(combo->count() - 1), "R 134a");
}

TEST(SelectionScreens, TypingInTheListChoosesNothing) {
    App app;
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdGASES");
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

    // moving onto an entry with the arrow keys chooses it
    app.chooseFluid("CO2");
    EXPECT_EQ(app.state.FLUIDO, "CO2");
    EXPECT_TRUE(app.visible("frmVELM1"));
    EXPECT_FALSE(app.visible("frmVELM2"));

    // the family screen again mid-calculation leaves the property screen as it is
    app.main.Velmorantes->trigger();
    EXPECT_TRUE(app.visible("frmPRESENT"));
    EXPECT_TRUE(app.visible("frmVELM1"));
}

TEST(SelectionScreens, AFileThatIsNotADatabaseIsReportedAndTheScreenStaysUsable) {
    App app;
    QFile junk(QDir(app.dir.path()).filePath("GASES.mdb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("Standard Jet DB\0\0\0\0 not ours", 28);
    junk.close();
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdGASES");
    const auto shown = app.messages.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].contains("GASES.mdb")) << str(shown[0]);
    EXPECT_EQ(app.find<QComboBox>("frmVELM2", "cboOTRO")->count(), 0);
    app.click("frmVELM2", "cmdATRAS");
    EXPECT_TRUE(app.visible("frmPRESENT"));
}
