#pragma once
// Every text the store shows the user. A file is named by its full path when the trouble is
// the file itself (where it lies matters), by its bare name when the trouble is a table in it.

#include <string>
#include <string_view>

namespace velm::msg {

inline std::string notADatabase(std::string_view path) {
    return "EL ARCHIVO " + std::string(path) +
           " NO ES UNA BASE DE DATOS SQLITE; NO SE HA LEIDO NI MODIFICADO";
}

// Where the program itself does not offer the conversion (velmorantes-calc, a maintenance
// screen reached after the offer was declined), the message tells both ways to it.
inline std::string accessFile(std::string_view path) {
    return "EL ARCHIVO " + std::string(path) +
           " ES UNA BASE DE DATOS DE ACCESS DE UNA VERSION ANTERIOR DEL PROGRAMA; NO SE HA LEIDO "
           "NI MODIFICADO. PARA CONVERTIRLO, ELIJA SU FAMILIA EN EL PROGRAMA Y RESPONDA SI, O USE "
           "velmorantes-import";
}

inline std::string readOnlyFile(std::string_view path) {
    return "EL ARCHIVO " + std::string(path) + " ES DE SOLO LECTURA; NO SE HA MODIFICADO";
}

inline std::string cannotReadFile(std::string_view path, std::string_view reason) {
    return "NO SE PUEDE LEER EL ARCHIVO " + std::string(path) + " (" + std::string(reason) + ")";
}

inline std::string cannotCreateFile(std::string_view path, std::string_view reason) {
    return "NO SE PUEDE CREAR EL ARCHIVO " + std::string(path) + " (" + std::string(reason) +
           ")";
}

// The engine's own words go in the parentheses: they are all there is to diagnose by.
inline std::string databaseError(std::string_view path, std::string_view engineText) {
    return "ERROR DE LA BASE DE DATOS EN EL ARCHIVO " + std::string(path) + " (" +
           std::string(engineText) + "); NO SE HA MODIFICADO";
}

inline constexpr std::string_view kDriverMissing =
    "NO ESTA INSTALADO EL CONTROLADOR SQLITE DE QT (QSQLITE); NO SE PUEDEN ABRIR LAS TABLAS";

inline constexpr std::string_view kEmptyTitle = "EL TITULO DE LA TABLA ESTA VACIO";

inline std::string tableMissing(std::string_view title, std::string_view fileName) {
    return "LA TABLA " + std::string(title) + " NO EXISTE EN EL ARCHIVO " +
           std::string(fileName);
}

inline std::string tableExists(std::string_view title, std::string_view fileName) {
    return "LA TABLA " + std::string(title) + " YA EXISTE EN EL ARCHIVO " +
           std::string(fileName);
}

inline std::string rowMissing(std::string_view title, std::string_view fileName) {
    return "LA FILA YA NO EXISTE EN LA TABLA " + std::string(title) + " DEL ARCHIVO " +
           std::string(fileName);
}

inline std::string valueNotStorable(std::string_view column) {
    return "EL VALOR DE " + std::string(column) +
           " NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO";
}

inline std::string wrongValueCount(std::size_t wanted, std::size_t given) {
    return "UNA FILA DE ESTA TABLA LLEVA " + std::to_string(wanted) + " VALORES (SE DIERON " +
           std::to_string(given) + "); NO SE HA GUARDADO";
}

inline std::string badStoredValue(std::string_view title, std::string_view fileName,
                                  std::string_view column) {
    return "LA TABLA " + std::string(title) + " DEL ARCHIVO " + std::string(fileName) +
           " TIENE UN VALOR VACIO O NO NUMERICO EN LA COLUMNA " + std::string(column) +
           " (¿SE MODIFICO FUERA DEL PROGRAMA?)";
}

inline std::string storedValueTooLarge(std::string_view title, std::string_view fileName,
                                       std::string_view column) {
    return "LA TABLA " + std::string(title) + " DEL ARCHIVO " + std::string(fileName) +
           " TIENE UN VALOR QUE NO CABE EN PRECISION SIMPLE EN LA COLUMNA " + std::string(column) +
           " (¿SE MODIFICO FUERA DEL PROGRAMA?)";
}

// A write that was cut short (the program or the machine stopped) left its journal beside
// the file, and the file cannot be read until the write is undone, which needs write access.
inline std::string interruptedWrite(std::string_view path, std::string_view journal) {
    return "EL ARCHIVO " + std::string(path) + " TIENE UNA ESCRITURA INTERRUMPIDA SIN DESHACER (" +
           std::string(journal) +
           "); PARA DESHACERLA ABRA EL PROGRAMA CON PERMISO DE ESCRITURA EN EL ARCHIVO Y EN SU "
           "CARPETA. NO BORRE " + std::string(journal) + ": SIN EL, LA BASE DE DATOS QUEDARIA DAÑADA";
}

inline std::string shippedTableUnreadable(std::string_view name) {
    return "NO SE PUEDE LEER LA TABLA INCORPORADA AL PROGRAMA " + std::string(name);
}

}  // namespace velm::msg
