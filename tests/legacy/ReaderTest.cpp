// The Access reader on the fixture files, on damaged copies of them, and the check of what
// its child process answers.
#include "tests/legacy/Fixtures.h"

#include "legacy/AccessReader.h"
#include "legacy/LegacyMessages.h"
#include "engine/UserError.h"

#include <QTemporaryDir>

#include <functional>
#include <random>

using namespace velm;
using namespace velm::legacy;
using namespace velm::testing;

namespace {

std::string pathOf(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The reader's answer on a file: "" when it read the file, else its message.
std::string outcomeOf(const QString& path, AccessDatabase* db = nullptr) {
    try {
        AccessDatabase read = readAccessFile(pathOf(path));
        if (db) *db = std::move(read);
        return "";
    } catch (const UserError& e) {
        return e.what();
    }
}

}  // namespace

TEST(AccessReader, ReadsEveryTableAsStored) {
    for (const char* file : {"GASES", "LIQUIDOS"}) {
        const AccessDatabase db = readAccessFile(pathOf(fixture(QString(file) + ".mdb")));
        EXPECT_EQ(db.format, AccessFormat::Jet4);
        std::vector<std::string> names, want;
        for (const AccessTable& t : db.tables) names.push_back(t.name);
        for (const FixtureTable& f : fixtureTables())
            if (f.file == std::string(file)) want.push_back(f.title);
        ASSERT_EQ(names, want) << file;

        for (const AccessTable& t : db.tables) {
            const auto f = std::find_if(fixtureTables().begin(), fixtureTables().end(),
                                        [&](const FixtureTable& x) { return x.title == t.name; });
            const Csv csv = readCsv(f->csv);
            EXPECT_EQ(t.damage, "") << t.name;
            ASSERT_EQ(t.rows.size(), csv.rows.size()) << t.name;
            ASSERT_LE(t.columns.size(), csv.heading.size()) << t.name;
            for (std::size_t c = 0; c < t.columns.size(); ++c) {
                const AccessColumn& col = t.columns[c];
                EXPECT_EQ(col.name, csv.heading[c]) << t.name;
                const bool hasStored = std::count(csv.heading.begin(), csv.heading.end(), col.name + "__g17");
                for (std::size_t r = 0; r < t.rows.size(); ++r) {
                    const std::string where = t.name + " row " + std::to_string(r + 1) + " " + col.name;
                    if (hasStored) {  // Single and Double: bit for bit
                        const std::optional<double> want1 = csv.stored(r, col.name);
                        ASSERT_EQ(t.rows[r][c].has_value(), want1.has_value()) << where;
                        if (want1) {
                            EXPECT_EQ(*t.rows[r][c], *want1) << where;
                        }
                    } else if (col.number()) {  // NOTAS.ID, a Long Integer
                        EXPECT_EQ(t.rows[r][c], std::stod(csv.rows[r][c])) << where;
                    } else {
                        EXPECT_FALSE(t.rows[r][c]) << where << ": text is never read";
                    }
                }
            }
        }
    }
    // The column kinds the conversion tells apart.
    const AccessDatabase gases = readAccessFile(pathOf(fixture("GASES.mdb")));
    auto kind = [&](const char* table, std::size_t column) {
        for (const AccessTable& t : gases.tables)
            if (t.name == table) return t.columns.at(column).kind;
        return ColumnKind::Other;
    };
    EXPECT_EQ(kind("AIRE", 0), ColumnKind::Single);
    EXPECT_EQ(kind("DOBLE", 1), ColumnKind::Double);
    EXPECT_EQ(kind("NOTAS", 0), ColumnKind::Whole);
    EXPECT_EQ(kind("NOTAS", 1), ColumnKind::Other);
    EXPECT_EQ(kind("EXTRA", 8), ColumnKind::Other);
}

// Files the reader must refuse with a message naming them, without crashing.
TEST(AccessReader, RefusesDamagedFilesWithAMessage) {
    const QByteArray gases = bytesOf(fixture("GASES.mdb"));
    const auto damaged = [](std::string_view why) { return msg::accessFileDamaged("@", why); };
    auto changed = [&](std::initializer_list<std::pair<int, char>> bytes) {
        QByteArray b = gases;
        for (const auto& [at, value] : bytes) b[at] = value;
        return b;
    };
    QByteArray zeroedCatalogue = gases;
    zeroedCatalogue.replace(0x2000, 0x1000, QByteArray(0x1000, '\0'));
    const struct {
        const char* what;
        QByteArray content;
        std::string message;  // "@" for the file's path
    } cases[] = {
        {"empty", {}, msg::notAnAccessFile("@")},
        {"plain text", "TEMP,DEN\n300,1.16\n", msg::notAnAccessFile("@")},
        {"the header alone", gases.left(21), damaged(msg::kTruncated)},
        {"cut inside the first page", gases.left(100), damaged(msg::kTruncated)},
        {"one page", gases.left(4096), damaged(msg::kTruncated)},
        {"cut one byte short", gases.left(gases.size() - 1), damaged(msg::kTruncated)},
        {"cut a byte into a page", gases.left(8193), damaged(msg::kTruncated)},
        {"cut at a page boundary", gases.left(40 * 4096), damaged(msg::kTruncated)},
        {"an unknown version", changed({{0x14, 9}}), damaged(msg::kUnknownVersion)},
        {"no catalogue", zeroedCatalogue, damaged(msg::kNoCatalogue)},
        // A table's flags and its page map spoiled: mdbtools itself crashes on this one.
        {"crashes the library", changed({{0x20c0, 94}, {0xf037, char(156)}}), damaged(msg::kReaderCrashed)},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = QDir(dir.path()).filePath("GASES.mdb");
        writeFile(path, c.content);
        std::string want = c.message;
        want.replace(want.find('@'), 1, pathOf(path));
        EXPECT_EQ(outcomeOf(path), want) << c.what;
        EXPECT_EQ(bytesOf(path), c.content) << c.what;
    }
    EXPECT_EQ(outcomeOf(QDir(dir.path()).filePath("NADA.mdb")).rfind("NO SE PUEDE LEER EL ARCHIVO ", 0), 0u);
    // A reading that overruns its time is stopped (here, one given none at all).
    const std::string fixturePath = pathOf(fixture("GASES.mdb"));
    try {
        readAccessFile(fixturePath, std::chrono::milliseconds(0));
        ADD_FAILURE() << "a reading without time was let through";
    } catch (const UserError& e) {
        EXPECT_EQ(e.what(), msg::accessFileDamaged(fixturePath, msg::readerTimedOut(0)));
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList{"GASES.mdb"}) << "no core file, nothing else";
}

// Cut and spoiled copies of both files, as a user's disk might leave them: every one is
// either read or refused with a message, and the reader's own process lives on.
TEST(AccessReader, NeverCrashesOnDamagedCopies) {
    QTemporaryDir dir;
    std::mt19937 random(20240607);
    int refused = 0, read = 0;
    for (const char* file : {"GASES.mdb", "LIQUIDOS.mdb"}) {
        const QByteArray original = bytesOf(fixture(file));
        for (int i = 0; i < 60; ++i) {
            QByteArray b = original;
            const auto at = [&] { return qsizetype(random() % std::uint32_t(b.size())); };
            switch (i % 3) {
                case 0: b.truncate(at()); break;
                case 1:
                    for (int n = 0; n < 1 + i % 7; ++n) b[at()] = char(b[at()] ^ (1 << (random() % 8)));
                    break;
                default:
                    for (int n = 0; n < 50 + i * 5; ++n) b[at()] = char(random());
            }
            const QString path = QDir(dir.path()).filePath(file);
            writeFile(path, b);
            const std::string outcome = outcomeOf(path);
            if (outcome.empty()) ++read;
            else {
                ++refused;
                EXPECT_NE(outcome.find(pathOf(path)), std::string::npos) << outcome;
            }
            EXPECT_EQ(bytesOf(path), b);
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(read, 0);
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"GASES.mdb", "LIQUIDOS.mdb"}));
}

