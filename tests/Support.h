#pragma once
// Small helpers the test programs share.

#include "engine/UserError.h"

#include <QByteArray>
#include <QFile>
#include <QString>

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

}  // namespace velm::testing
