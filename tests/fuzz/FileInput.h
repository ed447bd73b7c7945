#pragma once
// What the fuzz targets that read a database file share: the application object Qt needs, a
// folder of their own, each input written there as GASES.mdb, and the check that reading left
// the file and its folder as they were.

#include "tests/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace velm::fuzz {

class FileInput {
public:
    // Qt Sql finds its SQLite driver through the application object. It lives to the very
    // end: destroyed among the exit handlers it would outlive the Qt state it tears down.
    static void start(int* argc, char*** argv) {
        new QCoreApplication(*argc, *argv);
        folder() = std::make_unique<QTemporaryDir>();
    }

    static QString directory() { return folder()->path(); }

    // The input as the only file of the folder; nullopt when it cannot be written.
    static std::optional<QString> write(const QByteArray& bytes) {
        QDir dir(directory());
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) dir.remove(name);
        const QString path = dir.filePath("GASES.mdb");
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return std::nullopt;
        return path;
    }

    static void checkLeftAsItWas(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        check(f.open(QIODevice::ReadOnly) && f.readAll() == bytes, "reading changes no byte of the file");
        const QStringList files = QDir(directory()).entryList(QDir::Files | QDir::Hidden);
        check(files == QStringList{"GASES.mdb"}, "reading leaves nothing beside the file",
              files.join(' ').toStdString());
    }

private:
    static std::unique_ptr<QTemporaryDir>& folder() {
        static std::unique_ptr<QTemporaryDir> f;
        return f;
    }
};

}  // namespace velm::fuzz
