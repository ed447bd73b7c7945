#pragma once
// Every message of the convection layer the user reads, made where it is used so that it can
// be translated: whole sentences, their variable parts as %1, %2 ... Spanish is the source.

#include "i18n/Text.h"

#include <cstddef>
#include <string>

namespace velm::convection::msg {

inline constexpr const char* kContext = "velm::convection";

inline std::string lengthNotPositive() {
    return translatedText(kContext, QT_TRANSLATE_NOOP("velm::convection", "LA LONGITUD DEBE SER MAYOR QUE CERO"));
}
inline std::string diameterNotPositive() {
    return translatedText(kContext, QT_TRANSLATE_NOOP("velm::convection", "EL DIAMETRO DEBE SER MAYOR QUE CERO"));
}
inline std::string areaNotPositive() {
    return translatedText(kContext, QT_TRANSLATE_NOOP("velm::convection", "EL AREA DEBE SER MAYOR QUE CERO"));
}
inline std::string perimeterNotPositive() {
    return translatedText(kContext, QT_TRANSLATE_NOOP("velm::convection", "EL PERIMETRO DEBE SER MAYOR QUE CERO"));
}
inline std::string velocityNotPositive() {
    return translatedText(kContext, QT_TRANSLATE_NOOP("velm::convection", "LA VELOCIDAD DEBE SER MAYOR QUE CERO"));
}

// The range of a sweep: DESDE, HASTA and PASO.
inline std::string fromAboveTo() {
    return translatedText(kContext,
                          QT_TRANSLATE_NOOP("velm::convection", "EL VALOR INICIAL (DESDE) ES MAYOR QUE EL FINAL (HASTA)"));
}
inline std::string tooManyValues(std::size_t most) {
    return translatedText(
        kContext, QT_TRANSLATE_NOOP("velm::convection", "SON MAS DE %1 VALORES   AUMENTE EL PASO O REDUZCA EL RANGO"),
        {QString::number(most)});
}

// A dimensionless group outside the range a correlation was fitted over: the number is still
// computed, with this caveat.
inline std::string outOfRange(const QString& group, const QString& value, const QString& correlation,
                              const QString& range) {
    return translatedText(kContext,
                          QT_TRANSLATE_NOOP("velm::convection",
                                            "%1 = %2 SE ENCUENTRA FUERA DEL RANGO DE LA CORRELACION %3 ( %4 ) ,   SE "
                                            "CALCULARA DE TODOS MODOS (POCO RECOMENDABLE)"),
                          {group, value, correlation, range});
}

}  // namespace velm::convection::msg
