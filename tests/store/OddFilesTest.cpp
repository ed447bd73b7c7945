// The store on files it did not make: values no 32-bit float holds, files that are no SQLite
// database, other writers, read-only folders, and what a crash leaves behind.
#include "tests/store/StoreTesting.h"

#include "store/Database.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/syscall.h>
#include <sys/stat.h>

using namespace velm;
using namespace velm::testing;

// A value another program stored: NULL, or one no 32-bit float holds.
TEST_F(StoreTest, AStoredValueThatIsNoSingleIsReportedByTableAndColumn) {
    gases.listFluidTables();  // the file, seeded
    const std::string nan = "UN VALOR VACIO O NO NUMERICO", huge = "UN VALOR QUE NO CABE EN PRECISION SIMPLE";
    const struct {
        const char *table, *rows, *column;  // TEMP, DEN
        std::string value;
    } cases[] = {{"VACIA", "(300, NULL), (400, 1)", "DEN", nan},
                 {"ENORME", "(1e300, 1), (2e300, 2)", "TEMP", huge},
                 {"INFINITA", "(300, 1), (400, -1e999)", "DEN", huge}};
    for (const auto& c : cases) {
        gases.createTable(c.table);
        ASSERT_EQ(runSql(files.pathFor(Family::Gases),
                         {QString("INSERT INTO %1 (TEMP, DEN, CP, MIU, UN, K, ALFA, PR) SELECT column1, "
                                  "column2, 1, 1, 1, 1, 1, 1 FROM (VALUES %2)").arg(c.table, c.rows)}),
                  "");
        const Evaluated r = evaluate(files, Family::Gases, c.table, 3e300);
        EXPECT_EQ(r.outcome, EvaluationOutcome::Unreadable) << c.table;
        EXPECT_EQ(r.messages, std::vector<std::string>{"LA TABLA " + std::string(c.table) + " DEL ARCHIVO GASES.mdb "
                                                       "TIENE " + c.value + " EN LA COLUMNA " + c.column +
                                                       " (¿SE MODIFICO FUERA DEL PROGRAMA?)"});
    }
}

