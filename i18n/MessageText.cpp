#include "i18n/MessageText.h"

#include "engine/CalcularTabla.h"
#include "engine/Catalogue.h"
#include "i18n/Text.h"

#include <algorithm>

namespace velm {
namespace {

constexpr const char* kEngine = "velm::msg";
constexpr const char* kConvection = "velm::convection";

std::string say(const char* source, std::initializer_list<std::string_view> values = {}) {
    return localized(kEngine, source, values);
}
std::string sayConvection(const char* source, std::initializer_list<std::string_view> values = {}) {
    return localized(kConvection, source, values);
}

}  // namespace

std::string messageText(const Message& m) {
    switch (m.id) {
        case MessageId::NotANumber: return say(QT_TRANSLATE_NOOP("velm::msg", " DEBE INTRODUCIR UN NUMERO"));
        case MessageId::TemperatureDoesNotExist:
            return say(QT_TRANSLATE_NOOP("velm::msg", "ESTA TEMPERATURA NO EXISTE "));
        case MessageId::NegativePressure:
            return say(QT_TRANSLATE_NOOP("velm::msg", "LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!"));
        // The gas steps divide by the pressure: zero is accepted at entry but cannot be evaluated.
        case MessageId::ZeroPressure:
            return say(QT_TRANSLATE_NOOP("velm::msg", "LA PRESION ES CERO   ¡NO SE PUEDEN CALCULAR LAS PROPIEDADES!  "
                                                      "INTRODUZCA UNA PRESION MAYOR QUE CERO"));
        case MessageId::TooFewPoints:
            return say(QT_TRANSLATE_NOOP("velm::msg", "EL NUMERO DE REGISTROS EN LA TABLA NO ES SUFICIENTE (ES MENOR QUE "
                                                      "2) PARA REALIZAR LA INTERPOLACION"));
        // A result that is not a finite number is never shown or saved.
        case MessageId::NotComputable:
            return say(QT_TRANSLATE_NOOP("velm::msg", "LAS PROPIEDADES NO SE PUEDEN CALCULAR A ESTA TEMPERATURA Y PRESION "
                                                      "(EL RESULTADO NO ES UN NUMERO)"));
        // The store's own words, made in the interface's language where they arose.
        case MessageId::TableUnreadable: return m.text(0);
        case MessageId::OutOfCorrelationRange:
            return say(QT_TRANSLATE_NOOP("velm::msg", "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION "
                                                      "DEL (DE LA) %1 %2 ,   SE EXTRAPOLARA (POCO RECOMENDABLE)"),
                       {m.text(0), rangeText(m.number(1), m.number(2))});
        case MessageId::AboveTable:
            return say(QT_TRANSLATE_NOOP("velm::msg", "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA %1  "
                                                      "( LA TEMPERATURA ES MAYOR A %2 ) SE EXTRAPOLARA"),
                       {m.text(0), storedTemperatureText(m.number(1), regionalDecimalComma())});
        case MessageId::BelowTable:
            return say(QT_TRANSLATE_NOOP("velm::msg", "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA %1  "
                                                      "( LA TEMPERATURA ES MENOR A %2) SE EXTRAPOLARA"),
                       {m.text(0), storedTemperatureText(m.number(1), regionalDecimalComma())});
        case MessageId::FromAboveTo:
            return say(QT_TRANSLATE_NOOP("velm::msg", "LA TEMPERATURA INICIAL (DESDE) ES MAYOR QUE LA FINAL (HASTA)"));
        case MessageId::BadStep: return say(QT_TRANSLATE_NOOP("velm::msg", "EL PASO DEBE SER UN NUMERO MAYOR QUE CERO"));
        case MessageId::TooManyTemperatures:
            return say(QT_TRANSLATE_NOOP("velm::msg", "SON MAS DE %1 TEMPERATURAS   AUMENTE EL PASO O REDUZCA EL RANGO"),
                       {countText(m.number(0))});
        case MessageId::LengthNotPositive:
            return sayConvection(QT_TRANSLATE_NOOP("velm::convection", "LA LONGITUD DEBE SER MAYOR QUE CERO"));
        case MessageId::DiameterNotPositive:
            return sayConvection(QT_TRANSLATE_NOOP("velm::convection", "EL DIAMETRO DEBE SER MAYOR QUE CERO"));
        case MessageId::AreaNotPositive:
            return sayConvection(QT_TRANSLATE_NOOP("velm::convection", "EL AREA DEBE SER MAYOR QUE CERO"));
        case MessageId::PerimeterNotPositive:
            return sayConvection(QT_TRANSLATE_NOOP("velm::convection", "EL PERIMETRO DEBE SER MAYOR QUE CERO"));
        case MessageId::VelocityNotPositive:
            return sayConvection(QT_TRANSLATE_NOOP("velm::convection", "LA VELOCIDAD DEBE SER MAYOR QUE CERO"));
        case MessageId::ValueFromAboveTo:
            return sayConvection(
                QT_TRANSLATE_NOOP("velm::convection", "EL VALOR INICIAL (DESDE) ES MAYOR QUE EL FINAL (HASTA)"));
        case MessageId::TooManyValues:
            return sayConvection(
                QT_TRANSLATE_NOOP("velm::convection", "SON MAS DE %1 VALORES   AUMENTE EL PASO O REDUZCA EL RANGO"),
                {countText(m.number(0))});
        // A dimensionless group outside the range a correlation was fitted over: the number
        // is still computed, with this caveat.
        case MessageId::GroupOutOfRange:
            return sayConvection(QT_TRANSLATE_NOOP("velm::convection",
                                                   "%1 = %2 SE ENCUENTRA FUERA DEL RANGO DE LA CORRELACION %3 ( %4 ) ,   SE "
                                                   "CALCULARA DE TODOS MODOS (POCO RECOMENDABLE)"),
                                 {m.text(0), generalText(m.number(1), 4, true), m.text(2), m.text(3)});
    }
    return {};
}

std::vector<std::string> distinctTexts(const std::vector<Message>& messages) {
    std::vector<std::string> texts;
    for (const Message& m : messages)
        if (std::string t = messageText(m); std::find(texts.begin(), texts.end(), t) == texts.end())
            texts.push_back(std::move(t));
    return texts;
}

}  // namespace velm
