// The results file under failure and contention: writes cut short by the file-size limit,
// targets that must not be written, files without a final line break, and several programs
// appending to one new file at once.
#include "tests/store/StoreTesting.h"

#include "cli/Calculator.h"
#include "store/ResultsFile.h"

#include <functional>
#include <optional>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace velm;
using namespace velm::testing;

namespace {

const std::string kHeading = "\"T (K)\",\"Pr\"\r\n";
const std::string kLine = std::string(60, '7') + "\r\n";

// The operation's message, run where files may not grow past `limit` bytes.
std::string messageWithFileLimit(rlim_t limit, const std::function<void()>& operation) {
    return messageInChild([&] {
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        operation();
    });
}

// The file type a name leads to (links followed), 0 for no file.
mode_t kindOf(const QString& path) {
    struct stat st {};
    return stat(QFile::encodeName(path), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

}  // namespace

TEST(ResultsFileFailure, AnAppendCutShortLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    const std::pair<std::optional<QByteArray>, rlim_t> cases[] = {
        {QByteArray(1021, 'x'), 1024},  // no final line break: the break fits, the line does not
        {std::nullopt, 10},             // a new file that cannot take its heading is removed
        {QByteArray(), 10},             // an empty file stays empty
    };
    int n = 0;
    for (const auto& [before, limit] : cases) {
        const QString path = dir.filePath(QString("r%1.txt").arg(++n));
        if (before) writeFile(path, *before);
        EXPECT_EQ(messageWithFileLimit(limit, [&] { appendToResultsFile(path, kHeading, kLine + kLine); }),
                  "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO " + path.toStdString());
        EXPECT_EQ(bytesOf(path), before.value_or("<missing>"));
    }
}

TEST(ResultsFileFailure, OnlyARegularFileTheOwnerMayWriteIsWritten) {
    QTemporaryDir dir;
    const QByteArray database = QByteArray("SQLite format 3\0", 16) + QByteArray(100, '\0');
    const QByteArray heading = QByteArray::fromStdString(kHeading), line = QByteArray::fromStdString(kLine);
    auto file = [](QByteArray bytes, QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner) {
        return [=](const QString& path) {
            writeFile(path, bytes);
            QFile::setPermissions(path, p);
        };
    };
    const auto nothing = [](const QString&) {};
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
        const char* reason;               // nullptr: written
        std::optional<QByteArray> after;  // what an append leaves; nullopt: not a file to read
    } cases[] = {
        {"sin-salto.txt", file("a\r\nb"), nullptr, "a\r\nb\r\n" + line},
        {"vacio.txt", file(""), nullptr, heading + line},
        {"nuevo.txt", nothing, nullptr, heading + line},
        {"liquidos.MDB", nothing, "ES UN ARCHIVO DE BASE DE DATOS DEL PROGRAMA", "<missing>"},
        {"datos.db", file(database), "ES UN ARCHIVO DE BASE DE DATOS", database},
        {"solo-lectura.txt", file("a\r\n", QFile::ReadOwner | QFile::ReadGroup), "ES DE SOLO LECTURA", "a\r\n"},
        {"carpeta", [](const QString& p) { QDir().mkdir(p); }, "ES UNA CARPETA", std::nullopt},
        {"fifo", [](const QString& p) { mkfifo(QFile::encodeName(p), 0644); }, "NO ES UN ARCHIVO NORMAL", {}},
        // a link is followed (to a FIFO of its own: were it not, a device's place is not risked)
        {"enlace", [](const QString& p) { mkfifo(QFile::encodeName(p + ".fifo"), 0644); QFile::link(p + ".fifo", p); },
         "NO ES UN ARCHIVO NORMAL", {}},
    };
    for (const auto& c : cases) {
        for (const bool replace : {false, true}) {
            const QString folder = dir.filePath(replace ? "reemplazar" : "agregar");
            QDir().mkpath(folder);
            const QString path = QDir(folder).filePath(c.name);
            c.make(path);
            const mode_t kind = kindOf(path);
            const std::string what = std::string(c.name) + (replace ? " replaced" : " appended");
            EXPECT_EQ(messageOf([&] {
                          if (replace) replaceResultsFile(path, kHeading + kLine);
                          else appendToResultsFile(path, kHeading, kLine);
                      }),
                      c.reason ? "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO " + path.toStdString() +
                                     " (" + c.reason + ")"
                               : kNoMessage)
                << what;
            if (c.reason) {
                if (replace) {
                    EXPECT_FALSE(writeWholeFile(path, kLine)) << what << ": exports keep the same rules";
                }
                EXPECT_EQ(kindOf(path), kind) << what << ": a refused target keeps its kind";
            }
            if (c.after) {
                EXPECT_EQ(bytesOf(path), !c.reason && replace ? heading + line : *c.after) << what;
            }
        }
    }

    // The calculator's --output, as the user meets it.
    const QString path = dir.filePath("GASES.mdb");
    std::ostringstream out, err;
    EXPECT_EQ(runCalculator({"--family", "GASES", "--fluid", "AIRE", "--temp", "300", "--pressure", "101.3",
                             "--output", path.toStdString()},
                            out, err),
              1);
    EXPECT_EQ(err.str(), "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO " + path.toStdString() +
                             " (ES UN ARCHIVO DE BASE DE DATOS DEL PROGRAMA)\n");
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(ResultsFileContention, ProgramsAppendingToOneNewFileWriteOneHeading) {
    QTemporaryDir dir;
    for (int round = 0; round < 10; ++round) {
        const QString path = dir.filePath(QString("r%1.txt").arg(round));
        EXPECT_EQ(failuresInParallel(6, [&] { appendToResultsFile(path, kHeading, kLine); }), 0);
        const QByteArray bytes = bytesOf(path);
        EXPECT_TRUE(bytes.startsWith(QByteArray::fromStdString(kHeading))) << "round " << round;
        EXPECT_EQ(bytes.count(QByteArray::fromStdString(kHeading)), 1) << "round " << round;
        EXPECT_EQ(bytes.count(QByteArray::fromStdString(kLine)), 6) << "round " << round;
    }
}
