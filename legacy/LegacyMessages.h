#pragma once
// Every text of the conversion of old Access files: refusals, the question the program asks
// and the lines of the report. Sources and context as in engine/Messages.h.

#include "store/StoreMessages.h"

#include <string>
#include <string_view>

namespace velm::msg {

inline std::string notAnAccessFile(std::string_view path) {
    return detail::text(
        QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO %1 NO ES UNA BASE DE DATOS DE ACCESS; NO SE HA CONVERTIDO NI MODIFICADO"),
        {qs(path)});
}

inline std::string accessFileDamaged(std::string_view path, std::string_view why) {
    return detail::text(
        QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO DE ACCESS %1 ESTA DAÑADO (%2); NO SE HA CONVERTIDO NI MODIFICADO"),
        {qs(path), qs(why)});
}

// Why a file or a table is damaged.
inline constexpr std::string_view kTruncated = QT_TRANSLATE_NOOP("velm::msg", "ESTA INCOMPLETO: SE CORTO ANTES DE SU FINAL");
inline constexpr std::string_view kUnknownVersion = QT_TRANSLATE_NOOP("velm::msg", "SU VERSION NO SE CONOCE");
inline constexpr std::string_view kNoCatalogue = QT_TRANSLATE_NOOP("velm::msg", "NO SE PUEDE LEER SU LISTA DE TABLAS");
inline constexpr std::string_view kReaderCrashed = QT_TRANSLATE_NOOP("velm::msg", "SU LECTURA SE INTERRUMPIO");
inline constexpr std::string_view kReaderAnsweredNonsense = QT_TRANSLATE_NOOP("velm::msg", "SU LECTURA DIO DATOS INCOHERENTES");
inline constexpr std::string_view kTooLarge = QT_TRANSLATE_NOOP("velm::msg", "SUS TABLAS NO CABEN EN LA MEMORIA DEL LECTOR");
inline constexpr std::string_view kNoDefinition = QT_TRANSLATE_NOOP("velm::msg", "NO SE PUEDE LEER SU DEFINICION");
inline constexpr std::string_view kBadCell = QT_TRANSLATE_NOOP("velm::msg", "UN VALOR NO ESTA DONDE SU FILA DICE");
inline std::string readerTimedOut(long long seconds) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "SU LECTURA NO TERMINO EN %1 SEGUNDOS"), {QString::number(seconds)});
}
inline std::string rowCountMismatch(std::size_t read, std::size_t declared) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "SE LEYERON %1 FILAS DE LAS %2 QUE DECLARA"),
                        {QString::number(read), QString::number(declared)});
}

// Why a table is not taken over.
inline std::string notAFluidTable(std::string_view missingColumns, bool several) {
    return detail::text(several ? QT_TRANSLATE_NOOP("velm::msg", "NO ES UNA TABLA DE FLUIDO: LE FALTAN LAS COLUMNAS %1")
                                : QT_TRANSLATE_NOOP("velm::msg", "NO ES UNA TABLA DE FLUIDO: LE FALTA LA COLUMNA %1"),
                        {qs(missingColumns)});
}
inline constexpr std::string_view kNoBeta =
    QT_TRANSLATE_NOOP("velm::msg", "LE FALTA LA COLUMNA BETA, QUE TODA TABLA DE LIQUIDOS LLEVA");
inline std::string columnNotANumber(std::string_view column) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "LA COLUMNA %1 NO ES NUMERICA"), {qs(column)});
}
inline std::string tableDamaged(std::string_view why) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "ESTA DAÑADA: %1"), {qs(why)});
}
inline constexpr std::string_view kUnreadableTitle = QT_TRANSLATE_NOOP("velm::msg", "SU NOMBRE NO SE PUEDE LEER");
inline constexpr std::string_view kReservedTitle =
    QT_TRANSLATE_NOOP("velm::msg", "SU NOMBRE ESTA RESERVADO A LAS TABLAS PROPIAS DE SQLITE");
inline constexpr std::string_view kRepeatedTitle = QT_TRANSLATE_NOOP("velm::msg", "YA SE IMPORTO OTRA TABLA DEL MISMO NOMBRE");

