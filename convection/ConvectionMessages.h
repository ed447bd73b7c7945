#pragma once
// Every text of the convection layer the user reads, made where it is used so that it can be
// translated: whole sentences, their variable parts as %1, %2 ... Spanish is the source.

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <string>

namespace velm::convection::msg {

inline std::string utf8(const QString& s) { return s.toStdString(); }

inline std::string lengthNotPositive() { return utf8(QCoreApplication::translate("velm::convection", "LA LONGITUD DEBE SER MAYOR QUE CERO")); }
inline std::string diameterNotPositive() { return utf8(QCoreApplication::translate("velm::convection", "EL DIAMETRO DEBE SER MAYOR QUE CERO")); }
inline std::string areaNotPositive() { return utf8(QCoreApplication::translate("velm::convection", "EL AREA DEBE SER MAYOR QUE CERO")); }
inline std::string perimeterNotPositive() { return utf8(QCoreApplication::translate("velm::convection", "EL PERIMETRO DEBE SER MAYOR QUE CERO")); }
inline std::string velocityNotPositive() { return utf8(QCoreApplication::translate("velm::convection", "LA VELOCIDAD DEBE SER MAYOR QUE CERO")); }

// The range of a sweep: DESDE, HASTA and PASO.
inline std::string fromAboveTo() { return utf8(QCoreApplication::translate("velm::convection", "EL VALOR INICIAL (DESDE) ES MAYOR QUE EL FINAL (HASTA)")); }
inline std::string tooManyValues(std::size_t most) {
    return utf8(QCoreApplication::translate("velm::convection", "SON MAS DE %1 VALORES   AUMENTE EL PASO O REDUZCA EL RANGO").arg(most));
}

// A dimensionless group outside the range a correlation was fitted over: the number is still
// computed, with this caveat.
inline std::string outOfRange(const QString& group, const QString& value, const QString& correlation,
                              const QString& range) {
    return utf8(QCoreApplication::translate("velm::convection", "%1 = %2 SE ENCUENTRA FUERA DEL RANGO DE LA CORRELACION %3 ( %4 ) ,   SE CALCULARA DE "
                   "TODOS MODOS (POCO RECOMENDABLE)")
                    .arg(group, value, correlation, range));
}

}  // namespace velm::convection::msg
