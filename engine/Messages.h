#pragma once
// Every text the engine shows the user, exactly as the program shows it: leading and
// trailing blanks, "¡" and "¿" belong to the texts.

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

}  // namespace velm::msg