// Why a row is not taken over, and how the report names it.
inline std::string missingValues(std::string_view columns, bool several) {
    return detail::text(several ? QT_TRANSLATE_NOOP("velm::msg", "FALTAN LOS VALORES DE %1")
                                : QT_TRANSLATE_NOOP("velm::msg", "FALTA EL VALOR DE %1"),
                        {qs(columns)});
}
inline std::string valueNotSingle(std::string_view column) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "EL VALOR DE %1 NO ES UN NUMERO FINITO DE PRECISION SIMPLE"),
                        {qs(column)});
}
inline std::string rowByTemp(std::string_view temp) { return "TEMP = " + std::string(temp); }
inline std::string rowByNumber(std::size_t number) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NUMERO %1"), {QString::number(number)});
}

// The report.
inline std::string importedFrom(std::size_t tables, std::string_view source, std::string_view target) {
    const QString n = QString::number(tables);
    if (tables == 0)
        return detail::text(QT_TRANSLATE_NOOP("velm::msg", "SE HAN IMPORTADO %1 TABLAS DE %2 EN %3"), {n, qs(source), qs(target)});
    return detail::text(tables == 1 ? QT_TRANSLATE_NOOP("velm::msg", "SE HAN IMPORTADO %1 TABLA DE %2 EN %3:")
                                    : QT_TRANSLATE_NOOP("velm::msg", "SE HAN IMPORTADO %1 TABLAS DE %2 EN %3:"),
                        {n, qs(source), qs(target)});
}
inline std::string importedTable(std::string_view title, std::size_t rows) {
    const QString n = QString::number(rows);
    return detail::text(rows == 0   ? QT_TRANSLATE_NOOP("velm::msg", "  \"%1\": SIN FILAS")
                        : rows == 1 ? QT_TRANSLATE_NOOP("velm::msg", "  \"%1\": %2 FILA")
                                    : QT_TRANSLATE_NOOP("velm::msg", "  \"%1\": %2 FILAS"),
                        {qs(title), n});
}
inline std::string skippedRow(std::string_view row, std::string_view reason) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "    NO SE HA IMPORTADO LA FILA %1: %2"), {qs(row), qs(reason)});
}
inline std::string skippedTables(std::size_t tables) {
    return detail::text(tables == 1 ? QT_TRANSLATE_NOOP("velm::msg", "NO SE HAN IMPORTADO %1 TABLA:")
                                    : QT_TRANSLATE_NOOP("velm::msg", "NO SE HAN IMPORTADO %1 TABLAS:"),
                        {QString::number(tables)});
}
inline std::string skippedTable(std::string_view title, std::string_view reason) {
    return "  \"" + std::string(title) + "\": " + std::string(reason);
}
inline std::string shippedAdded(std::string_view names) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "SE HAN AÑADIDO LAS TABLAS DEL PROGRAMA DE LOS FLUIDOS "
                                                       "INCORPORADOS QUE FALTABAN: %1"),
                        {qs(names)});
}
inline std::string originalKept(std::string_view path) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO ORIGINAL SE CONSERVA SIN CAMBIOS COMO %1"), {qs(path)});
}

// Failures of the writing, which leave the original as it was and no new file.
inline std::string targetExists(std::string_view path) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO %1 YA EXISTE; NO SE HA SOBRESCRITO NI MODIFICADO"),
                        {qs(path)});
}
inline std::string folderNotWritable(std::string_view folder) {
    return detail::text(
        QT_TRANSLATE_NOOP("velm::msg", "NO SE PUEDE ESCRIBIR EN LA CARPETA %1; NO SE HA CONVERTIDO NI MODIFICADO NINGUN ARCHIVO"),
        {qs(folder)});
}
inline std::string conversionFailed(std::string_view source, std::string_view why) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "NO SE HA PODIDO CONVERTIR EL ARCHIVO %1 (%2); EL ORIGINAL NO SE "
                                                       "HA MODIFICADO Y NO QUEDA NINGUN ARCHIVO NUEVO"),
                        {qs(source), qs(why)});
}

// What the program asks when a family's file is an Access file.
inline constexpr std::string_view kConvertTitle = QT_TRANSLATE_NOOP("velm::msg", "CONVERTIR");
inline std::string offerConversion(std::string_view path, std::string_view kept) {
    return detail::text(QT_TRANSLATE_NOOP("velm::msg", "EL ARCHIVO %1 ES UNA BASE DE DATOS DE ACCESS DE UNA VERSION "
                                                       "ANTERIOR DEL PROGRAMA. ¿DESEA CONVERTIRLO AL FORMATO ACTUAL? EL "
                                                       "ORIGINAL SE CONSERVARA SIN CAMBIOS COMO %2"),
                        {qs(path), qs(kept)});
}

}  // namespace velm::msg
