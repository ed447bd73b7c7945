// Converting the fixture files, the rules on tables and rows the fixtures do not hold, and
// every way a conversion can fail without leaving anything behind.
#include "tests/legacy/Fixtures.h"

#include "legacy/Conversion.h"
#include "legacy/LegacyMessages.h"
#include "store/FluidStore.h"
#include "store/StoreMessages.h"
#include "engine/Catalogue.h"
#include "engine/UserError.h"

#include <QTemporaryDir>

#include <sys/resource.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <limits>
#include <random>

using namespace velm;
using namespace velm::legacy;
using namespace velm::testing;

namespace {

std::string shown(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

std::string messageOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const UserError& e) {
        return e.what();
    }
    return "(no message)";
}

std::vector<std::string> builtInsBut(const char* family, const std::string& present) {
    std::vector<std::string> names;
    for (const BuiltInFluid& f : builtInFluids(family))
        if (f.name != present) names.emplace_back(f.name);
    return names;
}

std::vector<std::string> titles(const std::vector<ImportedTable>& tables) {
    std::vector<std::string> v;
    for (const ImportedTable& t : tables) v.push_back(t.title);
    return v;
}

}  // namespace

TEST(Conversion, TakesOverEveryFluidTableExactly) {
    const std::string notGas =
        msg::notAFluidTable("TEMP, DEN, CP, MIU, UN, K, ALFA, PR", true);
    const struct {
        const char* family;
        std::vector<std::string> imported;
        std::vector<std::pair<std::string, std::string>> skipped;
        std::vector<std::string> shipped;
    } cases[] = {
        {"GASES",
         {"AIRE", "MI GAS", "Gas ñandú \"x\"", "UNO", "REPETIDA", "CON NULO", "DOBLE", "minusculas",
          "EXTRA", "VACIA"},
         {{"NOTAS", notGas}},
         builtInsBut("GASES", "AIRE")},
        {"LIQUIDOS",
         {"AGUA", "ACEITE DE PRUEBA"},
         {{"SIN BETA", std::string(msg::kNoBeta)}},
         builtInsBut("LIQUIDOS", "AGUA")},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString name = QString(c.family) + ".mdb";
        ASSERT_TRUE(QDir(dir.path()).mkdir("viejo"));
        const QString old = dir.filePath("viejo/" + name);
        ASSERT_TRUE(QFile::copy(fixture(name), old));
        const QByteArray before = hashOf(old);

        const DatabaseFiles files(dir.path());
        const ConversionReport report = convertFile(old, files.pathFor(c.family), c.family);
        EXPECT_EQ(titles(report.imported), c.imported);
        std::vector<std::pair<std::string, std::string>> skipped;
        for (const SkippedTable& s : report.skipped) skipped.emplace_back(s.title, s.reason);
        EXPECT_EQ(skipped, c.skipped);
        EXPECT_EQ(report.shipped, c.shipped);
        EXPECT_FALSE(report.complete());
        EXPECT_EQ(report.keptOriginal, "");

        const FluidStore store(files, c.family);
        std::vector<std::string> listed = c.imported;
        listed.insert(listed.end(), c.shipped.begin(), c.shipped.end());
        EXPECT_EQ(store.listFluidTables(), listed);
        for (const ImportedTable& t : report.imported) {
            const auto f = std::find_if(fixtureTables().begin(), fixtureTables().end(),
                                        [&](const FixtureTable& x) { return x.title == t.title; });
            const Csv csv = readCsv(f->csv);
            const std::vector<StoredRow> rows = store.readRows(t.title);
            EXPECT_EQ(rows.size(), t.rows) << t.title;
            std::size_t at = 0;
            for (std::size_t r = 0; r < csv.rows.size(); ++r) {
                std::vector<std::optional<double>> want;
                bool whole = true;
                for (const char* column : store.columns()) {
                    const std::optional<double> v = csv.stored(r, column);
                    whole = whole && v;
                    want.push_back(v ? storedValue(*v) : std::nullopt);
                }
                if (!whole) continue;  // reported below
                ASSERT_LT(at, rows.size()) << t.title;
                EXPECT_EQ(rows[at++].values, want) << t.title << " row " << r + 1;
            }
            EXPECT_EQ(at, rows.size()) << t.title;
        }
        EXPECT_EQ(hashOf(old), before);
        EXPECT_EQ(filesIn(dir.path()), QStringList{name});
        EXPECT_EQ(filesIn(dir.filePath("viejo")), QStringList{name});
    }
}

