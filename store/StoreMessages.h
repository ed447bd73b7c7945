#pragma once
// Every text the store shows the user. A file is named by its full path when the trouble is
// the file itself (where it lies matters), by its bare name when the trouble is a table in it.
// The Spanish texts are the translation's source texts, in the context "velm::msg" that the
// core's messages (i18n/MessageText.cpp) and the legacy reader's share.

#include "i18n/qt/Text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velm::msg {

inline constexpr const char* kContext = "velm::msg";

// A constant message in the interface's language.
inline std::string tr(std::string_view source) { return translatedText(kContext, source.data()); }

namespace detail {
inline std::string text(const char* source, std::initializer_list<QString> values) {
    return translatedText(kContext, source, values);
}
}  // namespace detail

inline std::string notADatabase(std::string_view path) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO %1 NO ES UNA BASE DE DATOS SQLITE; NO SE HA LEIDO NI MODIFICADO"),
                        {qs(path)});
}

// Where the program itself does not offer the conversion (velmorantes-calc, a maintenance
// screen reached after the offer was declined), the message tells both ways to it.
inline std::string accessFile(std::string_view path) {
    return detail::text(
        QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO %1 ES UNA BASE DE DATOS DE ACCESS DE UNA VERSION ANTERIOR DEL "
                                       "PROGRAMA; NO SE HA LEIDO NI MODIFICADO. PARA CONVERTIRLO, ELIJA SU FAMILIA EN EL "
                                       "PROGRAMA Y RESPONDA SI, O USE velmorantes-import"),
        {qs(path)});
}

inline std::string readOnlyFile(std::string_view path) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO %1 ES DE SOLO LECTURA; NO SE HA MODIFICADO"), {qs(path)});
}

// Why a file cannot be read or created; the reason is one of these, or the system's words.
inline constexpr std::string_view kIsAFolder = QT_TRANSLATE_NOOP("velm::msg", "ES UNA CARPETA");
inline constexpr std::string_view kNotARegularFile = QT_TRANSLATE_NOOP("velm::msg", "NO ES UN ARCHIVO NORMAL");
inline constexpr std::string_view kCircularLink = QT_TRANSLATE_NOOP("velm::msg", "ES UN ENLACE CIRCULAR");
inline constexpr std::string_view kDanglingLink =
    QT_TRANSLATE_NOOP("velm::msg", "ES UN ENLACE A UN ARCHIVO QUE NO EXISTE");
inline constexpr std::string_view kDoesNotExist = QT_TRANSLATE_NOOP("velm::msg", "NO EXISTE");
inline constexpr std::string_view kNoFolder = QT_TRANSLATE_NOOP("velm::msg", "LA CARPETA NO EXISTE");

inline std::string cannotReadFile(std::string_view path, std::string_view reason) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NO SE PUEDE LEER EL ARCHIVO %1 (%2)"), {qs(path), qs(reason)});
}

inline std::string cannotCreateFile(std::string_view path, std::string_view reason) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NO SE PUEDE CREAR EL ARCHIVO %1 (%2)"), {qs(path), qs(reason)});
}

// The engine's own words go in the parentheses: they are all there is to diagnose by.
inline std::string databaseError(std::string_view path, std::string_view engineText) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "ERROR DE LA BASE DE DATOS EN EL ARCHIVO %1 (%2); NO SE HA MODIFICADO"),
                        {qs(path), qs(engineText)});
}

inline constexpr std::string_view kDriverMissing = QT_TRANSLATE_NOOP(
    "velm::msg", "NO ESTA INSTALADO EL CONTROLADOR SQLITE DE QT (QSQLITE); NO SE PUEDEN ABRIR LAS TABLAS");

inline constexpr std::string_view kEmptyTitle = QT_TRANSLATE_NOOP("velm::msg", "EL TITULO DE LA TABLA ESTA VACIO");

inline std::string tableMissing(std::string_view title, std::string_view fileName) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "LA TABLA %1 NO EXISTE EN EL ARCHIVO %2"), {qs(title), qs(fileName)});
}

