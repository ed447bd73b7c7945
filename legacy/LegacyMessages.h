#pragma once
// Every text of the conversion of old Access files: refusals, the question the program asks
// and the lines of the report.

#include <string>
#include <string_view>

namespace velm::msg {

inline std::string notAnAccessFile(std::string_view path) {
    return "EL ARCHIVO " + std::string(path) +
           " NO ES UNA BASE DE DATOS DE ACCESS; NO SE HA CONVERTIDO NI MODIFICADO";
}

inline std::string accessFileDamaged(std::string_view path, std::string_view why) {
    return "EL ARCHIVO DE ACCESS " + std::string(path) + " ESTA DAÑADO (" + std::string(why) +
           "); NO SE HA CONVERTIDO NI MODIFICADO";
}

// Why a file or a table is damaged.
inline constexpr std::string_view kTruncated = "ESTA INCOMPLETO: SE CORTO ANTES DE SU FINAL";
inline constexpr std::string_view kUnknownVersion = "SU VERSION NO SE CONOCE";
inline constexpr std::string_view kNoCatalogue = "NO SE PUEDE LEER SU LISTA DE TABLAS";
inline constexpr std::string_view kReaderCrashed = "SU LECTURA SE INTERRUMPIO";
inline constexpr std::string_view kReaderAnsweredNonsense = "SU LECTURA DIO DATOS INCOHERENTES";
inline constexpr std::string_view kTooLarge = "SUS TABLAS NO CABEN EN LA MEMORIA DEL LECTOR";
inline constexpr std::string_view kNoDefinition = "NO SE PUEDE LEER SU DEFINICION";
inline constexpr std::string_view kBadCell = "UN VALOR NO ESTA DONDE SU FILA DICE";
inline std::string readerTimedOut(long long seconds) {
    return "SU LECTURA NO TERMINO EN " + std::to_string(seconds) + " SEGUNDOS";
}
inline std::string rowCountMismatch(std::size_t read, std::size_t declared) {
    return "SE LEYERON " + std::to_string(read) + " FILAS DE LAS " + std::to_string(declared) +
           " QUE DECLARA";
}

// Why a table is not taken over.
inline std::string notAFluidTable(std::string_view missingColumns, bool several) {
    return std::string("NO ES UNA TABLA DE FLUIDO: LE ") +
           (several ? "FALTAN LAS COLUMNAS " : "FALTA LA COLUMNA ") + std::string(missingColumns);
}
inline constexpr std::string_view kNoBeta = "LE FALTA LA COLUMNA BETA, QUE TODA TABLA DE LIQUIDOS LLEVA";
inline std::string columnNotANumber(std::string_view column) {
    return "LA COLUMNA " + std::string(column) + " NO ES NUMERICA";
}
inline std::string tableDamaged(std::string_view why) { return "ESTA DAÑADA: " + std::string(why); }
inline constexpr std::string_view kUnreadableTitle = "SU NOMBRE NO SE PUEDE LEER";
inline constexpr std::string_view kReservedTitle = "SU NOMBRE ESTA RESERVADO A LAS TABLAS PROPIAS DE SQLITE";
inline constexpr std::string_view kRepeatedTitle = "YA SE IMPORTO OTRA TABLA DEL MISMO NOMBRE";

// Why a row is not taken over, and how the report names it.
inline std::string missingValues(std::string_view columns, bool several) {
    return std::string(several ? "FALTAN LOS VALORES DE " : "FALTA EL VALOR DE ") + std::string(columns);
}
inline std::string valueNotSingle(std::string_view column) {
    return "EL VALOR DE " + std::string(column) + " NO ES UN NUMERO FINITO DE PRECISION SIMPLE";
}
inline std::string rowByTemp(std::string_view temp) { return "TEMP = " + std::string(temp); }
inline std::string rowByNumber(std::size_t number) { return "NUMERO " + std::to_string(number); }

// The report.
inline std::string tableCount(std::size_t n) { return std::to_string(n) + (n == 1 ? " TABLA" : " TABLAS"); }
inline std::string importedFrom(std::size_t tables, std::string_view source, std::string_view target) {
    return "SE HAN IMPORTADO " + tableCount(tables) + " DE " + std::string(source) + " EN " +
           std::string(target) + (tables ? ":" : "");
}
inline std::string importedTable(std::string_view title, std::size_t rows) {
    return "  \"" + std::string(title) + "\": " +
           (rows == 0 ? std::string("SIN FILAS") : std::to_string(rows) + (rows == 1 ? " FILA" : " FILAS"));
}
inline std::string skippedRow(std::string_view row, std::string_view reason) {
    return "    NO SE HA IMPORTADO LA FILA " + std::string(row) + ": " + std::string(reason);
}
inline std::string skippedTables(std::size_t tables) {
    return "NO SE HAN IMPORTADO " + tableCount(tables) + ":";
}
inline std::string skippedTable(std::string_view title, std::string_view reason) {
    return "  \"" + std::string(title) + "\": " + std::string(reason);
}
inline std::string shippedAdded(std::string_view names) {
    return "SE HAN AÑADIDO LAS TABLAS DEL PROGRAMA DE LOS FLUIDOS INCORPORADOS QUE FALTABAN: " +
           std::string(names);
}
inline std::string originalKept(std::string_view path) {
    return "EL ARCHIVO ORIGINAL SE CONSERVA SIN CAMBIOS COMO " + std::string(path);
}

// Failures of the writing, which leave the original as it was and no new file.
inline std::string targetExists(std::string_view path) {
    return "EL ARCHIVO " + std::string(path) + " YA EXISTE; NO SE HA SOBRESCRITO NI MODIFICADO";
}
inline std::string folderNotWritable(std::string_view folder) {
    return "NO SE PUEDE ESCRIBIR EN LA CARPETA " + std::string(folder) +
           "; NO SE HA CONVERTIDO NI MODIFICADO NINGUN ARCHIVO";
}
inline std::string conversionFailed(std::string_view source, std::string_view why) {
    return "NO SE HA PODIDO CONVERTIR EL ARCHIVO " + std::string(source) + " (" + std::string(why) +
           "); EL ORIGINAL NO SE HA MODIFICADO Y NO QUEDA NINGUN ARCHIVO NUEVO";
}

// What the program asks when a family's file is an Access file.
inline constexpr std::string_view kConvertTitle = "CONVERTIR";
inline std::string offerConversion(std::string_view path, std::string_view kept) {
    return "EL ARCHIVO " + std::string(path) +
           " ES UNA BASE DE DATOS DE ACCESS DE UNA VERSION ANTERIOR DEL PROGRAMA. ¿DESEA "
           "CONVERTIRLO AL FORMATO ACTUAL? EL ORIGINAL SE CONSERVARA SIN CAMBIOS COMO " +
           std::string(kept);
}

}  // namespace velm::msg
