// The Access reader on damaged files, and the check of what its child process answers.
// (What it reads from sound files is checked value by value through the conversion.)
#include "tests/legacy/Fixtures.h"

#include "legacy/AccessReader.h"
#include "legacy/LegacyMessages.h"
#include "engine/UserError.h"

#include <QTemporaryDir>

using namespace velm;
using namespace velm::legacy;
using namespace velm::testing;

namespace {

std::string messageOf(const std::string& path, std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    try {
        readAccessFile(path, limit);
    } catch (const UserError& e) {
        return e.what();
    }
    return "(read)";
}

}  // namespace

TEST(AccessReader, RefusesDamagedFilesWithAMessage) {
    const QByteArray gases = bytesOf(fixture("GASES.mdb"));
    auto changed = [&](std::initializer_list<std::pair<int, char>> bytes) {
        QByteArray b = gases;
        for (const auto& [at, value] : bytes) b[at] = value;
        return b;
    };
    const struct {
        const char* what;
        QByteArray content;
        std::string_view damage;  // empty: not an Access file at all
    } cases[] = {
        {"plain text", "TEMP,DEN\n300,1.16\n", {}},
        {"the header alone", gases.left(21), msg::kTruncated},
        {"cut one byte short", gases.left(gases.size() - 1), msg::kTruncated},
        {"cut at a page boundary", gases.left(40 * 4096), msg::kTruncated},
        {"an unknown version", changed({{0x14, 9}}), msg::kUnknownVersion},
        {"no catalogue", gases.left(0x2000) + QByteArray(0x1000, '\0') + gases.mid(0x3000),
         msg::kNoCatalogue},
        // A table's flags and its page map spoiled: mdbtools itself crashes on this one.
        {"crashes the library", changed({{0x20c0, 94}, {0xf037, char(156)}}), msg::kReaderCrashed},
    };
    QTemporaryDir dir;
    const std::string path = QFile::encodeName(dir.filePath("GASES.mdb")).toStdString();
    for (const auto& c : cases) {
        writeFile(dir.filePath("GASES.mdb"), c.content);
        EXPECT_EQ(messageOf(path),
                  c.damage.empty() ? msg::notAnAccessFile(path) : msg::accessFileDamaged(path, c.damage))
            << c.what;
        EXPECT_EQ(bytesOf(dir.filePath("GASES.mdb")), c.content) << c.what;
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList{"GASES.mdb"}) << "no core file, nothing else";
    // A reading that overruns its time is stopped (here, one given none at all).
    const std::string sound = QFile::encodeName(fixture("GASES.mdb")).toStdString();
    EXPECT_EQ(messageOf(sound, std::chrono::milliseconds(0)),
              msg::accessFileDamaged(sound, msg::readerTimedOut(0)));
}

// What comes back from the child is checked before it is believed: a cut or swollen answer
// is refused, never read beyond its end.
TEST(AccessReader, ChecksTheChildsAnswer) {
    const std::string answer =
        encodeDatabase(readAccessFileHere(QFile::encodeName(fixture("GASES.mdb")).toStdString()));
    EXPECT_EQ(encodeDatabase(decodeDatabase(answer, "x")), answer);
    const std::string nonsense = msg::accessFileDamaged("x", msg::kReaderAnsweredNonsense);
    std::string huge = answer;
    huge.replace(9, 4, "\xff\xff\xff\x7f");  // the table count
    std::vector<std::string> bad{huge, answer + "x"};
    for (std::size_t cut = 0; cut < answer.size(); ++cut) bad.push_back(answer.substr(0, cut));
    for (const std::string& b : bad) {
        try {
            decodeDatabase(b, "x");
            ADD_FAILURE() << "a bad answer of " << b.size() << " bytes was believed";
        } catch (const UserError& e) {
            ASSERT_EQ(e.what(), nonsense) << b.size();
        }
    }
    EXPECT_THROW(
        try { decodeDatabase(encodeError("EL MENSAJE DEL HIJO"), "x"); } catch (const UserError& e) {
            EXPECT_STREQ(e.what(), "EL MENSAJE DEL HIJO");
            throw;
        },
        UserError);
}