inline std::string tableExists(std::string_view title, std::string_view fileName) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "LA TABLA %1 YA EXISTE EN EL ARCHIVO %2"), {qs(title), qs(fileName)});
}

inline std::string rowMissing(std::string_view title, std::string_view fileName) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "LA FILA YA NO EXISTE EN LA TABLA %1 DEL ARCHIVO %2"),
                        {qs(title), qs(fileName)});
}

inline std::string valueNotStorable(std::string_view column) {
    return detail::text(
        QT_TRANSLATE_NOOP("velm::msg", "EL VALOR DE %1 NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO"),
        {qs(column)});
}

inline std::string wrongValueCount(std::size_t wanted, std::size_t given) {
    return detail::text(
        QT_TRANSLATE_NOOP("velm::msg", "UNA FILA DE ESTA TABLA LLEVA %1 VALORES (SE DIERON %2); NO SE HA GUARDADO"),
        {QString::number(wanted), QString::number(given)});
}

inline std::string badStoredValue(std::string_view title, std::string_view fileName, std::string_view column) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "LA TABLA %1 DEL ARCHIVO %2 TIENE UN VALOR VACIO O NO NUMERICO EN "
                                                       "LA COLUMNA %3 (¿SE MODIFICO FUERA DEL PROGRAMA?)"),
                        {qs(title), qs(fileName), qs(column)});
}

inline std::string storedValueTooLarge(std::string_view title, std::string_view fileName, std::string_view column) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "LA TABLA %1 DEL ARCHIVO %2 TIENE UN VALOR QUE NO CABE EN "
                                                       "PRECISION SIMPLE EN LA COLUMNA %3 (¿SE MODIFICO FUERA DEL PROGRAMA?)"),
                        {qs(title), qs(fileName), qs(column)});
}

// A write that was cut short (the program or the machine stopped) left its journal beside
// the file, and the file cannot be read until the write is undone, which needs write access.
inline std::string interruptedWrite(std::string_view path, std::string_view journal) {
    return detail::text(
        QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO %1 TIENE UNA ESCRITURA INTERRUMPIDA SIN DESHACER (%2); PARA "
                                       "DESHACERLA ABRA EL PROGRAMA CON PERMISO DE ESCRITURA EN EL ARCHIVO Y EN SU "
                                       "CARPETA. NO BORRE %2: SIN EL, LA BASE DE DATOS QUEDARIA DAÑADA"),
        {qs(path), qs(journal)});
}

// Results that could not be saved, and why (the file stands as it was).
inline std::string cannotSaveResults(std::string_view path) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO %1"), {qs(path)});
}
inline std::string cannotSaveResults(std::string_view path, std::string_view reason) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO %1 (%2)"),
                        {qs(path), qs(reason)});
}
inline constexpr std::string_view kProgramDatabase =
    QT_TRANSLATE_NOOP("velm::msg", "ES UN ARCHIVO DE BASE DE DATOS DEL PROGRAMA");
inline constexpr std::string_view kADatabase = QT_TRANSLATE_NOOP("velm::msg", "ES UN ARCHIVO DE BASE DE DATOS");
inline constexpr std::string_view kReadOnly = QT_TRANSLATE_NOOP("velm::msg", "ES DE SOLO LECTURA");
inline constexpr std::string_view kIncompleteLine =
    QT_TRANSLATE_NOOP("velm::msg", "QUEDO UNA LINEA INCOMPLETA AL FINAL DEL ARCHIVO");

inline std::string shippedTableUnreadable(std::string_view name) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NO SE PUEDE LEER LA TABLA INCORPORADA AL PROGRAMA %1"), {qs(name)});
}

// A file of the table or the plot that could not be written (the old file stands).
inline std::string cannotSaveTable(std::string_view path) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NO SE PUDO GUARDAR LA TABLA EN EL ARCHIVO %1"), {qs(path)});
}
inline std::string cannotSavePlot(std::string_view path) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NO SE PUDO GUARDAR LA GRAFICA EN EL ARCHIVO %1"), {qs(path)});
}

}  // namespace velm::msg