TEST(Conversion, ReportsWhatItLeftOut) {
    QTemporaryDir dir;
    const ConversionReport report =
        convertFile(fixture("GASES.mdb"), dir.filePath("GASES.mdb"), "GASES");
    for (const ImportedTable& t : report.imported) {
        if (t.title == "CON NULO") {
            ASSERT_EQ(t.skippedRows.size(), 1u);
            EXPECT_EQ(t.skippedRows[0].row, "TEMP = 250");
            EXPECT_EQ(t.skippedRows[0].reason, "FALTA EL VALOR DE K");
        } else {
            EXPECT_TRUE(t.skippedRows.empty()) << t.title;
        }
    }
    const std::vector<std::string> lines = report.lines();
    const std::vector<std::string> want{
        "SE HAN IMPORTADO 10 TABLAS DE " + shown(fixture("GASES.mdb")) + " EN " +
            shown(dir.filePath("GASES.mdb")) + ":",
        "  \"AIRE\": 6 FILAS",
        "  \"MI GAS\": 3 FILAS",
        "  \"Gas ñandú \"x\"\": 2 FILAS",
        "  \"UNO\": 1 FILA",
        "  \"REPETIDA\": 3 FILAS",
        "  \"CON NULO\": 2 FILAS",
        "    NO SE HA IMPORTADO LA FILA TEMP = 250: FALTA EL VALOR DE K",
        "  \"DOBLE\": 3 FILAS",
        "  \"minusculas\": 2 FILAS",
        "  \"EXTRA\": 2 FILAS",
        "  \"VACIA\": SIN FILAS",
        "NO SE HAN IMPORTADO 1 TABLA:",
        "  \"NOTAS\": NO ES UNA TABLA DE FLUIDO: LE FALTAN LAS COLUMNAS TEMP, DEN, CP, MIU, UN, K, "
        "ALFA, PR",
        "SE HAN AÑADIDO LAS TABLAS DEL PROGRAMA DE LOS FLUIDOS INCORPORADOS QUE FALTABAN: "
        "AMONIACO, CO, CO2, HELIO, HIDROGENO, NITROGENO, OXIGENO, VAPOR",
    };
    EXPECT_EQ(lines, want);
}