// Refused before the engine opens anything (a FIFO or a device would block it) and left as it
// was; an old Access file gets a message of its own (the program offers to convert it).
TEST_F(StoreTest, WhatIsNoSQLiteDatabaseIsRefusedUntouched) {
    const QString path = files.pathFor(Family::Gases), elsewhere = dir.filePath("otra/GASES.mdb");
    QDir().mkpath(dir.filePath("otra"));
    const QByteArray jet = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2028, '\0');
    const std::string named = "EL ARCHIVO " + path.toStdString();
    const std::string unreadable = "NO SE PUEDE LEER EL ARCHIVO " + path.toStdString() + " (";
    const std::string notSQLite = named + " NO ES UNA BASE DE DATOS SQLITE; NO SE HA LEIDO NI MODIFICADO";
    const std::string access = named +
        " ES UNA BASE DE DATOS DE ACCESS DE UNA VERSION ANTERIOR DEL PROGRAMA; NO SE HA LEIDO NI "
        "MODIFICADO. PARA CONVERTIRLO, ELIJA SU FAMILIA EN EL PROGRAMA Y RESPONDA SI, O USE velmorantes-import";
    const auto holding = [&](const QByteArray& bytes) { return [&path, bytes] { writeFile(path, bytes); }; };
    const std::pair<std::function<void()>, std::string> cases[] = {
        {holding(jet), access},
        {holding(QByteArray("\x00\x01\x00\x00Standard ACE DB\x00", 20)), access},
        {holding(jet.left(19)), notSQLite},
        {holding("SQLite"), notSQLite},
        {[&] { mkfifo(QFile::encodeName(path), 0644); }, unreadable + "NO ES UN ARCHIVO NORMAL)"},
        {[&] { QDir().mkdir(path); }, unreadable + "ES UNA CARPETA)"},
        {[&] { QFile::link("/dev/zero", path); }, unreadable + "NO ES UN ARCHIVO NORMAL)"},
        {[&] { QFile::link(path, path); }, unreadable + "ES UN ENLACE CIRCULAR)"},
        {[&] { QFile::link(elsewhere, path); }, unreadable + "ES UN ENLACE A UN ARCHIVO QUE NO EXISTE)"},
    };
    const auto contents = [&] { return QFileInfo(path).isFile() ? bytesOf(path) : QByteArray(); };
    for (const auto& [make, want] : cases) {
        make();
        const QStringList before = filesIn(dir.path());
        const QByteArray bytes = contents();
        EXPECT_EQ(messageInChild([&] { gases.listFluidTables(); }), want);
        EXPECT_EQ(messageInChild([&] { gases.appendRow("AIRE", {300, 1, 1, 1, 1, 1, 1, 1}); }), want);
        EXPECT_EQ(filesIn(dir.path()), before) << want;
        EXPECT_EQ(contents(), bytes) << want;
        EXPECT_FALSE(QFileInfo::exists(elsewhere)) << want;
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

// Whether a process sleeps: a writer of the store sleeps only while it waits for a lock.
bool asleep(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/syscall");
    long call = -1;
    f >> call;  // "running" reads as no number
    return call == SYS_nanosleep || call == SYS_clock_nanosleep;
}

// Runs the operation in `n` child processes that all start while another connection holds the
// file's write lock, with a change small enough to let them read. The lock is let go only
// once every child has ended or sleeps waiting for it, so that the children meet the lock at
// the same point of their work on every run, however the system schedules them. How many
// gave a message.
int failuresBehindALock(const QString& path, int n, const std::function<void()>& operation) {
    int ready[2], release[2];
    if (pipe(ready) != 0 || pipe(release) != 0) return -1;
    const pid_t holder = fork();
    if (holder == 0) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "holder");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        const bool ok = db.open() && q.exec("BEGIN IMMEDIATE") && q.exec("INSERT INTO AIRE SELECT 1, 1, 1, 1, 1, 1, 1, 1");
        [[maybe_unused]] ssize_t io = write(ready[1], ok ? "y" : "n", 1);
        char c;
        io = read(release[0], &c, 1);
        q.exec("ROLLBACK");
        _exit(0);
    }
    char c = 'n';
    [[maybe_unused]] ssize_t io = read(ready[0], &c, 1);
    if (c != 'y') ADD_FAILURE() << "the lock holder could not start";

    std::vector<pid_t> children;
    for (int i = 0; i < n; ++i) {
        if (const pid_t pid = fork(); pid == 0) _exit(messageOf(operation) == kNoMessage ? 0 : 1);
        else children.push_back(pid);
    }
    int failed = 0;
    const auto reaped = [&failed](pid_t pid, int options) {
        int status = 0;
        if (waitpid(pid, &status, options) != pid) return false;
        failed += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
        return true;
    };
    std::vector<pid_t> running = children;
    for (bool settled = false; !settled;) {
        std::erase_if(running, [&](pid_t pid) { return reaped(pid, WNOHANG); });
        settled = std::all_of(running.begin(), running.end(), asleep);
        if (!settled) usleep(1000);
    }
    io = write(release[1], "x", 1);
    waitpid(holder, nullptr, 0);
    for (const pid_t pid : running) reaped(pid, 0);
    for (const int fd : {ready[0], ready[1], release[0], release[1]}) close(fd);
    return failed;
}

}  // namespace

