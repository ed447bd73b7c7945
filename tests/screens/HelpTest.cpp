// The Help menu in the language the tests run in, and, in English, no Spanish caption left on
// any screen.
#include "tests/i18n/TsFile.h"
#include "tests/screens/ScreenTest.h"
#include "ui/frmAYUDA.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>

#include <set>

using namespace velm::testing;
using velm::Family;

namespace {

// Whether the English translation is installed.
bool english() { return QCoreApplication::translate("mdiGENERAL", "&Archivo") != QLatin1String("&Archivo"); }

}  // namespace

TEST(Help, IsLastInTheMenuBarWithAnAccessKeyNoScreenUses) {
    App app;
    const QList<QAction*> bar = app.main.menuBar()->actions();
    ASSERT_FALSE(bar.isEmpty());
    EXPECT_EQ(bar.last(), app.main.Ayuda->menuAction());
    EXPECT_EQ(app.main.Ayuda->title(), english() ? "&Help" : "A&yuda");
    const QKeySequence key = QKeySequence::mnemonic(app.main.Ayuda->title());
    for (QAction* a : bar) {
        if (a != bar.last()) {
            EXPECT_NE(QKeySequence::mnemonic(a->text()), key) << str(a->text());
        }
    }
    for (const QString& screen : app.main.screens().names())
        for (QAbstractButton* b : app.main.screens().screen(screen).findChildren<QAbstractButton*>())
            EXPECT_NE(QKeySequence::mnemonic(b->text()), key) << str(screen) << " " << str(b->text());
}