// The rules the fixtures cannot show, on tables made here.
TEST(Conversion, RulesOnTablesAndRows) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto col = [](const char* name, ColumnKind kind = ColumnKind::Single) {
        return AccessColumn{name, 0, kind};
    };
    const std::vector<AccessColumn> gas{col("TEMP"), col("DEN"), col("CP"), col("MIU"),
                                        col("UN"),   col("K"),   col("ALFA"), col("PR")};
    auto table = [&](std::string name, std::vector<std::vector<AccessCell>> rows,
                     std::vector<AccessColumn> columns = {}) {
        return AccessTable{std::move(name), columns.empty() ? gas : std::move(columns), std::move(rows), ""};
    };
    const std::vector<AccessCell> good{300, 1, 2, 3, 4, 5, 6, 7};
    auto with = [&](std::size_t at, AccessCell v) {
        std::vector<AccessCell> row = good;
        row[at] = v;
        return row;
    };
    std::vector<AccessColumn> textTemp = gas;
    textTemp[0].kind = ColumnKind::Other;
    std::vector<AccessColumn> whole = gas;
    for (AccessColumn& c : whole) c.kind = ColumnKind::Whole;
    std::vector<AccessColumn> shuffled{col("pr"), col("Notas", ColumnKind::Other), col("alfa"), col("k"),
                                       col("un"), col("miu"), col("cp"), col("den"), col("Temp")};
    AccessTable damaged = table("ROTA", {good});
    damaged.damage = "SE LEYERON 1 FILAS DE LAS 2 QUE DECLARA";

    const struct {
        const char* what;
        AccessTable t;
        std::string skipped;                // the table's reason, or "" when imported
        std::vector<std::vector<double>> rows;  // imported
        std::vector<std::string> skippedRows;   // "row: reason"
    } cases[] = {
        {"whole numbers", table("ENTEROS", {{300, 1, 2, 3, 4, 5, 6, 7}}, whole), "", {{300, 1, 2, 3, 4, 5, 6, 7}}, {}},
        {"any column order, any letter case", table("ORDEN", {{7, std::nullopt, 6, 5, 4, 3, 2, 1, 300}}, shuffled),
         "", {{300, 1, 2, 3, 4, 5, 6, 7}}, {}},
        {"values rounded as stored", table("REDONDEO", {with(1, 1.1614)}), "", {{300, double(1.1614f), 2, 3, 4, 5, 6, 7}}, {}},
        {"no TEMP to name the row", table("SIN TEMP", {good, with(0, std::nullopt)}), "", {{300, 1, 2, 3, 4, 5, 6, 7}},
         {"NUMERO 2: FALTA EL VALOR DE TEMP"}},
        {"two values missing", table("HUECOS", {[&] { auto r = with(5, std::nullopt); r[7] = std::nullopt; return r; }()}),
         "", {}, {"TEMP = 300: FALTAN LOS VALORES DE K, PR"}},
        {"beyond a float",
         table("ENORME", {with(1, 1e39), with(2, nan), [&] { auto r = with(0, 273.15); r[1] = -1e300; return r; }()}),
         "", {},
         {"TEMP = 300: EL VALOR DE DEN NO ES UN NUMERO FINITO DE PRECISION SIMPLE",
          "TEMP = 300: EL VALOR DE CP NO ES UN NUMERO FINITO DE PRECISION SIMPLE",
          "TEMP = 273.15: EL VALOR DE DEN NO ES UN NUMERO FINITO DE PRECISION SIMPLE"}},
        {"a text column", table("TEXTO", {}, textTemp), msg::columnNotANumber("TEMP"), {}, {}},
        {"damaged", damaged, msg::tableDamaged("SE LEYERON 1 FILAS DE LAS 2 QUE DECLARA"), {}, {}},
        {"SQLite's own name", table("sqlite_datos", {good}), std::string(msg::kReservedTitle), {}, {}},
        {"unreadable name", table("\xff\xfe", {good}), std::string(msg::kUnreadableTitle), {}, {}},
        {"one column missing", table("CASI", {{300, 1, 2, 3, 4, 5, 6}}, {gas.begin(), gas.end() - 1}),
         msg::notAFluidTable("PR", false), {}, {}},
    };
    for (const auto& c : cases) {
        AccessDatabase db;
        db.tables.push_back(c.t);
        const ConversionPlan plan = planConversion(db, true);
        if (!c.skipped.empty()) {
            ASSERT_EQ(plan.report.skipped.size(), 1u) << c.what;
            EXPECT_EQ(plan.report.skipped[0].reason, c.skipped) << c.what;
            EXPECT_TRUE(plan.tables.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(plan.tables.size(), 1u) << c.what;
        EXPECT_EQ(plan.tables[0].title.toStdString(), c.t.name) << c.what;
        EXPECT_EQ(plan.tables[0].rows, c.rows) << c.what;
        std::vector<std::string> skippedRows;
        for (const SkippedRow& r : plan.report.imported[0].skippedRows)
            skippedRows.push_back(r.row + ": " + r.reason);
        EXPECT_EQ(skippedRows, c.skippedRows) << c.what;
    }

    // Titles clash as the store compares them; a table of a built-in fluid's name in any
    // letter case stands for it; a liquid table needs BETA, a gas table ignores it.
    AccessDatabase db;
    db.tables = {table("aire", {good}), table("AIRE", {good}), table("Helio", {good})};
    ConversionPlan plan = planConversion(db, true);
    EXPECT_FALSE(plan.report.complete());
    EXPECT_EQ(titles(plan.report.imported), (std::vector<std::string>{"aire", "Helio"}));
    ASSERT_EQ(plan.report.skipped.size(), 1u);
    EXPECT_EQ(plan.report.skipped[0].reason, msg::kRepeatedTitle);
    EXPECT_EQ(plan.report.shipped,
              (std::vector<std::string>{"AMONIACO", "CO", "CO2", "HIDROGENO", "NITROGENO", "OXIGENO", "VAPOR"}));
    db.tables.erase(db.tables.begin() + 1);
    EXPECT_TRUE(planConversion(db, true).report.complete());
    std::vector<AccessColumn> liquid = gas;
    liquid.push_back(col("BETA"));
    db.tables = {table("CON BETA", {{300, 1, 2, 3, 4, 5, 6, 7, 8}}, liquid)};
    EXPECT_EQ(planConversion(db, true).tables.at(0).rows, (std::vector<std::vector<double>>{{300, 1, 2, 3, 4, 5, 6, 7}}));
    EXPECT_EQ(planConversion(db, false).tables.at(0).rows, (std::vector<std::vector<double>>{{300, 1, 2, 3, 4, 5, 6, 7, 8}}));
    db.tables = {table("SIN DEN NI BETA", {}, {gas[0], gas[2], gas[3], gas[4], gas[5], gas[6], gas[7]})};
    EXPECT_EQ(planConversion(db, false).report.skipped.at(0).reason, msg::notAFluidTable("DEN, BETA", true));
}

TEST(Conversion, InPlaceKeepsTheOriginalUnderAFreeName) {
    QTemporaryDir dir;
    const DatabaseFiles files(dir.path());
    const QString gases = files.pathFor("GASES");
    ASSERT_TRUE(QFile::copy(fixture("GASES.mdb"), gases));
    writeFile(dir.filePath("GASES.access.mdb"), "otro archivo del usuario");

    EXPECT_EQ(keptName(gases), dir.filePath("GASES.access-2.mdb"));
    const ConversionReport report = convertInPlace(gases, "GASES");
    EXPECT_EQ(report.keptOriginal, shown(dir.filePath("GASES.access-2.mdb")));
    EXPECT_EQ(report.lines().back(), msg::originalKept(report.keptOriginal));
    EXPECT_EQ(bytesOf(dir.filePath("GASES.access-2.mdb")), bytesOf(fixture("GASES.mdb")));
    EXPECT_EQ(bytesOf(dir.filePath("GASES.access.mdb")), "otro archivo del usuario");
    EXPECT_EQ(FluidStore(files, "GASES").listFluidTables().size(), 18u);

    // The command line's way to the same: the new file named as the old one.
    const QString liquids = files.pathFor("LIQUIDOS");
    ASSERT_TRUE(QFile::copy(fixture("LIQUIDOS.mdb"), liquids));
    EXPECT_EQ(convertFile(liquids, liquids, "LIQUIDOS").keptOriginal, shown(dir.filePath("LIQUIDOS.access.mdb")));
    EXPECT_EQ(bytesOf(dir.filePath("LIQUIDOS.access.mdb")), bytesOf(fixture("LIQUIDOS.mdb")));
    EXPECT_EQ(FluidStore(files, "LIQUIDOS").listFluidTables().front(), "AGUA");
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"GASES.access-2.mdb", "GASES.access.mdb", "GASES.mdb",
                                                "LIQUIDOS.access.mdb", "LIQUIDOS.mdb"}));
}

