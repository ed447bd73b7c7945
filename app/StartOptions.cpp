#include "app/StartOptions.h"

#include "i18n/qt/Translations.h"
#include "i18n/qt/Text.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace velm {
namespace {

QString say(const char* source, std::initializer_list<QString> values = {}) {
    return translated("velm::start", source, values);
}

QString usage() {
    return say(QT_TRANSLATE_NOOP("velm::start", R"(Modo de empleo: velmorantes [--db-dir CARPETA | --data-home] [--language es|en]

Inicia VELMORANTES, la calculadora de las propiedades termofísicas de los fluidos. Sus
tablas de fluidos están en dos archivos, GASES.mdb y LIQUIDOS.mdb, que se crean con las
tablas incorporadas cuando faltan.

  --db-dir CARPETA   guarda los archivos de base de datos en CARPETA, una carpeta que
                     existe (una CARPETA relativa se toma desde la carpeta actual).
  --data-home        los guarda en la carpeta de datos del usuario,
                     $XDG_DATA_HOME/velmorantes (~/.local/share/velmorantes si
                     XDG_DATA_HOME no está definida), que se crea al primer inicio. El
                     menú de aplicaciones inicia así el programa.
  --language es|en   el idioma de la interfaz (por omisión, el de la configuración
                     regional: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  -h, --help         muestra esta ayuda y termina.
  --version          muestra la versión y termina.

Sin --db-dir ni --data-home los archivos se guardan en la carpeta actual. No se aceptan
las opciones de línea de órdenes propias de Qt; sus variables de entorno
(QT_QPA_PLATFORM, QT_SCALE_FACTOR ...) sí.
)"));
}

StartOptions refuse(const QString& why) { return {StartOptions::Action::Refuse, why, {}, false}; }

}  // namespace

StartOptions readStartOptions(const QStringList& arguments, const StartPlace& place) {
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version("version", "");
    const QCommandLineOption dbDir("db-dir", "", "DIR");
    const QCommandLineOption dataHome("data-home", "");
    const QCommandLineOption language("language", "", "CODE");  // chosen by main(), checked here
    parser.addOptions({help, version, dbDir, dataHome, language});
    const bool parsed = parser.parse(arguments);

    // Asked for help, the user gets it whatever else the line holds.
    if (parser.isSet(help)) return {StartOptions::Action::Help, usage(), {}, false};
    if (parser.isSet(version))
        return {StartOptions::Action::Version, QStringLiteral("velmorantes " VELM_VERSION "\n"), {},
                false};
    if (!parsed) return refuse(parser.errorText());
    for (const QString& code : parser.values(language)) {
        LanguageOption given;
        given.language = languageNamed(code.toStdString());
        given.wrong = !given.language;
        given.given = code.toStdString();
        if (given.wrong) return refuse(QString::fromStdString(languageProblem(given)));
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(say(QT_TRANSLATE_NOOP("velm::start", "ARGUMENTO INESPERADO '%1'"), {parser.positionalArguments().first()}));

    const QStringList dirs = parser.values(dbDir);
    if (dirs.size() > 1) return refuse(say(QT_TRANSLATE_NOOP("velm::start", "--db-dir SE DIO DOS VECES")));
    if (!dirs.isEmpty() && parser.isSet(dataHome))
        return refuse(say(QT_TRANSLATE_NOOP("velm::start", "INDIQUE --db-dir O --data-home, NO LAS DOS")));
    if (parser.isSet(dataHome))
        return {StartOptions::Action::Run, {}, userDataFolder(place), true};
    if (dirs.isEmpty()) return {StartOptions::Action::Run, {}, QDir(place.currentDir).absolutePath(), false};
    if (dirs.first().isEmpty()) return refuse(say(QT_TRANSLATE_NOOP("velm::start", "--db-dir NECESITA UNA CARPETA")));
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
    if (info.exists())
        return say(QT_TRANSLATE_NOOP("velm::start", "LA RUTA %1 NO ES UNA CARPETA; NO SE PUEDEN GUARDAR LAS TABLAS EN ELLA"),
                  {folder});
    if (!options.createFolder) return say(QT_TRANSLATE_NOOP("velm::start", "LA CARPETA DE LAS TABLAS %1 NO EXISTE"), {folder});

    // Only the last folder is private: the ones above it may be shared with other programs.
    namespace fs = std::filesystem;
    const fs::path path(options.databaseFolder.toStdString());
    std::error_code error;
    fs::create_directories(path, error);
    if (!error) fs::permissions(path, fs::perms::owner_all, error);
    if (error)
        return say(QT_TRANSLATE_NOOP("velm::start", "NO SE PUEDE CREAR LA CARPETA %1 (%2)"),
                  {folder, QString::fromLocal8Bit(error.message().c_str())});
    return std::nullopt;
}

}  // namespace velm