// Each writer reads the file's tables inside its transaction before it writes: one that took
// the lock only at its first write would find it held after its read and give up at once.
TEST_F(StoreTest, WritersWaitTheirTurn) {
    const QString path = files.pathFor(Family::Gases);
    gases.createTable("JUNTOS");
    const auto wait = velm::store::lockWait();
    velm::store::setLockWait(std::chrono::milliseconds(60000));  // a loaded machine's turns
    EXPECT_EQ(failuresBehindALock(path, 6, [&] {
                  for (int r = 0; r < 5; ++r) gases.appendRow("JUNTOS", {300.0 + r, 1, 1, 1, 1, 1, 1, 1});
              }),
              0);
    EXPECT_EQ(gases.readRows("JUNTOS").size(), 30u);
    EXPECT_EQ(gases.readRows("AIRE").size(), 35u) << "the holder's change undone";

    // A lock held longer than the wait: the engine's words, nothing written.
    velm::store::setLockWait(std::chrono::milliseconds(200));
    const pid_t holder = holdWriteLock(path, std::chrono::milliseconds(5000));
    EXPECT_GT(QFileInfo(path + "-journal").size(), 0) << "a live writer's journal, not one to undo";
    EXPECT_EQ(messageOf([&] { gases.appendRow("JUNTOS", {1, 1, 1, 1, 1, 1, 1, 1}); }),
              "ERROR DE LA BASE DE DATOS EN EL ARCHIVO " + path.toStdString() +
                  " (database is locked); NO SE HA MODIFICADO");
    velm::store::setLockWait(wait);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(gases.readRows("JUNTOS").size(), 30u);
    EXPECT_EQ(gases.readRows("AIRE").size(), 35u) << "the killed writer's change undone";
}

// In a folder one may write, and in one closed to writing: root may write any folder, so the
// second reading runs as an ordinary user.
TEST_F(StoreTest, ReadingLeavesNothingBesideTheFile) {
    const QString folder = dir.filePath("solo-lectura");
    QDir().mkdir(folder);
    const DatabaseFiles here(folder);
    const QString path = here.pathFor(Family::Gases);
    FluidStore(here, Family::Gases).listFluidTables();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
    const auto read = [&] {
        if (evaluate(here, Family::Gases, "AIRE", 3500, 101.3, "NO").outcome != EvaluationOutcome::Shown)
            throw UserError("(not shown)");
    };
    for (const char* mode : {"DELETE", "WAL"}) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_EQ(runSql(path, {QString("PRAGMA journal_mode=%1").arg(mode)}), "");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        ASSERT_EQ(filesIn(folder), QStringList{"GASES.mdb"}) << mode;
        EXPECT_EQ(messageOf(read), kNoMessage) << mode;
        EXPECT_EQ(filesIn(folder), QStringList{"GASES.mdb"}) << mode;
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        EXPECT_EQ(messageInChild([&] {
                      if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) throw UserError("(no user)");
                      read();
                  }),
                  kNoMessage)
            << mode;
        EXPECT_EQ(filesIn(folder), QStringList{"GASES.mdb"}) << mode;
    }
}

TEST_F(StoreTest, AWriteInterruptedByACrashIsUndoneOrNamed) {
    const QString path = files.pathFor(Family::Gases), journal = path + "-journal";
    gases.listFluidTables();
    holdWriteLock(path, {}, true);
    ASSERT_GT(QFileInfo(journal).size(), 0) << "the crash left its journal";

    // Where it may not be undone (the file is read-only), it is named, and nothing changes.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    const QByteArray damaged = bytesOf(path);
    EXPECT_EQ(messageOf([&] { gases.readRows("AIRE"); }),
              "EL ARCHIVO " + path.toStdString() + " TIENE UNA ESCRITURA INTERRUMPIDA SIN DESHACER (" +
                  journal.toStdString() +
                  "); PARA DESHACERLA ABRA EL PROGRAMA CON PERMISO DE ESCRITURA EN EL ARCHIVO Y EN SU "
                  "CARPETA. NO BORRE " + journal.toStdString() + ": SIN EL, LA BASE DE DATOS QUEDARIA DAÑADA");
    EXPECT_GT(QFileInfo(journal).size(), 0);
    EXPECT_EQ(bytesOf(path), damaged);

    // Where it may, a read undoes it first: the table as it was before the crash.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(gases.readRows("AIRE").size(), 35u);
    EXPECT_FALSE(QFileInfo::exists(journal));
}
