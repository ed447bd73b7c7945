#include "store/ResultsFile.h"

#include "engine/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velm {
namespace {

std::string cannotSaveMessage(const QString& path) {
    return "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO " +
           QDir::toNativeSeparators(path).toStdString();
}

}  // namespace

bool resultsFileIsEmpty(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.size() == 0;
}

void appendToResultsFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) throw UserError(cannotSaveMessage(path));
    const qint64 before = file.size();
    const auto size = static_cast<qint64>(bytes.size());
    const bool written = file.write(bytes.data(), size) == size && file.flush();
    if (!written) {
        file.resize(before);
        file.close();
        throw UserError(cannotSaveMessage(path));
    }
    file.close();
    if (file.error() != QFileDevice::NoError) throw UserError(cannotSaveMessage(path));
}

void replaceResultsFile(const QString& path, const std::string& bytes) {
    if (!writeWholeFile(path, bytes)) throw UserError(cannotSaveMessage(path));
}

bool writeWholeFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size && file.commit();
}

}  // namespace velm
