// The store's operations on real database files: titles, values, seeding, damaged and
// read-only files, and the editing grid's model.
#include "tests/store/StoreTesting.h"

#include "engine/Catalogue.h"
#include "store/FluidTableModel.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

using namespace velm;
using namespace velm::testing;

namespace {

std::vector<std::string> catalogueNames(Family family) {
    std::vector<std::string> names;
    for (const BuiltInFluid& f : builtInFluids(family)) names.emplace_back(f.name);
    return names;
}

}  // namespace

TEST_F(StoreTest, AnyTitleIsKeptAsTyped) {
    for (const std::string t : {R"(R 134a "x"; DROP TABLE AIRE)", R"(AIRE"); DROP TABLE "AIRE)", "  MI FLUIDO  ",
                                "ÉTER DIETÍLICO", R"(")", "a.b", "[x]", "sqlite3 datos", "SELECT"}) {
        gases.createTable(t);
        EXPECT_EQ(gases.listFluidTables().back(), t);
        EXPECT_EQ(gases.storedName(QString::fromStdString(t).toLower().toStdString()), t);
        gases.appendRow(t, {300, 1, 1, 1, 1, 1, 1, 1});
        gases.appendRow(t, {400, 3, 1, 1, 1, 1, 1, 1});
        const Evaluated r = evaluate(files, Family::Gases, t, 350);
        EXPECT_EQ(r.outcome, EvaluationOutcome::Shown) << t;
        EXPECT_EQ(r.m.DEN, 2.0) << t;
        gases.deleteTable(t);
        EXPECT_EQ(gases.listFluidTables(), catalogueNames(Family::Gases)) << t;
    }
}

TEST_F(StoreTest, TitlesMatchIgnoringLetterCaseOnly) {
    gases.createTable("Éter");
    for (const auto& [title, exists] : std::initializer_list<std::pair<const char*, bool>>{
             {"AiRe", true}, {"éter", true}, {"AIRE ", false}, {"AIR", false}, {"ETER", false},
             {"sqlite_master", true}, {"sqlite3 datos", false}})
        EXPECT_EQ(gases.titleExists(title), exists) << title;
    EXPECT_EQ(gases.storedName("éTER"), "Éter");
    EXPECT_EQ(gases.storedName("sqlite_master"), std::nullopt);
    EXPECT_EQ(messageOf([&] { gases.createTable("aire"); }), "LA TABLA aire YA EXISTE EN EL ARCHIVO GASES.mdb");
    EXPECT_EQ(messageOf([&] { gases.createTable("Sqlite_x"); }),
              "LA TABLA Sqlite_x YA EXISTE EN EL ARCHIVO GASES.mdb");
    EXPECT_EQ(messageOf([&] { gases.deleteTable("NADA"); }), "LA TABLA NADA NO EXISTE EN EL ARCHIVO GASES.mdb");
}

TEST_F(StoreTest, ValuesAreStoredAsFloatsAndNeverAsText) {
    liquids.createTable("V");
    liquids.appendRow("V", {300, 1.1614, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(liquids.readRows("V").at(0).values[1], 1.1613999605178833);
    for (const double bad : {std::nan(""), -HUGE_VAL, 3.5e38})
        EXPECT_EQ(messageOf([&] { liquids.appendRow("V", {300, 1, bad, 1, 1, 1, 1, 1, 1}); }),
                  "EL VALOR DE CP NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO")
            << bad;
    EXPECT_EQ(liquids.readRows("V").size(), 1u);

    // A hand-edited file: the engine refuses text; a NULL it takes is reported on reading.
    const QString path = files.pathFor(Family::Liquids);
    EXPECT_NE(runSql(path, {R"(INSERT INTO "V" VALUES (1, 'abc', 1, 1, 1, 1, 1, 1, 1))"}), "");
    EXPECT_EQ(runSql(path, {R"(INSERT INTO "V" VALUES (1, NULL, 1, 1, 1, 1, 1, 1, 1))"}), "");
    EXPECT_EQ(messageOf([&] { liquids.readPoints("V", [](const TablePoint&) {}); }),
              "LA TABLA V DEL ARCHIVO LIQUIDOS.mdb TIENE UN VALOR VACIO O NO NUMERICO EN LA "
              "COLUMNA DEN (¿SE MODIFICO FUERA DEL PROGRAMA?)");
}

TEST_F(StoreTest, ANewFileHoldsTheShippedTablesInCatalogueOrder) {
    writeFile(files.pathFor(Family::Liquids), "");  // an empty file counts as missing
    for (const Family family : kFamilies) {
        ASSERT_EQ(store(family).listFluidTables(), catalogueNames(family));
        for (const std::string& name : catalogueNames(family)) {
            std::ifstream csv(std::string(VELM_SOURCE_DIR "/data/reference/") +
                              (family == Family::Gases ? "gases/" : "liquids/") + name + ".csv");
            const auto lines = std::count(std::istreambuf_iterator<char>(csv), {}, '\n');
            EXPECT_EQ(store(family).readRows(name).size(), std::size_t(lines - 1)) << name;
        }
    }
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"GASES.mdb", "LIQUIDOS.mdb"}));
}

