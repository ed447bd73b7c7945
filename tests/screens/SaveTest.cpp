#include "tests/Support.h"
#include "tests/screens/ScreenTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace velm::testing;

namespace {


const QByteArray kGasHeading =
    "\"T (K)\",\"D (Kg/m^3)\",\"Cp (KJ/(Kg.K))\",\"V.AB. (Pa.s)\",\"V.CI. (m^2/s)\",\"K (W/(m.K))\","
    "\"ALFA (m^2/s)\",\"Pr\"\r\n";

}  // namespace

TEST(ResultsFile, NewOverwriteAppendDeclineCancel) {
    App app;
    app.openFluid("GASES", "AIRE");
    app.evaluate("300", "101.3");
    const QString file = QDir(app.dir.path()).filePath("resultados.txt");
    const QByteArray values = "300,1.16011095608173,";

    struct Step {
        const char* what;
        std::optional<QString> chosen;
        std::deque<bool> answers;
        std::vector<QString> asked;
        int headings, lines;
    };
    const QString overwrite = "ESTE ARCHIVO YA EXISTE ¿QUIERE SOBREESCRIBIRLO?";
    const QString append = "¿DESEA AGREGAR ESTOS RESULTADOS AL ARCHIVO?";
    const Step steps[] = {
        {"new file: heading and values, no question", file, {}, {}, 1, 2},
        {"same file, append", file, {false, true}, {overwrite, append}, 1, 3},
        {"same file, decline both", file, {false, false}, {overwrite, append}, 1, 3},
        {"cancelled dialog: silent", std::nullopt, {}, {}, 1, 3},
        {"same file, overwrite", file, {true}, {overwrite}, 1, 2},
    };
    QString offeredBefore;
    for (const Step& s : steps) {
        app.saveDialog.answers = {s.chosen};
        app.messages.answers = s.answers;
        app.main.mnuGuardar->trigger();
        EXPECT_EQ(app.messages.take(), s.asked) << s.what;
        for (const QString& title : app.messages.titles) EXPECT_EQ(title, "GUARDAR ") << s.what;
        app.messages.titles.clear();
        const QByteArray bytes = bytesOf(file);
        EXPECT_EQ(bytes.count(kGasHeading), s.headings) << s.what;
        EXPECT_TRUE(bytes.startsWith(kGasHeading)) << s.what;
        EXPECT_EQ(bytes.count("\r\n"), s.lines) << s.what;
        EXPECT_EQ(bytes.count(values), s.lines - 1) << s.what;
        EXPECT_EQ(app.saveDialog.offered.back(), offeredBefore) << s.what << ": the last name is offered";
        if (s.chosen) offeredBefore = *s.chosen;
    }
    EXPECT_EQ(app.saveDialog.filters.front(), "Archivos de texto(*.txt)");
}

TEST(ResultsFile, EnglishLiquidLineCarriesBetaAndTheFahrenheitHeading) {
    App app;
    app.main.mnuSingles->trigger();
    app.openFluid("LIQUIDOS", "AGUA");
    app.evaluate("80.6");
    const QString file = QDir(app.dir.path()).filePath("agua.txt");
    app.saveDialog.answers = {file};
    app.main.mnuGuardar->trigger();
    const QList<QByteArray> lines = bytesOf(file).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("\"T (\xBA" "F)\",\"D (Lb/pie^3)\""));
    EXPECT_TRUE(lines[0].endsWith(",\"Pr\",\"BETA (1/\xBA" "F)\"\r"));
    EXPECT_EQ(lines[1].count(','), 8) << "nine values";
    EXPECT_TRUE(lines[1].startsWith("80.6,62.36")) << lines[1].toStdString();  // 998.975 kg/m³
}

TEST(ResultsFile, AFailedSaveSaysSoAndLeavesNothingBehind) {
    App app;
    app.openFluid("GASES", "AIRE");
    app.evaluate("300", "101.3");
    const QString missingFolder = QDir(app.dir.path()).filePath("no/existe.txt");
    app.saveDialog.answers = {missingFolder};
    app.main.mnuGuardar->trigger();
    const auto shown = app.messages.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].startsWith("NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO ")) << str(shown[0]);
    EXPECT_FALSE(QFileInfo::exists(missingFolder));

    // An overwrite that cannot be completed (here the name is a folder's) reports and
    // changes nothing.
    const QString folder = QDir(app.dir.path()).filePath("carpeta");
    ASSERT_TRUE(QDir().mkpath(folder + "/dentro"));
    app.saveDialog.answers = {folder};
    app.messages.answers = {true};
    app.main.mnuGuardar->trigger();
    const auto asked = app.messages.take();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_TRUE(asked[1].startsWith("NO SE PUDIERON GUARDAR")) << str(asked[1]);
    EXPECT_TRUE(QFileInfo(folder + "/dentro").isDir());
}

// The save's questions stay as they are; what it writes gets the results file's guarantees.
TEST(ResultsFile, TheSaveKeepsItsQuestionsAndTheFilesGuarantees) {
    App app;
    app.openFluid("GASES", "AIRE");
    app.evaluate("300", "101.3");
    const QString glued = QDir(app.dir.path()).filePath("sin-salto.txt");
    const QString readOnly = QDir(app.dir.path()).filePath("solo-lectura.txt");
    for (const QString& f : {glued, readOnly}) {
        QFile file(f);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1,2");
    }
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup);

    app.saveDialog.answers = {glued};
    app.messages.answers = {false, true};  // append
    app.main.mnuGuardar->trigger();
    EXPECT_EQ(app.messages.take().size(), 2u);
    EXPECT_TRUE(bytesOf(glued).startsWith("1,2\r\n300,1.16011095608173,")) << bytesOf(glued).toStdString();

    for (const bool overwrite : {true, false}) {
        app.saveDialog.answers = {readOnly};
        app.messages.answers = overwrite ? std::deque<bool>{true} : std::deque<bool>{false, true};
        app.main.mnuGuardar->trigger();
        const auto shown = app.messages.take();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back(), "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO " + readOnly +
                                    " (ES DE SOLO LECTURA)");
        EXPECT_EQ(bytesOf(readOnly), "1,2");
    }
}
