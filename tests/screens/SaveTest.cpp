#include "tests/screens/ScreenTest.h"

#include <QFileInfo>

using namespace velm::testing;

// The save's questions, what each answer writes, and what the file refuses said after them.
TEST(ResultsFile, NewOverwriteAppendDeclineCancelAndRefusals) {
    App app;
    app.openFluid("GASES", "AIRE");
    app.evaluate("300", "101.3");
    const QString file = app.path("resultados.txt"), readOnly = app.path("solo-lectura.txt");
    const QString lost = app.path("no/existe.txt");
    QFile old(readOnly);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("1,2") == 3);
    old.close();
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup);
    const QByteArray heading = "\"T (K)\",\"D (Kg/m^3)\",\"Cp (KJ/(Kg.K))\",\"V.AB. (Pa.s)\",\"V.CI. (m^2/s)\","
                               "\"K (W/(m.K))\",\"ALFA (m^2/s)\",\"Pr\"\r\n";
    const QString overwrite = ui("mdiGENERAL", "ESTE ARCHIVO YA EXISTE ¿QUIERE SOBREESCRIBIRLO?");
    const QString append = ui("mdiGENERAL", "¿DESEA AGREGAR ESTOS RESULTADOS AL ARCHIVO?");
    const QString refused = ui("velm::msg", "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO %1 (%2)",
                                {readOnly, ui("velm::msg", "ES DE SOLO LECTURA")});
    struct Step {
        const char* what;
        std::optional<QString> chosen;
        std::deque<bool> answers;
        QStringList shown;
        int lines;  // of `file` afterwards
    };
    const Step steps[] = {
        {"new file: heading and values, no question", file, {}, {}, 2},
        {"same file, append", file, {false, true}, {overwrite, append}, 3},
        {"same file, decline both", file, {false, false}, {overwrite, append}, 3},
        {"cancelled dialog: silent", std::nullopt, {}, {}, 3},
        {"same file, overwrite", file, {true}, {overwrite}, 2},
        {"read-only file, overwrite", readOnly, {true}, {overwrite, refused}, 2},
        {"read-only file, append", readOnly, {false, true}, {overwrite, append, refused}, 2},
        {"missing folder", lost, {}, {ui("velm::msg", "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO %1", {lost})}, 2},
    };
    QString offeredBefore;
    for (const Step& s : steps) {
        app.saveAnswers = {s.chosen};
        app.answers = s.answers;
        app.main.mnuGuardar->trigger();
        EXPECT_EQ(app.take(), s.shown) << s.what;
        EXPECT_EQ(std::exchange(app.titles, {}), QStringList(s.answers.size(), ui("mdiGENERAL", "GUARDAR "))) << s.what;
        const QByteArray bytes = bytesOf(file);
        EXPECT_TRUE(bytes.startsWith(heading)) << s.what;
        EXPECT_EQ(bytes.count(heading), 1) << s.what;
        EXPECT_EQ(bytes.count("\r\n"), s.lines) << s.what;
        EXPECT_EQ(bytes.count("300,1.16011095608173,"), s.lines - 1) << s.what;
        EXPECT_EQ(app.offered.back(), offeredBefore) << s.what << ": the last name is offered";
        if (s.chosen) offeredBefore = *s.chosen;
    }
    EXPECT_EQ(bytesOf(readOnly), "1,2");
    EXPECT_FALSE(QFileInfo::exists(lost));
}
