// Converting the fixture files, the rules the fixtures do not show, and every way a
// conversion can fail without leaving anything behind.
#include "tests/legacy/Fixtures.h"

#include "engine/Catalogue.h"
#include "legacy/Conversion.h"
#include "legacy/LegacyMessages.h"
#include "store/FluidStore.h"
#include "store/StoreMessages.h"

#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <limits>
#include <random>

using namespace velm;
using namespace velm::legacy;
using namespace velm::testing;

namespace {

std::string shown(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

}  // namespace

TEST(Conversion, TakesOverEveryFluidTableExactly) {
    const struct {
        const char* family;
        std::vector<std::string> imported, skipped, skippedRows;
        std::string present;  // the built-in fluid the file has a table for
    } cases[] = {
        {"GASES",
         {"AIRE", "MI GAS", "Gas ñandú \"x\"", "UNO", "REPETIDA", "CON NULO", "DOBLE", "minusculas", "EXTRA",
          "VACIA"},
         {"NOTAS: " + msg::notAFluidTable("TEMP, DEN, CP, MIU, UN, K, ALFA, PR", true)},
         {"CON NULO: TEMP = 250: FALTA EL VALOR DE K"},
         "AIRE"},
        {"LIQUIDOS", {"AGUA", "ACEITE DE PRUEBA"}, {"SIN BETA: " + std::string(msg::kNoBeta)}, {}, "AGUA"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString name = QString(c.family) + ".mdb", old = dir.filePath("viejo/" + name);
        ASSERT_TRUE(QDir(dir.path()).mkdir("viejo") && QFile::copy(fixture(name), old));
        const DatabaseFiles files(dir.path());
        const Family family = *familyNamed(c.family);
        const ConversionReport report = convertFile(old, files.pathFor(family), family);

        std::vector<std::string> imported, skipped, skippedRows, shipped;
        for (const ImportedTable& t : report.imported) {
            imported.push_back(t.title);
            for (const SkippedRow& r : t.skippedRows) skippedRows.push_back(t.title + ": " + r.row + ": " + r.reason);
        }
        for (const SkippedTable& t : report.skipped) skipped.push_back(t.title + ": " + t.reason);
        for (const BuiltInFluid& f : builtInFluids(family))
            if (f.name != c.present) shipped.emplace_back(f.name);
        EXPECT_EQ(imported, c.imported);
        EXPECT_EQ(skipped, c.skipped);
        EXPECT_EQ(skippedRows, c.skippedRows);
        EXPECT_EQ(report.shipped, shipped);
        EXPECT_FALSE(report.complete());
        const FluidStore store(files, family);
        std::vector<std::string> listed = imported;
        listed.insert(listed.end(), shipped.begin(), shipped.end());
        EXPECT_EQ(store.listFluidTables(), listed) << "titles exactly, the shipped tables after";

        // Every row whose values are all there, in its order, each value as stored.
        for (const ImportedTable& t : report.imported) {
            const Csv csv = readCsv(csvName(c.family, t.title));
            std::vector<std::vector<std::optional<double>>> want, got;
            for (std::size_t r = 0; r < csv.rows.size(); ++r) {
                std::vector<std::optional<double>> row;
                for (const char* column : store.columns())
                    if (const auto v = csv.stored(r, column)) row.push_back(storedValue(*v));
                if (row.size() == store.columns().size()) want.push_back(row);
            }
            for (const StoredRow& row : store.readRows(t.title)) got.push_back(row.values);
            EXPECT_EQ(got, want) << t.title;
            EXPECT_EQ(t.rows, want.size()) << t.title;
        }
        EXPECT_EQ(bytesOf(old), bytesOf(fixture(name))) << "the original is never written";
        EXPECT_EQ(filesIn(dir.path()), QStringList{name});
        EXPECT_EQ(filesIn(dir.filePath("viejo")), QStringList{name});
    }
}

// Rules the fixtures do not show, on one-table databases made here (gas family).
TEST(Conversion, RulesOnTablesAndRows) {
    const std::vector<std::string> gas{"TEMP", "DEN", "CP", "MIU", "UN", "K", "ALFA", "PR"};
    auto table = [](std::string name, std::vector<std::string> columns, std::vector<std::vector<AccessCell>> rows,
                    ColumnKind kind = ColumnKind::Single) {
        AccessTable t{std::move(name), {}, std::move(rows), ""};
        for (const std::string& c : columns) t.columns.push_back({c, 0, c == "Notas" ? ColumnKind::Other : kind});
        return t;
    };
    const std::vector<AccessCell> good{300, 1, 2, 3, 4, 5, 6, 7};
    auto with = [&](std::initializer_list<std::pair<std::size_t, AccessCell>> changes) {
        std::vector<AccessCell> row = good;
        for (const auto& [at, v] : changes) row[at] = v;
        return row;
    };
    AccessTable damaged = table("ROTA", gas, {good});
    damaged.damage = "SE LEYERON 1 FILAS DE LAS 2 QUE DECLARA";
    const std::vector<double> stored{300, 1, 2, 3, 4, 5, 6, 7};
    const struct {
        const char* what;
        AccessTable t;
        std::string outcome;  // the table's reason, or the skipped rows as "row: reason; "
        std::vector<std::vector<double>> rows = {};
    } cases[] = {
        {"whole numbers", table("ENTEROS", gas, {good}, ColumnKind::Whole), "", {stored}},
        {"any order and letter case",
         table("ORDEN", {"pr", "Notas", "alfa", "k", "un", "miu", "cp", "den", "Temp"},
               {{7, std::nullopt, 6, 5, 4, 3, 2, 1, 300}}),
         "", {stored}},
        {"no TEMP to name a row", table("SIN TEMP", gas, {good, with({{0, std::nullopt}})}),
         "NUMERO 2: FALTA EL VALOR DE TEMP; ", {stored}},
        {"values missing", table("HUECOS", gas, {with({{5, std::nullopt}, {7, std::nullopt}})}),
         "TEMP = 300: FALTAN LOS VALORES DE K, PR; "},
        {"no float", table("ENORME", gas, {with({{1, 1e39}}), with({{0, 273.15}, {2, std::nan("")}})}),
         "TEMP = 300: " + msg::valueNotSingle("DEN") + "; TEMP = 273.15: " + msg::valueNotSingle("CP") + "; "},
        {"a text column", table("TEXTO", gas, {}, ColumnKind::Other), msg::columnNotANumber("TEMP")},
        {"damaged", damaged, msg::tableDamaged(damaged.damage)},
        {"SQLite's own name", table("sqlite_datos", gas, {good}), std::string(msg::kReservedTitle)},
        {"unreadable name", table("\xff\xfe", gas, {good}), std::string(msg::kUnreadableTitle)},
        {"one column missing", table("CASI", {gas.begin(), gas.end() - 1}, {}), msg::notAFluidTable("PR", false)},
    };
    for (const auto& c : cases) {
        const ConversionPlan plan = planConversion(AccessDatabase{AccessFormat::Jet4, {c.t}}, true);
        std::string outcome;
        for (const SkippedTable& s : plan.report.skipped) outcome += s.reason;
        for (const ImportedTable& t : plan.report.imported)
            for (const SkippedRow& r : t.skippedRows) outcome += r.row + ": " + r.reason + "; ";
        EXPECT_EQ(outcome, c.outcome) << c.what;
        EXPECT_EQ(plan.report.complete(), c.outcome.empty()) << c.what;
        EXPECT_EQ(plan.tables.empty() ? std::vector<std::vector<double>>{} : plan.tables[0].rows, c.rows) << c.what;
    }

    // Titles clash as the store compares them, and a built-in fluid's name in any letter case
    // stands for it; a gas table ignores BETA, a liquid table needs it.
    AccessDatabase db{AccessFormat::Jet4, {table("aire", gas, {good}), table("AIRE", gas, {good})}};
    const ConversionPlan plan = planConversion(db, true);
    EXPECT_EQ(plan.report.skipped.at(0).reason, msg::kRepeatedTitle);
    EXPECT_EQ(plan.report.shipped.front(), "AMONIACO");
    std::vector<std::string> liquid = gas;
    liquid.push_back("BETA");
    db.tables = {table("CON BETA", liquid, {{300, 1, 2, 3, 4, 5, 6, 7, 8}})};
    EXPECT_EQ(planConversion(db, true).tables.at(0).rows.at(0), stored);
    EXPECT_EQ(planConversion(db, false).tables.at(0).rows.at(0).size(), 9u);
    db.tables = {table("SIN DEN NI BETA", {"TEMP", "CP", "MIU", "UN", "K", "ALFA", "PR"}, {})};
    EXPECT_EQ(planConversion(db, false).report.skipped.at(0).reason, msg::notAFluidTable("DEN, BETA", true));
}

TEST(Conversion, InPlaceKeepsTheOriginalUnderAFreeName) {
    QTemporaryDir dir;
    const DatabaseFiles files(dir.path());
    const QString gases = files.pathFor(Family::Gases), liquids = files.pathFor(Family::Liquids);
    ASSERT_TRUE(QFile::copy(fixture("GASES.mdb"), gases) && QFile::copy(fixture("LIQUIDOS.mdb"), liquids));
    writeFile(dir.filePath("GASES.access.mdb"), "otro archivo del usuario");

    const ConversionReport report = convertInPlace(gases, Family::Gases);
    EXPECT_EQ(report.keptOriginal, shown(dir.filePath("GASES.access-2.mdb")));
    EXPECT_EQ(report.lines().back(), msg::originalKept(report.keptOriginal));
    EXPECT_EQ(bytesOf(dir.filePath("GASES.access-2.mdb")), bytesOf(fixture("GASES.mdb")));
    EXPECT_EQ(bytesOf(dir.filePath("GASES.access.mdb")), "otro archivo del usuario");
    EXPECT_EQ(FluidStore(files, Family::Gases).listFluidTables().size(), 18u);
    // The command line's way to the same: the new file named as the old one.
    EXPECT_EQ(convertFile(liquids, liquids, Family::Liquids).keptOriginal, shown(dir.filePath("LIQUIDOS.access.mdb")));
    EXPECT_EQ(bytesOf(dir.filePath("LIQUIDOS.access.mdb")), bytesOf(fixture("LIQUIDOS.mdb")));
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"GASES.access-2.mdb", "GASES.access.mdb", "GASES.mdb",
                                                "LIQUIDOS.access.mdb", "LIQUIDOS.mdb"}));
}

