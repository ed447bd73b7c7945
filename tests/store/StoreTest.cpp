// The store's operations on real database files: titles, values, seeding, read-only files,
// and the editing grid's model.
#include "tests/store/StoreTesting.h"

#include "engine/Catalogue.h"
#include "store/FluidTableModel.h"

#include <cmath>

using namespace velm;
using namespace velm::testing;

namespace {

std::vector<std::string> catalogueNames(Family family) {
    std::vector<std::string> names;
    for (const BuiltInFluid& f : builtInFluids(family)) names.emplace_back(f.name);
    return names;
}

}  // namespace

// The editing grid too: QSqlTableModel could not take a title with quotes at both ends.
TEST_F(StoreTest, AnyTitleIsKeptAsTyped) {
    for (const std::string t : {R"(R 134a "x"; DROP TABLE AIRE)", R"(AIRE"); DROP TABLE "AIRE)", "  MI FLUIDO  ",
                                "ÉTER DIETÍLICO", R"("mi [tabla].x")", "sqlite3 datos", "SELECT"}) {
        gases.createTable(t);
        EXPECT_EQ(gases.listFluidTables().back(), t);
        EXPECT_EQ(gases.storedName(QString::fromStdString(t).toLower().toStdString()), t);
        gases.appendRow(t, {300, 1, 1, 1, 1, 1, 1, 1});
        gases.appendRow(t, {400, 1, 1, 1, 1, 1, 1, 1});
        FluidTableModel grid(files, Family::Gases, t);
        EXPECT_TRUE(grid.setData(grid.index(1, 1), 3.0)) << t;  // DEN at 400 K, written at once
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

TEST_F(StoreTest, OnlyValuesASingleHoldsAreStoredAndNeverAsText) {
    liquids.createTable("V");
    liquids.appendRow("V", {300, 1, 1, 1, 1, 1, 1, 1, 1});
    for (const double bad : {std::nan(""), -HUGE_VAL, 3.5e38})
        EXPECT_EQ(messageOf([&] { liquids.appendRow("V", {300, 1, bad, 1, 1, 1, 1, 1, 1}); }),
                  "EL VALOR DE CP NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO")
            << bad;
    FluidTableModel grid(files, Family::Liquids, "V");
    QString reported;
    QObject::connect(&grid, &FluidTableModel::failed, [&](const QString& m) { reported = m; });
    EXPECT_FALSE(grid.setData(grid.index(0, 2), 1e39));
    EXPECT_EQ(reported.toStdString(), "EL VALOR DE CP NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO");
    const std::vector<StoredRow> rows = liquids.readRows("V");
    EXPECT_TRUE(rows.size() == 1 && rows[0].values[2] == 1.0) << "nothing stored";
    EXPECT_NE(runSql(files.pathFor(Family::Liquids), {R"(INSERT INTO "V" VALUES (1, 'abc', 1, 1, 1, 1, 1, 1, 1))"}), "")
        << "the engine itself refuses text";
}

// An empty file counts as missing.
TEST_F(StoreTest, ANewFileHoldsTheShippedTablesInCatalogueOrder) {
    writeFile(files.pathFor(Family::Liquids), "");
    for (const Family family : kFamilies) EXPECT_EQ(store(family).listFluidTables(), catalogueNames(family));
    EXPECT_EQ(gases.readRows("AIRE").size(), 35u);
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"GASES.mdb", "LIQUIDOS.mdb"}));
}

// A file made with other shipped tables, by an earlier version or edited by its user, is never
// topped up or brought up to date: what it holds is what is used.
TEST_F(StoreTest, AFileThatExistsKeepsItsOwnTables) {
    const QString path = files.pathFor(Family::Gases);
    ASSERT_EQ(gases.listFluidTables(), catalogueNames(Family::Gases));
    ASSERT_EQ(runSql(path, {R"(UPDATE "NITROGENO" SET "DEN" = 1.5 WHERE "TEMP" = 2000)", R"(DROP TABLE "OXIGENO")"}),
              "");
    FluidStore again{files, Family::Gases};
    std::vector<std::string> left = catalogueNames(Family::Gases);
    std::erase(left, "OXIGENO");
    EXPECT_EQ(again.listFluidTables(), left);
    EXPECT_EQ(*evaluate(files, Family::Gases, "NITROGENO", 2000, 101.3, "NO").m.DEN, 1.5);
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
