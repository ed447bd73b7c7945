#pragma once
// Small helpers the test programs share.

#include "engine/UserError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace velm::testing {

inline constexpr const char* kNoMessage = "(no message)";

// The message of the UserError an operation throws; kNoMessage when it throws none.
inline std::string messageOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const UserError& e) {
        return e.what();
    }
    return kNoMessage;
}

// A file's bytes, "<missing>" when it cannot be read.
inline QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Writes the file whole, or fails the test.
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Every file of a folder, hidden ones and devices included, by name.
inline QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace velm::testing
