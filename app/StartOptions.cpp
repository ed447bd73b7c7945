#include "app/StartOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace velm {
namespace {

constexpr const char* kUsage = R"(Usage: velmorantes [--db-dir DIR | --data-home]

Starts VELMORANTES, the calculator of the thermophysical properties of fluids. Its fluid
tables live in two files, GASES.mdb and LIQUIDOS.mdb, each created with the shipped tables
when it is missing.

  --db-dir DIR   keep the database files in DIR, an existing folder (a relative DIR is
                 taken from the current folder).
  --data-home    keep them in the user's data folder, $XDG_DATA_HOME/velmorantes
                 (~/.local/share/velmorantes when XDG_DATA_HOME is unset), which is
                 made on first start. The applications menu starts the program so.
  -h, --help     print this help and stop.
  --version      print the version and stop.

Without --db-dir or --data-home the files are kept in the current folder. Qt's own
command-line options are not taken; its environment variables (QT_QPA_PLATFORM,
QT_SCALE_FACTOR ...) are.
)";

StartOptions refuse(const QString& why) { return {StartOptions::Action::Refuse, why, {}, false}; }

}  // namespace

StartOptions readStartOptions(const QStringList& arguments, const StartPlace& place) {
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version("version", "");
    const QCommandLineOption dbDir("db-dir", "", "DIR");
    const QCommandLineOption dataHome("data-home", "");
    parser.addOptions({help, version, dbDir, dataHome});
    const bool parsed = parser.parse(arguments);

    // Asked for help, the user gets it whatever else the line holds.
    if (parser.isSet(help)) return {StartOptions::Action::Help, kUsage, {}, false};
    if (parser.isSet(version))
        return {StartOptions::Action::Version, QStringLiteral("velmorantes " VELM_VERSION "\n"), {},
                false};
    if (!parsed) return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    const QStringList dirs = parser.values(dbDir);
    if (dirs.size() > 1) return refuse(QStringLiteral("--db-dir given twice"));
    if (!dirs.isEmpty() && parser.isSet(dataHome))
        return refuse(QStringLiteral("give either --db-dir or --data-home, not both"));
    if (parser.isSet(dataHome))
        return {StartOptions::Action::Run, {}, userDataFolder(place), true};
    if (dirs.isEmpty()) return {StartOptions::Action::Run, {}, QDir(place.currentDir).absolutePath(), false};
    if (dirs.first().isEmpty()) return refuse(QStringLiteral("--db-dir needs a folder"));
    return {StartOptions::Action::Run, {}, QDir(place.currentDir).absoluteFilePath(dirs.first()), false};
}

QString userDataFolder(const StartPlace& place) {
    const QString base = QDir::isAbsolutePath(place.xdgDataHome)
                             ? place.xdgDataHome
                             : QDir(place.home).filePath(QStringLiteral(".local/share"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("velmorantes")));
}

std::optional<QString> prepareDatabaseFolder(const StartOptions& options) {
    const QString folder = QDir::toNativeSeparators(options.databaseFolder);
    const QFileInfo info(options.databaseFolder);
    if (info.isDir()) return std::nullopt;
    if (info.exists()) return "LA RUTA " + folder + " NO ES UNA CARPETA; NO SE PUEDEN GUARDAR LAS TABLAS EN ELLA";
    if (!options.createFolder) return "LA CARPETA DE LAS TABLAS " + folder + " NO EXISTE";

    // Only the last folder is private: the ones above it may be shared with other programs.
    namespace fs = std::filesystem;
    const fs::path path(options.databaseFolder.toStdString());
    std::error_code error;
    fs::create_directories(path, error);
    if (!error) fs::permissions(path, fs::perms::owner_all, error);
    if (error)
        return "NO SE PUEDE CREAR LA CARPETA " + folder + " (" +
               QString::fromLocal8Bit(error.message().c_str()) + ")";
    return std::nullopt;
}

}  // namespace velm