// Each failure: its message, the original as it was, and no new file anywhere.
TEST(Conversion, AFailureLeavesEverythingAsItWas) {
    const QByteArray gases = bytesOf(fixture("GASES.mdb"));
    QTemporaryDir dir;
    const QString oldDir = dir.filePath("viejo"), newDir = dir.filePath("nuevo");
    const QString old = oldDir + "/GASES.mdb", target = newDir + "/GASES.mdb";
    const auto closed = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    const struct {
        QByteArray content;
        std::function<void()> prepare;
        std::string message;
        bool inPlace = false;
    } cases[] = {
        {gases.left(gases.size() / 2), [] {}, msg::accessFileDamaged(shown(old), msg::kTruncated)},
        {gases, [&] { writeFile(target, "mio"); }, msg::targetExists(shown(target))},
        {gases, [&] { QDir(newDir).removeRecursively(); },
         msg::cannotCreateFile(shown(target), "LA CARPETA NO EXISTE")},
        {gases, [&] { QFile::setPermissions(newDir, closed); }, msg::folderNotWritable(shown(newDir))},
        {gases, [&] { QFile::setPermissions(oldDir, closed); }, msg::folderNotWritable(shown(oldDir)), true},
    };
    for (const auto& c : cases) {
        for (const QString& d : {oldDir, newDir}) {
            QFile::setPermissions(d, closed | QFileDevice::WriteOwner);
            QDir(d).removeRecursively();
            QDir().mkpath(d);
        }
        writeFile(old, c.content);
        c.prepare();
        const QStringList oldFiles = filesIn(oldDir), newFiles = filesIn(newDir);
        EXPECT_EQ(messageOf([&] {
                      c.inPlace ? convertInPlace(old, Family::Gases) : convertFile(old, target, Family::Gases);
                  }),
                  c.message);
        EXPECT_EQ(bytesOf(old), c.content) << c.message;
        EXPECT_EQ(filesIn(oldDir), oldFiles) << c.message;
        EXPECT_EQ(filesIn(newDir), newFiles) << c.message;
    }
}

