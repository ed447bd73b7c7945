#pragma once
// What the store's tests share: a fresh folder for the database files, evaluations, another
// program's SQL, and operations run in child processes.

#include "engine/Evaluation.h"
#include "i18n/MessageText.h"
#include "store/FluidStore.h"
#include "tests/Support.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace velm::testing {

// An evaluation through the driver, with the messages it gave.
struct Evaluated : Notifier {
    EvaluationOutcome outcome{};
    Module1 m;
    std::vector<std::string> messages;  // as the user reads them
    void inform(const Message& said) override { messages.push_back(messageText(said)); }
};

inline Evaluated evaluate(const DatabaseFiles& files, Family family, const std::string& fluid, double T,
                          double P = 101.3, const char* ENRANGO = "SI") {
    Evaluated r;
    r.m.FAMILIA = family;
    r.m.FLUIDO = fluid;
    r.m.UNIDADES = "SI";
    r.m.TEMP = T;
    if (family == Family::Gases) r.m.PRESION = P;
    StorePointSource source(files);
    r.outcome = runEvaluation(r.m, ENRANGO, source, r).outcome;
    return r;
}

// Runs SQL on a database file as another program would: the engine's words for the first
// statement it refuses, "" when it takes them all.
inline std::string runSql(const QString& path, const QStringList& statements) {
    std::string error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "by-hand");
        db.setDatabaseName(path);
        if (!db.open()) error = db.lastError().text().toStdString();
        QSqlQuery q(db);
        for (const QString& s : statements)
            if (error.empty() && !q.exec(s)) error = q.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase("by-hand");
    return error;
}

// The operation's message, from a child process ended after `seconds`: a hang or a crash
// shows as "(ended by signal N)" instead of stopping the test run.
inline std::string messageInChild(const std::function<void()>& operation, unsigned seconds = 10) {
    int out[2];
    if (pipe(out) != 0) return "(no pipe)";
    const pid_t pid = fork();
    if (pid == 0) {
        close(out[0]);
        alarm(seconds);
        const std::string m = messageOf(operation);
        [[maybe_unused]] const ssize_t n = write(out[1], m.data(), m.size());
        _exit(0);
    }
    close(out[1]);
    std::string message;
    char buf[512];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) message.append(buf, std::size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? "(ended by signal " + std::to_string(WTERMSIG(status)) + ")" : message;
}

// Runs the operation in `n` child processes that start together; how many gave a message.
inline int failuresInParallel(int n, const std::function<void()>& operation) {
    int go[2];
    if (pipe(go) != 0) return n;
    std::vector<pid_t> children;
    for (int i = 0; i < n; ++i) {
        if (const pid_t pid = fork(); pid == 0) {
            close(go[1]);
            char c;
            [[maybe_unused]] const ssize_t r = read(go[0], &c, 1);  // the end of the pipe: start
            _exit(messageOf(operation) == kNoMessage ? 0 : 1);
        } else {
            children.push_back(pid);
        }
    }
    close(go[0]);
    close(go[1]);
    int failed = 0;
    for (const pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        failed += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    return failed;
}

class StoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    DatabaseFiles files{dir.path()};
    FluidStore gases{files, Family::Gases};
    FluidStore liquids{files, Family::Liquids};
    FluidStore& store(Family family) { return family == Family::Gases ? gases : liquids; }
};

}  // namespace velm::testing
