// The results file under failure and contention: writes cut short by the file-size limit,
// targets that must not be written, files without a final line break, and several programs
// appending to one new file at once.
#include "cli/Calculator.h"
#include "engine/UserError.h"
#include "tests/Support.h"
#include "store/ResultsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velm;
using namespace velm::testing;

namespace {


void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// What a save reports: "" when it succeeds.

// Runs `body` in a child process whose files may not grow past `limit` bytes; the child's
// exit status, or -1 when a signal ended it.
int inChildWithFileLimit(rlim_t limit, const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string kHeading = "\"T (K)\",\"Pr\"\r\n";
const std::string kLine = std::string(60, '7') + "\r\n";

}  // namespace

TEST(ResultsFileFailure, AnAppendCutShortLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    struct Case {
        const char* what;
        std::optional<QByteArray> before;  // nullopt: no file
        rlim_t limit;
    };
    const Case cases[] = {
        {"1000 bytes, limit 1024: a line cut after 24 bytes", QByteArray(1000, 'x'), 1024},
        {"no final line break: the break fits, the line does not", QByteArray(1021, 'x'), 1024},
        {"a new file that cannot take its heading is removed", std::nullopt, 10},
        {"an empty file stays empty", QByteArray(), 10},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString path = QDir(dir.path()).filePath(QString("r%1.txt").arg(++n));
        if (c.before) write(path, *c.before);
        const int status = inChildWithFileLimit(c.limit, [&] {
            return messageOf([&] { appendToResultsFile(path, kHeading, kLine + kLine); }) ==
                           "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO " +
                               path.toStdString()
                       ? 0
                       : 1;
        });
        EXPECT_EQ(status, 0) << c.what << ": the failure is reported, no signal ends the program";
        EXPECT_EQ(bytesOf(path), c.before.value_or("<missing>")) << c.what;
    }

    // The calculator, as the user meets it.
    const QString path = QDir(dir.path()).filePath("calc.txt");
    write(path, QByteArray(1000, '\n'));
    const int status = inChildWithFileLimit(1024, [&] {
        std::ostringstream out, err;
        const int exit = runCalculator({"--family", "GASES", "--fluid", "AIRE", "--temp", "300",
                                        "--pressure", "101.3", "--output", path.toStdString()},
                                       out, err);
        return exit == 1 && err.str().rfind("NO SE PUDIERON GUARDAR", 0) == 0 ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(bytesOf(path), QByteArray(1000, '\n'));
}

// lstat's file type, 0 for no file: a refused target keeps its kind (a link to /dev/null
// is not replaced by a regular file).
static mode_t kindOf(const QString& path) {
    struct stat st {};
    return lstat(QFile::encodeName(path), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

TEST(ResultsFileFailure, OnlyARegularFileTheOwnerMayWriteIsWritten) {
    QTemporaryDir dir;
    const QByteArray database = QByteArray("SQLite format 3\0", 16) + QByteArray(100, '\0');
    const QByteArray heading = QByteArray::fromStdString(kHeading);
    const QByteArray line = QByteArray::fromStdString(kLine);
    auto file = [](QByteArray bytes, QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner) {
        return [=](const QString& path) {
            write(path, bytes);
            QFile::setPermissions(path, p);
        };
    };
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
        const char* reason;               // nullptr: written
        std::optional<QByteArray> after;  // an append's result, or what a refusal leaves;
                                          // nullopt: not a file to read
    };
    const Case cases[] = {
        {"sin-salto.txt", file("a\r\nb"), nullptr, "a\r\nb\r\n" + line},
        {"con-salto.txt", file("a\r\n"), nullptr, "a\r\n" + line},
        {"vacio.txt", file(""), nullptr, heading + line},
        {"nuevo.txt", [](const QString&) {}, nullptr, heading + line},
        {"GASES.mdb", [](const QString&) {}, "ES UN ARCHIVO DE BASE DE DATOS DEL PROGRAMA", "<missing>"},
        {"liquidos.MDB", file("x"), "ES UN ARCHIVO DE BASE DE DATOS DEL PROGRAMA", "x"},
        {"datos.db", file(database), "ES UN ARCHIVO DE BASE DE DATOS", database},
        {"solo-lectura.txt", file("a\r\n", QFile::ReadOwner | QFile::ReadGroup), "ES DE SOLO LECTURA", "a\r\n"},
        {"carpeta", [](const QString& p) { QDir().mkdir(p); }, "ES UNA CARPETA", std::nullopt},
        {"fifo", [](const QString& p) { mkfifo(QFile::encodeName(p), 0644); }, "NO ES UN ARCHIVO NORMAL", std::nullopt},
        {"nulo", [](const QString& p) { QFile::link("/dev/null", p); }, "NO ES UN ARCHIVO NORMAL", std::nullopt},
        {"lleno", [](const QString& p) { QFile::link("/dev/full", p); }, "NO ES UN ARCHIVO NORMAL", std::nullopt},
    };
    for (const Case& c : cases) {
        for (const bool replace : {false, true}) {
            const QString folder = QDir(dir.path()).filePath(replace ? "reemplazar" : "agregar");
            QDir().mkpath(folder);
            const QString path = QDir(folder).filePath(c.name);
            c.make(path);
            const mode_t kind = kindOf(path);
            const std::string message = messageOf([&] {
                if (replace) replaceResultsFile(path, kHeading + kLine);
                else appendToResultsFile(path, kHeading, kLine);
            });
            const std::string what = std::string(c.name) + (replace ? " replaced" : " appended");
            const std::string want =
                c.reason ? "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO " +
                               path.toStdString() + " (" + c.reason + ")"
                         : kNoMessage;
            EXPECT_EQ(message, want) << what;
            if (c.reason) {
                EXPECT_EQ(kindOf(path), kind) << what;
            }
            if (c.after) {
                EXPECT_EQ(bytesOf(path), !c.reason && replace ? heading + line : *c.after) << what;
            }
        }
    }
}

TEST(ResultsFileContention, ProgramsAppendingToOneNewFileWriteOneHeading) {
    QTemporaryDir dir;
    constexpr int kWriters = 6;
    for (int round = 0; round < 10; ++round) {
        const QString path = QDir(dir.path()).filePath(QString("r%1.txt").arg(round));
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        std::vector<pid_t> children;
        for (int w = 0; w < kWriters; ++w) {
            const pid_t pid = fork();
            if (pid == 0) {
                close(go[1]);
                char c;
                [[maybe_unused]] const ssize_t n = read(go[0], &c, 1);  // all start together
                _exit(messageOf([&] { appendToResultsFile(path, kHeading, kLine); }) == kNoMessage ? 0 : 1);
            }
            children.push_back(pid);
        }
        close(go[0]);
        close(go[1]);  // end of file: every writer starts
        for (const pid_t pid : children) {
            int status = 0;
            waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        const QByteArray bytes = bytesOf(path);
        EXPECT_TRUE(bytes.startsWith(QByteArray::fromStdString(kHeading))) << "round " << round;
        EXPECT_EQ(bytes.count(QByteArray::fromStdString(kHeading)), 1) << "round " << round;
        EXPECT_EQ(bytes.count(QByteArray::fromStdString(kLine)), kWriters) << "round " << round;
    }
}
