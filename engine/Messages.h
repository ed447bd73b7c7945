#pragma once
// Every text the engine shows the user, exactly as the program shows it: leading and
// trailing blanks, "¡" and "¿" belong to the texts. The Spanish texts are the source texts of
// the translation (context "velm::msg", shared with the store's and the legacy reader's
// messages); a constant is the source, msg::tr() gives it in the interface's language.

#include "i18n/Text.h"

#include <QtGlobal>

#include <cstddef>
#include <string>
#include <string_view>

namespace velm::msg {

inline constexpr const char* kContext = "velm::msg";

// A constant message in the interface's language.
inline std::string tr(std::string_view source) { return translatedText(kContext, source.data()); }

inline constexpr std::string_view kNotANumber = QT_TRANSLATE_NOOP("velm::msg", " DEBE INTRODUCIR UN NUMERO");
inline constexpr std::string_view kTemperatureDoesNotExist =
    QT_TRANSLATE_NOOP("velm::msg", "ESTA TEMPERATURA NO EXISTE ");
inline constexpr std::string_view kNegativePressure =
    QT_TRANSLATE_NOOP("velm::msg", "LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!");
inline constexpr std::string_view kTooFewPoints = QT_TRANSLATE_NOOP(
    "velm::msg",
    "EL NUMERO DE REGISTROS EN LA TABLA NO ES SUFICIENTE (ES MENOR QUE 2) PARA REALIZAR LA INTERPOLACION");

// The gas steps divide by the pressure: zero is accepted at entry but cannot be evaluated.
inline constexpr std::string_view kZeroPressure = QT_TRANSLATE_NOOP(
    "velm::msg",
    "LA PRESION ES CERO   ¡NO SE PUEDEN CALCULAR LAS PROPIEDADES!  INTRODUZCA UNA PRESION MAYOR QUE CERO");
// A result that is not a finite number is never shown or saved.
inline constexpr std::string_view kNotComputable = QT_TRANSLATE_NOOP(
    "velm::msg", "LAS PROPIEDADES NO SE PUEDEN CALCULAR A ESTA TEMPERATURA Y PRESION (EL RESULTADO NO ES UN NUMERO)");

inline std::string outOfCorrelationRange(std::string_view fluid, std::string_view rangeText) {
    return translatedText(kContext,
                          QT_TRANSLATE_NOOP("velm::msg", "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION "
                                                         "DEL (DE LA) %1 %2 ,   SE EXTRAPOLARA (POCO RECOMENDABLE)"),
                          {qs(fluid), qs(rangeText)});
}

inline std::string aboveTable(std::string_view fluid, std::string_view lastTemperature) {
    return translatedText(kContext,
                          QT_TRANSLATE_NOOP("velm::msg", "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA %1  "
                                                         "( LA TEMPERATURA ES MAYOR A %2 ) SE EXTRAPOLARA"),
                          {qs(fluid), qs(lastTemperature)});
}

inline std::string belowTable(std::string_view fluid, std::string_view firstTemperature) {
    return translatedText(kContext,
                          QT_TRANSLATE_NOOP("velm::msg", "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA %1  "
                                                         "( LA TEMPERATURA ES MENOR A %2) SE EXTRAPOLARA"),
                          {qs(fluid), qs(firstTemperature)});
}

// The range of a table of properties: DESDE, HASTA and PASO.
inline constexpr std::string_view kFromAboveTo =
    QT_TRANSLATE_NOOP("velm::msg", "LA TEMPERATURA INICIAL (DESDE) ES MAYOR QUE LA FINAL (HASTA)");
inline constexpr std::string_view kBadStep = QT_TRANSLATE_NOOP("velm::msg", "EL PASO DEBE SER UN NUMERO MAYOR QUE CERO");
inline std::string tooManyTemperatures(std::size_t most) {
    return translatedText(
        kContext, QT_TRANSLATE_NOOP("velm::msg", "SON MAS DE %1 TEMPERATURAS   AUMENTE EL PASO O REDUZCA EL RANGO"),
        {QString::number(most)});
}

// The line under a table of properties: how many of its temperatures were not taken from the
// correlation or lie beyond the stored table, and from which table they came.
inline std::string outsideCorrelation(std::size_t n, std::string_view fluid, std::string_view rangeText) {
    return translatedText(
        kContext,
        n == 1 ? QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) %2 %3 SE "
                                                "EXTRAPOLO CON LA TABLA %2 (POCO RECOMENDABLE)")
               : QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURAS FUERA DEL RANGO DE LA ECUACION DEL (DE LA) %2 %3 SE "
                                                "EXTRAPOLARON CON LA TABLA %2 (POCO RECOMENDABLE)"),
        {QString::number(n), qs(fluid), qs(rangeText)});
}
inline std::string outsideTable(std::size_t n, std::string_view fluid) {
    return translatedText(kContext,
                          n == 1 ? QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURA FUERA DEL RANGO DE LA TABLA %2 SE EXTRAPOLO")
                                 : QT_TRANSLATE_NOOP("velm::msg",
                                                     "%1 TEMPERATURAS FUERA DEL RANGO DE LA TABLA %2 SE EXTRAPOLARON"),
                          {QString::number(n), qs(fluid)});
}
inline std::string notComputed(std::size_t n) {
    return translatedText(
        kContext,
        n == 1 ? QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURA NO SE PUDO CALCULAR (EL RESULTADO NO ES UN NUMERO)")
               : QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURAS NO SE PUDIERON CALCULAR (EL RESULTADO NO ES UN NUMERO)"),
        {QString::number(n)});
}

// A file of the table or the plot that could not be written (the old file stands).
inline std::string cannotSaveTable(std::string_view path) {
    return translatedText(kContext, QT_TRANSLATE_NOOP("velm::msg", "NO SE PUDO GUARDAR LA TABLA EN EL ARCHIVO %1"),
                          {qs(path)});
}
inline std::string cannotSavePlot(std::string_view path) {
    return translatedText(kContext, QT_TRANSLATE_NOOP("velm::msg", "NO SE PUDO GUARDAR LA GRAFICA EN EL ARCHIVO %1"),
                          {qs(path)});
}

}  // namespace velm::msg
