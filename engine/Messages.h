#pragma once
// Every text the engine shows the user, exactly as the program shows it: leading and
// trailing blanks, "¡" and "¿" belong to the texts.

#include <cstddef>
#include <string>
#include <string_view>

namespace velm::msg {

inline constexpr std::string_view kNotANumber = " DEBE INTRODUCIR UN NUMERO";
inline constexpr std::string_view kTemperatureDoesNotExist = "ESTA TEMPERATURA NO EXISTE ";
inline constexpr std::string_view kNegativePressure =
    "LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!";
inline constexpr std::string_view kTooFewPoints =
    "EL NUMERO DE REGISTROS EN LA TABLA NO ES SUFICIENTE (ES MENOR QUE 2) PARA REALIZAR LA "
    "INTERPOLACION";

// The gas steps divide by the pressure: zero is accepted at entry but cannot be evaluated.
inline constexpr std::string_view kZeroPressure =
    "LA PRESION ES CERO   ¡NO SE PUEDEN CALCULAR LAS PROPIEDADES!  INTRODUZCA UNA PRESION "
    "MAYOR QUE CERO";
// A result that is not a finite number is never shown or saved.
inline constexpr std::string_view kNotComputable =
    "LAS PROPIEDADES NO SE PUEDEN CALCULAR A ESTA TEMPERATURA Y PRESION (EL RESULTADO NO ES UN "
    "NUMERO)";

inline std::string outOfCorrelationRange(std::string_view fluid, std::string_view rangeText) {
    std::string s = "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) ";
    s.append(fluid).append(" ").append(rangeText);
    s.append(" ,   SE EXTRAPOLARA (POCO RECOMENDABLE)");
    return s;
}

inline std::string aboveTable(std::string_view fluid, std::string_view lastTemperature) {
    std::string s = "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA ";
    s.append(fluid).append(" ").append(" ( LA TEMPERATURA ES MAYOR A ");
    s.append(lastTemperature).append(" ) SE EXTRAPOLARA");
    return s;
}

inline std::string belowTable(std::string_view fluid, std::string_view firstTemperature) {
    std::string s = "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA ";
    s.append(fluid).append(" ").append(" ( LA TEMPERATURA ES MENOR A ");
    s.append(firstTemperature).append(") SE EXTRAPOLARA");
    return s;
}

// The range of a table of properties: DESDE, HASTA and PASO.
inline constexpr std::string_view kFromAboveTo =
    "LA TEMPERATURA INICIAL (DESDE) ES MAYOR QUE LA FINAL (HASTA)";
inline constexpr std::string_view kBadStep = "EL PASO DEBE SER UN NUMERO MAYOR QUE CERO";
inline std::string tooManyTemperatures(std::size_t most) {
    return "SON MAS DE " + std::to_string(most) +
           " TEMPERATURAS   AUMENTE EL PASO O REDUZCA EL RANGO";
}

// The line under a table of properties: how many of its temperatures were not taken from the
// correlation or lie beyond the stored table, and from which table they came.
inline std::string temperatures(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " TEMPERATURA" : " TEMPERATURAS");
}
inline std::string outsideCorrelation(std::size_t n, std::string_view fluid,
                                      std::string_view rangeText) {
    std::string s = temperatures(n) + " FUERA DEL RANGO DE LA ECUACION DEL (DE LA) ";
    s.append(fluid).append(" ").append(rangeText);
    s.append(n == 1 ? " SE EXTRAPOLO" : " SE EXTRAPOLARON").append(" CON LA TABLA ").append(fluid);
    return s.append(" (POCO RECOMENDABLE)");
}
inline std::string outsideTable(std::size_t n, std::string_view fluid) {
    std::string s = temperatures(n) + " FUERA DEL RANGO DE LA TABLA ";
    s.append(fluid);
    return s.append(n == 1 ? " SE EXTRAPOLO" : " SE EXTRAPOLARON");
}
inline std::string notComputed(std::size_t n) {
    return temperatures(n) + (n == 1 ? " NO SE PUDO CALCULAR" : " NO SE PUDIERON CALCULAR") +
           " (EL RESULTADO NO ES UN NUMERO)";
}

// A file of the table or the plot that could not be written (the old file stands).
inline std::string cannotSaveTable(std::string_view path) {
    return "NO SE PUDO GUARDAR LA TABLA EN EL ARCHIVO " + std::string(path);
}
inline std::string cannotSavePlot(std::string_view path) {
    return "NO SE PUDO GUARDAR LA GRAFICA EN EL ARCHIVO " + std::string(path);
}

}  // namespace velm::msg
