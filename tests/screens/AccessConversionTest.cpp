// A family's file that is an old Access file: the fluid screen asks, and converts it only
// on Yes.
#include "tests/screens/ScreenTest.h"
#include "tests/legacy/Fixtures.h"

#include "legacy/Conversion.h"
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
    const QString gases = app.files.pathFor("GASES");
    ASSERT_TRUE(QFile::copy(fixture("GASES.mdb"), gases));
    const QByteArray original = bytesOf(gases);
    const QString kept = app.dir.filePath("GASES.access.mdb");

    app.messages.answers = {false};
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdGASES");
    EXPECT_EQ(app.messages.take(), std::vector<QString>{question(gases, kept)});
    EXPECT_EQ(app.messages.titles, std::vector<QString>{"CONVERTIR"});
    EXPECT_TRUE(listed(app, "frmVELM2", "cboOTRO").isEmpty());
    EXPECT_EQ(bytesOf(gases), original);
    EXPECT_EQ(filesIn(app.dir.path()), QStringList{"GASES.mdb"});
    app.click("frmVELM2", "cmdATRAS");
    ASSERT_TRUE(app.visible("frmPRESENT"));

    app.messages.answers = {true};
    app.click("frmPRESENT", "cmdGASES");
    const std::vector<QString> shown = app.messages.take();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], question(gases, kept));
    QStringList summary = shown[1].split('\n');
    EXPECT_EQ(summary.front().toStdString(), "SE HAN IMPORTADO 10 TABLAS DE " + QDir::toNativeSeparators(gases).toStdString() +
                                                 " EN " + QDir::toNativeSeparators(gases).toStdString() + ":");
    EXPECT_TRUE(summary.contains("  \"NOTAS\": NO ES UNA TABLA DE FLUIDO: LE FALTAN LAS COLUMNAS TEMP, DEN, CP, "
                                 "MIU, UN, K, ALFA, PR"));
    EXPECT_EQ(summary.back().toStdString(), msg::originalKept(QDir::toNativeSeparators(kept).toStdString()));
    EXPECT_FALSE(app.busy.busy);
    EXPECT_EQ(listed(app, "frmVELM2", "cboOTRO"),
              (QStringList{"AIRE", "MI GAS", "Gas ñandú \"x\"", "UNO", "REPETIDA", "CON NULO", "DOBLE",
                           "minusculas", "EXTRA", "VACIA", "AMONIACO", "CO", "CO2", "HELIO", "HIDROGENO",
                           "NITROGENO", "OXIGENO", "VAPOR"}));
    EXPECT_EQ(bytesOf(kept), original);

    app.chooseFluid("MI GAS");
    EXPECT_EQ(app.state.FLUIDO, "MI GAS");
    EXPECT_TRUE(app.visible("frmVELM1"));
}

TEST(AccessConversion, AFileThatCannotBeConvertedIsSaidSoAndLeftAlone) {
    App app;
    const QString liquids = app.files.pathFor("LIQUIDOS");
    const QByteArray cut = bytesOf(fixture("LIQUIDOS.mdb")).left(5000);
    writeFile(liquids, cut);

    app.messages.answers = {true};
    app.main.Velmorantes->trigger();
    app.click("frmPRESENT", "cmdLIQUIDOS");
    const std::vector<QString> shown = app.messages.take();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].toStdString(),
              msg::accessFileDamaged(QDir::toNativeSeparators(liquids).toStdString(), msg::kTruncated));
    EXPECT_TRUE(listed(app, "frmPRESENT2", "cboLIQ").isEmpty());
    EXPECT_EQ(bytesOf(liquids), cut);
    EXPECT_EQ(filesIn(app.dir.path()), QStringList{"LIQUIDOS.mdb"});
    EXPECT_FALSE(app.busy.busy);
    app.click("frmPRESENT2", "cmdATRAS");
    EXPECT_TRUE(app.visible("frmPRESENT"));
}