// What comes back from the child is checked before it is believed: any cut or changed
// answer is refused, never read beyond its end.
TEST(AccessReader, ChecksTheChildsAnswer) {
    const AccessDatabase db = readAccessFileHere(pathOf(fixture("GASES.mdb")));
    const std::string answer = encodeDatabase(db);
    const AccessDatabase back = decodeDatabase(answer, "x");
    ASSERT_EQ(back.tables.size(), db.tables.size());
    for (std::size_t t = 0; t < db.tables.size(); ++t) {
        EXPECT_EQ(back.tables[t].name, db.tables[t].name);
        EXPECT_EQ(back.tables[t].rows, db.tables[t].rows);
    }
    const std::string nonsense = msg::accessFileDamaged("x", msg::kReaderAnsweredNonsense);
    for (std::size_t cut = 0; cut < answer.size(); ++cut) {
        try {
            decodeDatabase(std::string_view(answer).substr(0, cut), "x");
            ADD_FAILURE() << "an answer cut at " << cut << " was believed";
        } catch (const UserError& e) {
            ASSERT_EQ(e.what(), nonsense) << cut;
        }
    }
    std::string huge = answer;
    huge.replace(9, 4, "\xff\xff\xff\x7f");  // the table count
    EXPECT_THROW(decodeDatabase(huge, "x"), UserError);
    EXPECT_THROW(decodeDatabase(answer + "x", "x"), UserError);
    try {
        decodeDatabase(encodeError("EL MENSAJE DEL HIJO"), "x");
        ADD_FAILURE() << "an error answer was believed";
    } catch (const UserError& e) {
        EXPECT_STREQ(e.what(), "EL MENSAJE DEL HIJO");
    }
}
