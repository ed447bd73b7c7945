#include "cli/Import.h"

#include "legacy/Conversion.h"
#include "engine/UserError.h"
#include "i18n/qt/Translations.h"
#include "i18n/qt/Text.h"

#include <QString>

#include <algorithm>
#include <ostream>

namespace velm {
namespace {

std::string usage() {
    return translatedText("velm::import", QT_TRANSLATE_NOOP("velm::import", R"(Modo de empleo: velmorantes-import ANTIGUO.mdb NUEVO.mdb --family GASES|LIQUIDOS

Convierte un archivo de base de datos de Access de un VELMORANTES anterior (GASES.mdb o
LIQUIDOS.mdb, formato Jet) en un archivo de base de datos nuevo con el formato de este
programa, e imprime lo que tomó y lo que dejó fuera.

  ANTIGUO.mdb               el archivo de Access: solo se lee, nunca se escribe.
  NUEVO.mdb                 el archivo nuevo, que aún no debe existir. Nombrar otra vez
                            ANTIGUO.mdb lo convierte en su sitio: el original se conserva
                            entonces junto al archivo nuevo como ANTIGUO.access.mdb
                            (ANTIGUO.access-2.mdb ... si ese nombre está ocupado).
  --family GASES|LIQUIDOS   la familia de las tablas del archivo.
  --language es|en          el idioma de los mensajes y de esta ayuda (por omisión, el de
                            la configuración regional: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  --help                    muestra esta ayuda y termina.
  --version                 muestra la versión y termina.

Se toma una tabla que tiene todas las columnas de su familia: TEMP DEN CP MIU UN K ALFA PR
y, para líquidos, BETA, cada una numérica (no importan las mayúsculas ni el orden de las
columnas; las demás columnas se ignoran). Su título se conserva tal cual y cada valor se
guarda como el número de precisión simple más cercano. Quedan fuera, y se informa de ello:
cualquier otra tabla, una tabla de líquidos sin BETA, una tabla dañada y una fila a la que
le falta un valor (el resto de su tabla se toma). Una tabla sin filas se toma sin filas.
Cada fluido incorporado para el que el archivo antiguo no tiene tabla recibe la tabla
propia del programa, después de las importadas. El archivo nuevo se escribe aparte y solo
aparece cuando está completo.

El propio programa ofrece la misma conversión cuando encuentra un archivo de Access en
lugar de GASES.mdb o LIQUIDOS.mdb.

Estado de salida: 0 todas las tablas y filas tomadas; 1 alguna quedó fuera (véase el
informe); 2 un error de uso, o un archivo que no se pudo leer o escribir (entonces no se
escribe nada).
)"));
}

struct UsageError {
    std::string problem;
};

UsageError usageError(const char* source, std::initializer_list<QString> values = {}) {
    return {translatedText("velm::import", source, values)};
}

struct Arguments {
    std::string old, target;
    std::optional<Family> family;
};

Arguments parse(const std::vector<std::string>& args) {
    Arguments a;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string family;
        if (arg == "--family") {
            if (i + 1 == args.size()) throw usageError(QT_TRANSLATE_NOOP("velm::import", "--family NECESITA UN VALOR"));
            family = args[++i];
        } else if (arg.rfind("--family=", 0) == 0) {
            family = arg.substr(9);
        } else if (arg.rfind("--", 0) == 0) {
            throw usageError(QT_TRANSLATE_NOOP("velm::import", "ARGUMENTO DESCONOCIDO '%1'"), {qs(arg)});
        } else {
            files.push_back(arg);
            continue;
        }
        if (a.family) throw usageError(QT_TRANSLATE_NOOP("velm::import", "--family SE DIO DOS VECES"));
        a.family = familyNamed(family);
        if (!a.family) throw usageError(QT_TRANSLATE_NOOP("velm::import", "--family DEBE SER GASES O LIQUIDOS"));
    }
    if (files.size() != 2) throw usageError(QT_TRANSLATE_NOOP("velm::import", "INDIQUE EL ARCHIVO ANTIGUO Y EL ARCHIVO NUEVO"));
    if (!a.family) throw usageError(QT_TRANSLATE_NOOP("velm::import", "FALTA --family"));
    a.old = files[0];
    a.target = files[1];
    return a;
}

}  // namespace

int runImport(const std::vector<std::string>& given, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = given;
    Arguments a;
    try {
        const LanguageOption language = takeLanguageOption(args);
        if (language.wrong) throw UsageError{languageProblem(language)};
        for (const std::string& arg : args)
            if (arg == "--help" || arg == "-h") {
                out << usage();
                return 0;
            }
        if (std::find(args.begin(), args.end(), "--version") != args.end()) {
            out << "velmorantes-import " VELM_VERSION "\n";
            return 0;
        }
        a = parse(args);
    } catch (const UsageError& e) {
        err << "velmorantes-import: " << e.problem << "\n\n" << usage();
        return 2;
    }
    try {
        const legacy::ConversionReport report =
            legacy::convertFile(QString::fromLocal8Bit(a.old), QString::fromLocal8Bit(a.target), *a.family);
        for (const std::string& line : report.lines()) out << line << '\n';
        return report.complete() ? 0 : 1;
    } catch (const UserError& e) {
        err << e.what() << '\n';
        return 2;
    }
}

}  // namespace velm
