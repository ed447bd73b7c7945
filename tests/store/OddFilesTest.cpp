// The store on files it did not make: values no 32-bit number holds, database names that
// lead to no regular file, other writers, read-only folders, and what a crash leaves behind.
#include "tests/store/StoreTesting.h"

#include "engine/UserError.h"
#include "tests/Support.h"
#include "store/Database.h"

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
    const QString path = files.pathFor(Family::Gases);
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
        const Evaluated r = evaluate(files, Family::Gases, c.table, 3e300);
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
    const QString path = files.pathFor(Family::Gases);
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
                      const Evaluated r = evaluate(files, Family::Gases, "AIRE", 5000, 101.3, "NO");
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

namespace {

// A child process that takes the file's write lock and rewrites AIRE, says so through a
// pipe, holds the lock for `hold` and then rolls back (or, with `crash`, stops without ending
// its transaction, leaving its journal behind as a crash would).
pid_t holdWriteLock(const QString& path, std::chrono::milliseconds hold, bool crash = false) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "holder");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        // More than the cache holds: the journal is on disk while the lock is held.
        const bool ok = db.open() && q.exec("PRAGMA cache_size=2") && q.exec("BEGIN IMMEDIATE") &&
                        q.exec("DELETE FROM AIRE") &&
                        q.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                               "WHERE i<5000) INSERT INTO AIRE SELECT i,i,i,i,i,i,i,i FROM n");
        [[maybe_unused]] const ssize_t n = write(ready[1], ok ? "y" : "n", 1);
        if (crash) _exit(0);
        usleep(useconds_t(hold.count() * 1000));
        q.exec("ROLLBACK");
        _exit(0);
    }
    close(ready[1]);
    char c = 'n';
    [[maybe_unused]] const ssize_t n = read(ready[0], &c, 1);
    close(ready[0]);
    if (c != 'y') ADD_FAILURE() << "the lock holder could not start";
    if (crash) waitpid(pid, nullptr, 0);
    return pid;
}

}  // namespace

TEST_F(StoreTest, WritersWaitTheirTurn) {
    const QString path = files.pathFor(Family::Gases);
    gases.createTable("JUNTOS");
    constexpr int kWriters = 6, kRows = 5;
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(go[1]);
            char c;
            [[maybe_unused]] const ssize_t n = read(go[0], &c, 1);
            int failed = 0;
            for (int r = 0; r < kRows; ++r)
                if (messageOf([&] { gases.appendRow("JUNTOS", {300.0 + r, 1, 1, 1, 1, 1, 1, 1}); }) != "(no message)")
                    ++failed;
            _exit(failed);
        }
        children.push_back(pid);
    }
    close(go[0]);
    close(go[1]);
    for (const pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status)) << "a writer was ended by a signal";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "appends that failed in one writer";
    }
    EXPECT_EQ(gases.readRows("JUNTOS").size(), std::size_t(kWriters * kRows));

    // A lock held longer than the wait: the engine's words, nothing written.
    const auto wait = velm::store::lockWait();
    velm::store::setLockWait(std::chrono::milliseconds(200));
    const pid_t holder = holdWriteLock(path, std::chrono::milliseconds(5000));
    EXPECT_GT(QFileInfo(path + "-journal").size(), 0) << "a live writer's journal, not one to undo";
    EXPECT_EQ(messageOf([&] { gases.appendRow("JUNTOS", {1, 1, 1, 1, 1, 1, 1, 1}); }),
              "ERROR DE LA BASE DE DATOS EN EL ARCHIVO " + path.toStdString() +
                  " (database is locked); NO SE HA MODIFICADO");
    velm::store::setLockWait(wait);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(gases.readRows("JUNTOS").size(), std::size_t(kWriters * kRows));
    EXPECT_EQ(gases.readRows("AIRE").size(), 35u) << "the killed writer's change undone";
}

TEST_F(StoreTest, ReadingLeavesNothingBesideTheFile) {
    const QString path = files.pathFor(Family::Gases);
    gases.listFluidTables();
    for (const char* mode : {"DELETE", "WAL"}) {
        runSql(path, {QString("PRAGMA journal_mode=%1").arg(mode)});
        ASSERT_EQ(filesIn(dir.path()), QStringList{"GASES.mdb"}) << mode;
        EXPECT_EQ(gases.listFluidTables().size(), 9u) << mode;
        EXPECT_EQ(gases.readRows("AIRE").size(), 35u) << mode;
        EXPECT_EQ(evaluate(files, Family::Gases, "AIRE", 3500, 101.3, "NO").outcome, EvaluationOutcome::Shown) << mode;
        EXPECT_EQ(filesIn(dir.path()), QStringList{"GASES.mdb"}) << mode;
    }
}

// Root may write any folder; the folder's permissions are tried as an ordinary user.
TEST_F(StoreTest, AFileInAFolderOneMayNotWriteIsRead) {
    const QString folder = QDir(dir.path()).filePath("solo-lectura");
    QDir().mkdir(folder);
    const DatabaseFiles readOnlyFiles(folder);
    const QString path = readOnlyFiles.pathFor(Family::Gases);
    FluidStore(readOnlyFiles, Family::Gases).listFluidTables();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther);
    const auto asUserWithoutWrite = [&](const std::function<void()>& operation) {
        return [&, operation] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) throw UserError("(no user)");
            operation();
        };
    };
    const auto readAire = [&] {
        const auto rows = FluidStore(readOnlyFiles, Family::Gases).readRows("AIRE");
        if (rows.size() != 35) throw UserError("(" + std::to_string(rows.size()) + " rows)");
    };
    for (const char* mode : {"DELETE", "WAL"}) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        runSql(path, {QString("PRAGMA journal_mode=%1").arg(mode)});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        EXPECT_EQ(messageWithin(10, asUserWithoutWrite(readAire)), "(no message)") << mode;
        EXPECT_EQ(filesIn(folder), QStringList{"GASES.mdb"}) << mode;
    }
}

TEST_F(StoreTest, AWriteInterruptedByACrashIsUndoneOrNamed) {
    const QString path = files.pathFor(Family::Gases);
    const QString journal = path + "-journal";
    gases.listFluidTables();
    const auto crash = [&] {
        holdWriteLock(path, {}, true);
        ASSERT_GT(QFileInfo(journal).size(), 0) << "the crash left its journal";
    };

    // Where it may not be undone (the file is read-only), it is named, and nothing changes.
    crash();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    const QByteArray damaged = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    const std::string named =
        "EL ARCHIVO " + path.toStdString() + " TIENE UNA ESCRITURA INTERRUMPIDA SIN DESHACER (" +
        journal.toStdString() +
        "); PARA DESHACERLA ABRA EL PROGRAMA CON PERMISO DE ESCRITURA EN EL ARCHIVO Y EN SU "
        "CARPETA. NO BORRE " + journal.toStdString() + ": SIN EL, LA BASE DE DATOS QUEDARIA DAÑADA";
    EXPECT_EQ(messageOf([&] { gases.readRows("AIRE"); }), named);
    EXPECT_EQ(messageOf([&] { gases.listFluidTables(); }), named);
    EXPECT_GT(QFileInfo(journal).size(), 0);
    EXPECT_EQ([&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }(), damaged);

    // Where it may, a read undoes it first: the table as it was before the crash.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(gases.readRows("AIRE").size(), 35u);
    EXPECT_FALSE(QFileInfo::exists(journal));
}