// An old Access file gets a message of its own (the program offers to convert it).
TEST_F(StoreTest, AFileThatIsNotSQLiteIsNeverTouched) {
    const QByteArray jet = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2028, '\0');
    const QString path = files.pathFor(Family::Gases);
    const std::string named = "EL ARCHIVO " + QDir::toNativeSeparators(path).toStdString();
    const std::string notSQLite = named + " NO ES UNA BASE DE DATOS SQLITE; NO SE HA LEIDO NI MODIFICADO";
    const std::string access = named +
        " ES UNA BASE DE DATOS DE ACCESS DE UNA VERSION ANTERIOR DEL PROGRAMA; NO SE HA LEIDO NI "
        "MODIFICADO. PARA CONVERTIRLO, ELIJA SU FAMILIA EN EL PROGRAMA Y RESPONDA SI, O USE "
        "velmorantes-import";
    const std::pair<QByteArray, std::string> cases[] = {
        {jet, access}, {QByteArray("\x00\x01\x00\x00Standard ACE DB\x00", 20), access},
        {jet.left(19), notSQLite}, {QByteArray("SQLite"), notSQLite}};
    for (const auto& [content, want] : cases) {
        writeFile(path, content);
        EXPECT_EQ(messageOf([&] { gases.listFluidTables(); }), want);
        EXPECT_EQ(messageOf([&] { gases.appendRow("AIRE", {300, 1, 1, 1, 1, 1, 1, 1}); }), want);
        EXPECT_EQ(messageOf([&] { FluidTableModel(files, Family::Gases, "AIRE"); }), want);
        bool found = false;  // the condition the program recognises, naming the file
        try {
            gases.titleExists("AIRE");
        } catch (const AccessFileFound& e) {
            found = e.path() == path;
        } catch (const UserError&) {
        }
        EXPECT_EQ(found, want == access);
        const Evaluated r = evaluate(files, Family::Gases, "AIRE", 5000, 101.3, "NO");
        EXPECT_EQ(r.outcome, EvaluationOutcome::Unreadable);
        EXPECT_EQ(r.messages, std::vector<std::string>{want});
        EXPECT_EQ(bytesOf(path), content);
        EXPECT_EQ(filesIn(dir.path()), QStringList{"GASES.mdb"});
    }
}

TEST_F(StoreTest, AReadOnlyFileIsReadButNeverWritten) {
    gases.createTable("MIA");
    const QString path = files.pathFor(Family::Gases);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const QByteArray before = bytesOf(path);
    EXPECT_EQ(gases.listFluidTables().size(), 10u);
    EXPECT_EQ(gases.readRows("AIRE").size(), 35u);
    const std::string want = "EL ARCHIVO " + QDir::toNativeSeparators(path).toStdString() +
                             " ES DE SOLO LECTURA; NO SE HA MODIFICADO";
    EXPECT_EQ(messageOf([&] { gases.createTable("NUEVA"); }), want);
    EXPECT_EQ(messageOf([&] { gases.deleteTable("MIA"); }), want);
    FluidTableModel grid(files, Family::Gases, "AIRE");
    QString reported;
    QObject::connect(&grid, &FluidTableModel::failed, [&](const QString& m) { reported = m; });
    EXPECT_FALSE(grid.setData(grid.index(0, 1), 2.5));
    EXPECT_FALSE(grid.insertRows(grid.rowCount(), 1));
    EXPECT_EQ(reported.toStdString(), want);
    EXPECT_EQ(grid.rowCount(), 35);
    EXPECT_EQ(bytesOf(path), before);
}

// A title QSqlTableModel cannot handle: quotes at both ends, a dot and brackets.
TEST_F(StoreTest, TheGridWritesEveryChangeAtOnce) {
    const std::string title = R"("mi [tabla].x")";
    liquids.createTable(title);
    FluidTableModel grid(files, Family::Liquids, title);
    QStringList reported;
    QObject::connect(&grid, &FluidTableModel::failed, [&](const QString& m) { reported << m; });
    ASSERT_TRUE(grid.insertRows(0, 3));
    ASSERT_TRUE(grid.setData(grid.index(1, 1), "1.1614"));
    EXPECT_FALSE(grid.setData(grid.index(1, 1), "1,5 kg"));
    EXPECT_FALSE(grid.setData(grid.index(1, 2), 1e39));
    EXPECT_EQ(reported, (QStringList{" DEBE INTRODUCIR UN NUMERO",
                                     "EL VALOR DE CP NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO"}));
    ASSERT_TRUE(grid.removeRows(0, 1));
    EXPECT_EQ(grid.data(grid.index(0, 1)).toDouble(), 1.1613999605178833);
    const std::vector<StoredRow> rows = liquids.readRows(title);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].values[1], 1.1613999605178833);
    EXPECT_EQ(rows[0].values[2], 0.0);
    EXPECT_EQ(rows[1].values, std::vector<std::optional<double>>(9, 0.0));
}
