// The store on files it did not make: values no 32-bit number holds, database names that
// lead to no regular file, other writers, read-only folders, and what a crash leaves behind.
#include "tests/store/StoreTesting.h"

#include "engine/UserError.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <chrono>
#include <functional>

#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velm;
using namespace velm::testing;

namespace {

// Runs SQL on a database file as another program would.
void runSql(const QString& path, const QStringList& statements, const QString& options = {}) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "by-hand");
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        for (const QString& s : statements)
            ASSERT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase("by-hand");
}

std::string messageOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const UserError& e) {
        return e.what();
    }
    return "(no message)";
}

// The operation's message, from a child process that is ended if it takes longer than
// `seconds`: a hang shows as "(hung)" instead of stopping the test run.
std::string messageWithin(int seconds, const std::function<void()>& operation) {
    int out[2];
    if (pipe(out) != 0) return "(no pipe)";
    const pid_t pid = fork();
    if (pid == 0) {
        close(out[0]);
        const std::string m = messageOf(operation);
        [[maybe_unused]] const ssize_t n = write(out[1], m.data(), m.size());
        _exit(0);
    }
    close(out[1]);
    std::string message;
    pollfd p{out[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(&p, 1, int(left.count())) <= 0) {
            kill(pid, SIGKILL);
            message = "(hung)";
            break;
        }
        char buf[512];
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        message.append(buf, std::size_t(n));
    }
    close(out[0]);
    waitpid(pid, nullptr, 0);
    return message;
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

TEST_F(StoreTest, AStoredValueNoSingleCanHoldIsReportedByTableAndColumn) {
    const QString path = files.pathFor("GASES");
    gases.listFluidTables();  // the file, seeded
    struct Case {
        const char* table;
        const char* rows;  // TEMP, DEN
        const char* column;
    };
    const Case cases[] = {
        {"ENORME", "(1e300, 1), (2e300, 2)", "TEMP"},
        {"DENSA", "(300, 1e39), (400, 1)", "DEN"},
        {"INFINITA", "(300, 1), (400, -1e999)", "DEN"},
    };
    for (const Case& c : cases) {
        gases.createTable(c.table);
        runSql(path, {QString("INSERT INTO %1 (TEMP, DEN, CP, MIU, UN, K, ALFA, PR) SELECT "
                              "column1, column2, 1, 1, 1, 1, 1, 1 FROM (VALUES %2)")
                          .arg(c.table, c.rows)});
        const Evaluated r = evaluate(files, "GASES", c.table, 3e300);
        EXPECT_EQ(r.outcome, EvaluationOutcome::Unreadable) << c.table;
        EXPECT_EQ(r.messages, std::vector<std::string>{
                                  "LA TABLA " + std::string(c.table) +
                                  " DEL ARCHIVO GASES.mdb TIENE UN VALOR QUE NO CABE EN PRECISION "
                                  "SIMPLE EN LA COLUMNA " + c.column +
                                  " (¿SE MODIFICO FUERA DEL PROGRAMA?)"})
            << c.table;
    }
}

TEST_F(StoreTest, ADatabaseNameThatLeadsToNoRegularFileIsRefusedAtOnce) {
    const QString path = files.pathFor("GASES");
    const QString elsewhere = QDir(dir.path()).filePath("otra/GASES.mdb");
    QDir().mkpath(QDir(dir.path()).filePath("otra"));
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* reason;
    };
    const Case cases[] = {
        {"a FIFO", [&] { mkfifo(QFile::encodeName(path), 0644); }, "NO ES UN ARCHIVO NORMAL"},
        {"a folder", [&] { QDir().mkdir(path); }, "ES UNA CARPETA"},
        {"a link to /dev/zero", [&] { QFile::link("/dev/zero", path); }, "NO ES UN ARCHIVO NORMAL"},
        {"a link to itself", [&] { QFile::link(path, path); }, "ES UN ENLACE CIRCULAR"},
        {"a link to a missing file", [&] { QFile::link(elsewhere, path); },
         "ES UN ENLACE A UN ARCHIVO QUE NO EXISTE"},
    };
    const std::string want = "NO SE PUEDE LEER EL ARCHIVO " + path.toStdString() + " (";
    for (const Case& c : cases) {
        c.make();
        const QStringList before = filesIn(dir.path());
        for (const auto& [op, operation] :
             std::initializer_list<std::pair<const char*, std::function<void()>>>{
                 {"list", [&] { gases.listFluidTables(); }},
                 {"append", [&] { gases.appendRow("AIRE", {300, 1, 1, 1, 1, 1, 1, 1}); }},
                 {"evaluate", [&] {
                      const Evaluated r = evaluate(files, "GASES", "AIRE", 5000, 101.3, "NO");
                      if (!r.messages.empty()) throw UserError(r.messages.front());
                  }}}) {
            EXPECT_EQ(messageWithin(10, operation), want + c.reason + ")") << c.what << ", " << op;
        }
        EXPECT_EQ(filesIn(dir.path()), before) << c.what;
        EXPECT_FALSE(QFileInfo::exists(elsewhere)) << c.what;
        QFile::remove(path);
        QDir().rmdir(path);
    }
}