TEST(Help, TheManualIsTheGuideOfTheLanguage) {
    App app;
    app.main.mnuManual->trigger();
    ASSERT_TRUE(app.visible("frmAYUDA"));
    QTextBrowser* guide = app.main.screens().get<frmAYUDA>().txtMANUAL;
    EXPECT_TRUE(guide->isReadOnly());
    EXPECT_TRUE(guide->source().toLocalFile().endsWith(english() ? "manual.en.html" : "manual.es.html"))
        << str(guide->source().toString());
    const QString text = guide->toPlainText();
    for (const char* words : {"GASES.mdb", "velmorantes-calc", "Incropera", english() ? "Range warnings" : "Avisos de rango"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
}

TEST(Help, AboutNamesTheVersionTheLicenceTheFolderAndTheSources) {
    App app;
    app.main.mnuAcerca->trigger();
    const QStringList shown = app.take();
    ASSERT_EQ(shown.size(), 1);
    for (const QString& part : {QStringLiteral("VELMORANTES " VELM_VERSION), QStringLiteral("GPL-3.0-or-later"),
                                QDir::toNativeSeparators(app.dir.path()), QStringLiteral("Incropera"),
                                QStringLiteral("CoolProp")})
        EXPECT_TRUE(shown[0].contains(part)) << str(part);
}

// Every caption of every screen and menu, and every entry of their lists, in English, is a translation: none is a Spanish
// source text whose translation differs from it.
TEST(Help, InEnglishNoCaptionIsSpanish) {
    if (!english()) GTEST_SKIP() << "the Spanish run";
    std::set<QString> spanish;
    for (const auto& [key, entry] : readTs(QStringLiteral(VELM_TS)))
        // Fluid titles are data, shown as they are stored (in the lists with an English name).
        if (entry.translation != key.second && key.first != "velm::fluids") spanish.insert(key.second);
    App app;
    app.openFluid("GASES", "AIRE");
    QStringList captions;
    for (QAction* a : app.main.findChildren<QAction*>()) captions << a->text();
    // Every screen registered, shown but the grid, which needs a table chosen first.
    for (const QString& screen : app.main.screens().names()) {
        QWidget& s = app.main.screens().screen(screen);
        if (screen != "frmMODIFICAR") app.main.screens().show(screen);
        captions << s.windowTitle();
        for (QLabel* l : s.findChildren<QLabel*>()) captions << l->text();
        for (QAbstractButton* b : s.findChildren<QAbstractButton*>()) captions << b->text();
        for (QGroupBox* g : s.findChildren<QGroupBox*>()) captions << g->title();
        for (QComboBox* c : s.findChildren<QComboBox*>())
            for (int i = 0; i < c->count(); ++i) captions << c->itemText(i);
    }
    EXPECT_GT(captions.size(), 60);
    for (const QString& c : captions) EXPECT_FALSE(spanish.count(c)) << "Spanish in English: " << str(c);
}

// In English a built-in fluid shows its English name beside its title; the title alone is
// what is chosen (and so stored and saved).
TEST(Language, BuiltInFluidsShowTheirEnglishNameButKeepTheirTitle) {
    App app;
    velm::FluidStore(app.files, Family::Gases).createTable("MI GAS");
    app.openFamily("GASES");
    auto* combo = app.find<QComboBox>("frmVELM2", "cboOTRO");
    EXPECT_EQ(combo->itemText(0), english() ? "AIRE (air)" : "AIRE");
    EXPECT_EQ(combo->itemText(combo->count() - 1), "MI GAS");
    app.chooseFluid("AIRE");
    EXPECT_EQ(app.main.screens().screen("frmVELM1").windowTitle(), "AIRE");
    EXPECT_EQ(app.state.FLUIDO, "AIRE");
}

// A family is named as the family screen names it wherever it is read: the fluid screens'
// titles and the family lists of the tables and convection screens, which still choose the
// family by its own name.
TEST(Language, FamiliesAreNamedAsTheFamilyScreenNamesThem) {
    App app;
    app.main.Velmorantes->trigger();
    QStringList families;
    for (const char* button : {"cmdGASES", "cmdLIQUIDOS"})
        families << app.find<QAbstractButton>("frmPRESENT", button)->text().remove('&');
    EXPECT_EQ(str(families.join(' ')), english() ? "GASES LIQUIDS" : "GASES LIQUIDOS");

    app.click("frmPRESENT", "cmdGASES");
    EXPECT_EQ(str(app.find<QLabel>("frmVELM2", "lblTIT")->text()), str(families[0]));
    app.click("frmVELM2", "cmdATRAS");
    app.click("frmPRESENT", "cmdLIQUIDOS");
    EXPECT_EQ(str(app.find<QLabel>("frmPRESENT2", "Label1")->text()), str(families[1]));

    app.main.mnuTablas->trigger();
    app.main.mnuConveccion->trigger();
    for (const char* screen : {"frmGRAFICAS", "frmCONVECCION"}) {
        QWidget& s = app.main.screens().screen(screen);
        auto* combo = app.find<QComboBox>(screen, "cboFAMILIA");
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        EXPECT_EQ(str(shown.join(' ')), str(families.join(' '))) << screen;
        const struct {
            const char* first;  // the family's first fluid
            bool pressure;
        } wants[] = {{"AIRE", true}, {"ACEITE", false}};
        for (int f : {1, 0}) {
            const int at = combo->findText(families[f]);
            ASSERT_GE(at, 0) << screen;
            combo->setCurrentIndex(at);
            emit combo->activated(at);
            EXPECT_EQ(str(app.listed(screen, "cboFLUIDO").value(0)), wants[f].first) << screen;
            EXPECT_EQ(app.find<QLineEdit>(screen, "txtPRES")->isVisibleTo(&s), wants[f].pressure) << screen;
        }
    }
}

// Qt's own buttons speak the interface's language (in Spanish from Qt's own translation).
TEST(Language, QtsOwnButtonsSpeakTheLanguage) {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const QStringList want = english() ? QStringList{"OK", "&Yes", "&No", "Cancel"}
                                       : QStringList{"Aceptar", "&Sí", "&No", "Cancelar"};
    const QStringList got{box.button(QMessageBox::Ok)->text(), box.button(QMessageBox::Yes)->text(),
                          box.button(QMessageBox::No)->text(), box.button(QMessageBox::Cancel)->text()};
    EXPECT_EQ(got, want);
}
