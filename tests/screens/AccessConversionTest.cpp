// A family's file that is an old Access file: the fluid screen asks, and converts it only
// on Yes.
#include "tests/screens/ScreenTest.h"
#include "tests/legacy/Fixtures.h"

#include "legacy/LegacyMessages.h"

using namespace velm;
using namespace velm::testing;

namespace {

QString question(const QString& path, const QString& kept) {
    return QString::fromStdString(msg::offerConversion(QDir::toNativeSeparators(path).toStdString(),
                                                       QDir::toNativeSeparators(kept).toStdString()));
}

QStringList listed(App& app, const char* screen, const char* combo) {
    auto* c = app.find<QComboBox>(screen, combo);
    QStringList names;
    for (int i = 0; i < c->count(); ++i) names << c->itemText(i);
    return names;
}

}  // namespace

TEST(AccessConversion, NoLeavesTheFileAloneYesConvertsItAndListsItsTables) {
    App app;
    const QString gases = app.files.pathFor(velm::Family::Gases), kept = app.dir.filePath("GASES.access.mdb");
    ASSERT_TRUE(QFile::copy(fixture("GASES.mdb"), gases));

    app.messages.answers = {false};
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdGASES");
    EXPECT_EQ(app.messages.take(), std::vector<QString>{question(gases, kept)});
    EXPECT_EQ(app.messages.titles, std::vector<QString>{"CONVERTIR"});
    EXPECT_TRUE(listed(app, "frmVELM2", "cboOTRO").isEmpty());
    EXPECT_EQ(bytesOf(gases), bytesOf(fixture("GASES.mdb")));
    EXPECT_EQ(filesIn(app.dir.path()), QStringList{"GASES.mdb"});
    app.click("frmVELM2", "cmdATRAS");

    app.messages.answers = {true};
    app.click("frmPRESENT", "cmdGASES");
    const std::vector<QString> shown = app.messages.take();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].split('\n').back().toStdString(),
              msg::originalKept(QDir::toNativeSeparators(kept).toStdString()));
    EXPECT_TRUE(shown[1].contains("\"NOTAS\": NO ES UNA TABLA DE FLUIDO")) << str(shown[1]);
    EXPECT_FALSE(app.busy.busy);
    EXPECT_EQ(listed(app, "frmVELM2", "cboOTRO"),
              (QStringList{"AIRE", "MI GAS", "Gas ñandú \"x\"", "UNO", "REPETIDA", "CON NULO", "DOBLE",
                           "minusculas", "EXTRA", "VACIA", "AMONIACO", "CO", "CO2", "HELIO", "HIDROGENO",
                           "NITROGENO", "OXIGENO", "VAPOR"}));
    EXPECT_EQ(bytesOf(kept), bytesOf(fixture("GASES.mdb")));
    app.chooseFluid("MI GAS");
    EXPECT_TRUE(app.visible("frmVELM1"));
}