// Each failure: its message, the original as it was, and no new file.
TEST(Conversion, AFailureLeavesEverythingAsItWas) {
    const QByteArray gases = bytesOf(fixture("GASES.mdb"));
    QTemporaryDir dir;
    const QString old = dir.filePath("viejo/GASES.mdb"), target = dir.filePath("nuevo/GASES.mdb");
    const QString oldDir = dir.filePath("viejo"), newDir = dir.filePath("nuevo");
    const auto denied = msg::folderNotWritable(shown(newDir));
    QTemporaryDir elsewhere;
    FluidStore(DatabaseFiles(elsewhere.path()), "GASES").listFluidTables();
    const QByteArray sqlite = bytesOf(elsewhere.filePath("GASES.mdb"));
    const struct {
        const char* what;
        QByteArray content;  // of the old file; null: none
        std::function<void()> prepare;
        std::string message;  // '@' for the old file's path, '#' for the target's
        bool inPlace = false;
    } cases[] = {
        {"cut short", gases.left(gases.size() / 2), {}, msg::accessFileDamaged("@", msg::kTruncated)},
        {"neither format", "TEMP;DEN\n", {}, msg::notAnAccessFile("@")},
        {"already an SQLite file", sqlite, {}, msg::notAnAccessFile("@")},
        {"missing", QByteArray(), {}, msg::cannotReadFile("@", std::strerror(ENOENT))},
        {"the target exists", gases, [&] { writeFile(target, "mio"); }, msg::targetExists("#")},
        {"no folder for the target", gases, [&] { QDir(newDir).removeRecursively(); },
         msg::cannotCreateFile("#", "LA CARPETA NO EXISTE")},
        {"a folder closed to writing", gases,
         [&] { QFile::setPermissions(newDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner); }, denied},
        {"in place, in a folder closed to writing", gases,
         [&] { QFile::setPermissions(oldDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner); },
         msg::folderNotWritable(shown(oldDir)), true},
    };
    for (const auto& c : cases) {
        QDir(oldDir).removeRecursively();
        QDir(newDir).removeRecursively();
        QDir(dir.path()).mkpath("viejo");
        QDir(dir.path()).mkpath("nuevo");
        if (!c.content.isNull()) writeFile(old, c.content);
        if (c.prepare) c.prepare();
        const QStringList oldFiles = filesIn(oldDir), newFiles = filesIn(newDir);
        std::string want = c.message;
        if (const auto at = want.find('@'); at != std::string::npos) want.replace(at, 1, shown(old));
        if (const auto at = want.find('#'); at != std::string::npos) want.replace(at, 1, shown(target));
        EXPECT_EQ(messageOf([&] { c.inPlace ? convertInPlace(old, "GASES") : convertFile(old, target, "GASES"); }), want)
            << c.what;
        EXPECT_EQ(bytesOf(old), c.content) << c.what;
        EXPECT_EQ(filesIn(oldDir), oldFiles) << c.what;
        EXPECT_EQ(filesIn(newDir), newFiles) << c.what;
        QFile::setPermissions(oldDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(newDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

// A disk that fills up while the new file is written: here, a limit on the size of the
// files this process may write.
TEST(Conversion, AFullDiskLeavesNoNewFile) {
    QTemporaryDir dir;
    const QString target = dir.filePath("GASES.mdb");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{16384, before.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = messageOf([&] { convertFile(fixture("GASES.mdb"), target, "GASES"); });
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(message.rfind("NO SE HA PODIDO CONVERTIR EL ARCHIVO " + shown(fixture("GASES.mdb")) + " (", 0), 0u)
        << message;
    EXPECT_TRUE(filesIn(dir.path()).isEmpty()) << filesIn(dir.path()).join(' ').toStdString();
}

// Cut and spoiled copies converted in place: each is either converted, its bytes kept
// beside the new file, or refused and left alone, and nothing else remains.
TEST(Conversion, DamagedCopiesAreConvertedOrLeftAlone) {
    std::mt19937 random(11);
    int converted = 0, refused = 0;
    for (const char* family : {"GASES", "LIQUIDOS"}) {
        const QByteArray original = bytesOf(fixture(QString(family) + ".mdb"));
        for (int i = 0; i < 16; ++i) {
            QTemporaryDir dir;
            const DatabaseFiles files(dir.path());
            const QString path = files.pathFor(family);
            QByteArray b = original;
            if (i % 4 == 0) b.truncate(qsizetype(random() % std::uint32_t(b.size())));
            else
                for (int n = 0; n < 1 << (i % 4 * 3); ++n)
                    b[qsizetype(random() % std::uint32_t(b.size()))] = char(random());
            writeFile(path, b);
            const std::string message = messageOf([&] { convertInPlace(path, family); });
            if (message == "(no message)") {
                ++converted;
                EXPECT_EQ(bytesOf(dir.filePath(QString(family) + ".access.mdb")), b);
                EXPECT_NO_THROW(FluidStore(files, family).listFluidTables());
                EXPECT_EQ(filesIn(dir.path()).size(), 2);
            } else {
                ++refused;
                EXPECT_EQ(bytesOf(path), b) << message;
                EXPECT_EQ(filesIn(dir.path()), QStringList{QString(family) + ".mdb"}) << message;
            }
        }
    }
    EXPECT_GT(converted, 0);
    EXPECT_GT(refused, 0);
}
