// The Access reader on damaged files, and the check of what its child process answers.
// (What it reads from sound files is checked value by value through the conversion.)
#include "tests/legacy/Fixtures.h"

#include "legacy/AccessReader.h"
#include "legacy/LegacyMessages.h"

#include <QTemporaryDir>

using namespace velm;
using namespace velm::legacy;
using namespace velm::testing;

TEST(AccessReader, RefusesDamagedFilesWithAMessage) {
    const QByteArray gases = bytesOf(fixture("GASES.mdb"));
    auto changed = [&](std::initializer_list<std::pair<int, char>> bytes) {
        QByteArray b = gases;
        for (const auto& [at, value] : bytes) b[at] = value;
        return b;
    };
    const std::pair<QByteArray, std::string_view> cases[] = {  // the damage; empty: not an Access file
        {"TEMP,DEN\n300,1.16\n", {}},
        {gases.left(21), msg::kTruncated},                  // the header alone
        {gases.left(gases.size() - 1), msg::kTruncated},    // not a whole number of pages
        {gases.left(40 * 4096), msg::kTruncated},           // a table beyond the last page
        {changed({{0x14, 9}}), msg::kUnknownVersion},
        {gases.left(0x2000) + QByteArray(0x1000, '\0') + gases.mid(0x3000), msg::kNoCatalogue},
        // A table's flags and its page map spoiled: mdbtools itself crashes on this one.
        {changed({{0x20c0, 94}, {0xf037, char(156)}}), msg::kReaderCrashed},
    };
    QTemporaryDir dir;
    const QString file = dir.filePath("GASES.mdb");
    const std::string path = QFile::encodeName(file).toStdString();
    for (const auto& [content, damage] : cases) {
        writeFile(file, content);
        const std::string want = damage.empty() ? msg::notAnAccessFile(path) : msg::accessFileDamaged(path, damage);
        EXPECT_EQ(messageOf([&] { readAccessFile(path); }), want);
        EXPECT_EQ(bytesOf(file), content) << want;
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList{"GASES.mdb"}) << "no core file, nothing else";
    // A reading that overruns its time is stopped (here, one given none at all).
    const std::string sound = QFile::encodeName(fixture("GASES.mdb")).toStdString();
    EXPECT_EQ(messageOf([&] { readAccessFile(sound, std::chrono::milliseconds(0)); }),
              msg::accessFileDamaged(sound, msg::readerTimedOut(0)));
}

// What comes back from the child is checked before it is believed: a cut or swollen answer
// is refused, never read beyond its end.
TEST(AccessReader, ChecksTheChildsAnswer) {
    const std::string answer =
        encodeDatabase(readAccessFileHere(QFile::encodeName(fixture("GASES.mdb")).toStdString()));
    EXPECT_EQ(encodeDatabase(decodeDatabase(answer, "x")), answer);
    std::string huge = answer;
    huge.replace(9, 4, "\xff\xff\xff\x7f");  // the table count
    std::vector<std::string> bad{huge, answer + "x"};
    for (std::size_t cut = 0; cut < answer.size(); ++cut) bad.push_back(answer.substr(0, cut));
    for (const std::string& b : bad)
        ASSERT_EQ(messageOf([&] { decodeDatabase(b, "x"); }), msg::accessFileDamaged("x", msg::kReaderAnsweredNonsense))
            << b.size() << " bytes";
    EXPECT_EQ(messageOf([&] { decodeDatabase(encodeError("EL MENSAJE DEL HIJO"), "x"); }), "EL MENSAJE DEL HIJO");
}
