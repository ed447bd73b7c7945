#pragma once
// What the benchmarks share: an application object for Qt Sql, the peak resident size, and
// gas tables of n synthetic points in a database file of their own.

#include "store/FluidStore.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <numeric>
#include <random>
#include <string>

namespace velm::bench {

// Qt Sql loads its SQLite driver as a plugin, which needs an application object.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "velmorantes-bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

inline long statusKB(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    return -1;
}

inline void resetPeakResident() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

inline const velm::DatabaseFiles& files() {
    static QTemporaryDir dir;
    static velm::DatabaseFiles f(dir.path());
    return f;
}

// The gas table "PUNTOS n": n points from 200 K to 1200 K, stored in shuffled order.
inline std::string table(int n) {
    static std::map<int, std::string> built;
    if (auto it = built.find(n); it != built.end()) return it->second;
    ensureApplication();
    const std::string title = "PUNTOS " + std::to_string(n);
    velm::FluidStore(files(), velm::Family::Gases).createTable(title);

    std::vector<int> order(std::size_t(n), 0);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench-fill");
        db.setDatabaseName(files().pathFor(velm::Family::Gases));
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QString("INSERT INTO \"%1\" VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(QString::fromStdString(title)));
        for (const int i : order) {
            const double T = 200 + 1000.0 * i / std::max(n - 1, 1);
            const double values[] = {T, 350 / T, 1 + T / 5000, 1e-5 + T * 3e-8, 1e-5 * T / 100,
                                     0.01 + T * 5e-5, 2e-5 * T / 100, 0.7};
            for (int c = 0; c < 8; ++c) q.bindValue(c, double(float(values[c])));
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase("bench-fill");
    built[n] = title;
    return title;
}

}  // namespace velm::bench