// A disk that fills up while the new file is written: here, a limit on the size of the files
// this process may write.
TEST(Conversion, AFullDiskLeavesNoNewFile) {
    QTemporaryDir dir;
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{16384, before.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message =
        messageOf([&] { convertFile(fixture("GASES.mdb"), dir.filePath("GASES.mdb"), Family::Gases); });
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(message.rfind("NO SE HA PODIDO CONVERTIR EL ARCHIVO " + shown(fixture("GASES.mdb")) + " (", 0), 0u)
        << message;
    EXPECT_EQ(filesIn(dir.path()), QStringList{});
}

// Cut and spoiled copies converted in place: each is either converted, its bytes kept beside
// the new file, or refused and left alone; nothing else remains, and this process lives on.
TEST(Conversion, DamagedCopiesAreConvertedOrLeftAlone) {
    std::mt19937 random(11);
    int converted = 0, refused = 0;
    for (const Family family : kFamilies) {
        const QString fileName = QString::fromLatin1(familyName(family).data());
        const QByteArray original = bytesOf(fixture(fileName + ".mdb"));
        for (int i = 0; i < 40; ++i) {
            QTemporaryDir dir;
            const DatabaseFiles files(dir.path());
            QByteArray b = original;
            const auto at = [&] { return qsizetype(random() % std::uint32_t(b.size())); };
            if (i % 4 == 0) b.truncate(at());
            for (int n = 0; i % 4 && n < 1 << (i % 4 * 3); ++n) b[at()] = char(random());
            writeFile(files.pathFor(family), b);
            const std::string message = messageOf([&] { convertInPlace(files.pathFor(family), family); });
            if (message == kNoMessage) {
                ++converted;
                EXPECT_EQ(bytesOf(dir.filePath(fileName + ".access.mdb")), b);
                EXPECT_NO_THROW(FluidStore(files, family).listFluidTables());
                EXPECT_EQ(filesIn(dir.path()).size(), 2);
            } else {
                ++refused;
                EXPECT_NE(message.find(shown(files.pathFor(family))), std::string::npos) << message;
                EXPECT_EQ(bytesOf(files.pathFor(family)), b) << message;
                EXPECT_EQ(filesIn(dir.path()), QStringList{fileName + ".mdb"}) << message;
            }
        }
    }
    EXPECT_GT(converted, 0);
    EXPECT_GT(refused, 0);
}
