// The text layer: the core's messages read as the program has always written them, in Spanish
// and, through the translation file itself, in English; and its numbers as Qt writes them.
#include "engine/Message.h"
#include "i18n/MessageText.h"
#include "i18n/Text.h"
#include "i18n/qt/Text.h"
#include "tests/i18n/TsFile.h"

#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <set>

namespace velm {
namespace {

// The translation file as a translator, as the web page reads it: the source stands where
// the file has no finished translation.
testing::Catalogue* gCatalogue = nullptr;
std::string fromTs(const char* context, const char* source) {
    const auto it = gCatalogue->find({QString::fromUtf8(context), QString::fromUtf8(source)});
    if (it == gCatalogue->end() || it->second.type == QLatin1String("unfinished")) return source;
    return it->second.translation.toStdString();
}

// Each test leaves the hooks as the test program set them.
class TextLayer : public ::testing::Test {
protected:
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        useQtForText();
    }
};

struct Row {
    Message message;
    const char* spanish;
    const char* english;  // nullptr: not checked here
};

const Row kRows[] = {
    {message(MessageId::NotANumber), " DEBE INTRODUCIR UN NUMERO", " YOU MUST ENTER A NUMBER"},
    {message(MessageId::TemperatureDoesNotExist), "ESTA TEMPERATURA NO EXISTE ", "THIS TEMPERATURE DOES NOT EXIST "},
    {message(MessageId::NegativePressure), "LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!",
     "THE PRESSURE IS ABSOLUTE:   IT CANNOT BE NEGATIVE!"},
    {message(MessageId::ZeroPressure),
     "LA PRESION ES CERO   ¡NO SE PUEDEN CALCULAR LAS PROPIEDADES!  INTRODUZCA UNA PRESION MAYOR QUE CERO", nullptr},
    {message(MessageId::TooFewPoints),
     "EL NUMERO DE REGISTROS EN LA TABLA NO ES SUFICIENTE (ES MENOR QUE 2) PARA REALIZAR LA INTERPOLACION", nullptr},
    {message(MessageId::NotComputable),
     "LAS PROPIEDADES NO SE PUEDEN CALCULAR A ESTA TEMPERATURA Y PRESION (EL RESULTADO NO ES UN NUMERO)", nullptr},
    {message(MessageId::TableUnreadable, "LA TABLA X NO EXISTE EN EL ARCHIVO GASES.mdb"),
     "LA TABLA X NO EXISTE EN EL ARCHIVO GASES.mdb", "LA TABLA X NO EXISTE EN EL ARCHIVO GASES.mdb"},
    {message(MessageId::OutOfCorrelationRange, "AIRE", 100, 3000),
     "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) AIRE  ( 100K <= T <= 3000K ) ,   SE "
     "EXTRAPOLARA (POCO RECOMENDABLE)",
     "THIS TEMPERATURE LIES OUTSIDE THE RANGE OF THE EQUATION OF AIRE  ( 100K <= T <= 3000K ) ,   IT WILL BE "
     "EXTRAPOLATED (NOT RECOMMENDED)"},
    // A stored temperature is the single-precision value's shortest text.
    {message(MessageId::AboveTable, "%1 MIA", double(373.15f)),
     "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA %1 MIA  ( LA TEMPERATURA ES MAYOR A 373.15 ) SE "
     "EXTRAPOLARA",
     "THIS TEMPERATURE LIES OUTSIDE THE RANGE OF THE TABLE %1 MIA  ( THE TEMPERATURE IS ABOVE 373.15 ) IT WILL BE "
     "EXTRAPOLATED"},
    {message(MessageId::BelowTable, "B", 300),
     "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA B  ( LA TEMPERATURA ES MENOR A 300) SE EXTRAPOLARA",
     nullptr},
    {message(MessageId::FromAboveTo), "LA TEMPERATURA INICIAL (DESDE) ES MAYOR QUE LA FINAL (HASTA)", nullptr},
    {message(MessageId::BadStep), "EL PASO DEBE SER UN NUMERO MAYOR QUE CERO", nullptr},
    {message(MessageId::TooManyTemperatures, 100000),
     "SON MAS DE 100000 TEMPERATURAS   AUMENTE EL PASO O REDUZCA EL RANGO", nullptr},
    {message(MessageId::LengthNotPositive), "LA LONGITUD DEBE SER MAYOR QUE CERO", nullptr},
    {message(MessageId::DiameterNotPositive), "EL DIAMETRO DEBE SER MAYOR QUE CERO", nullptr},
    {message(MessageId::AreaNotPositive), "EL AREA DEBE SER MAYOR QUE CERO", nullptr},
    {message(MessageId::PerimeterNotPositive), "EL PERIMETRO DEBE SER MAYOR QUE CERO", nullptr},
    {message(MessageId::VelocityNotPositive), "LA VELOCIDAD DEBE SER MAYOR QUE CERO", nullptr},
    {message(MessageId::ValueFromAboveTo), "EL VALOR INICIAL (DESDE) ES MAYOR QUE EL FINAL (HASTA)", nullptr},
    {message(MessageId::TooManyValues, 100000), "SON MAS DE 100000 VALORES   AUMENTE EL PASO O REDUZCA EL RANGO",
     "MORE THAN 100000 VALUES   INCREASE THE STEP OR NARROW THE RANGE"},
    // The group's value to four digits, as the warning has always given it.
    {message(MessageId::GroupOutOfRange, "Re", 123456.7, "GNIELINSKI", "3000 <= Re <= 5E6"),
     "Re = 1.235E+05 SE ENCUENTRA FUERA DEL RANGO DE LA CORRELACION GNIELINSKI ( 3000 <= Re <= 5E6 ) ,   SE "
     "CALCULARA DE TODOS MODOS (POCO RECOMENDABLE)",
     "Re = 1.235E+05 LIES OUTSIDE THE RANGE OF THE CORRELATION GNIELINSKI ( 3000 <= Re <= 5E6 ) ,   IT WILL BE "
     "COMPUTED ANYWAY (NOT RECOMMENDED)"},
};

TEST_F(TextLayer, EveryMessageReadsAsTheProgramHasAlwaysWrittenIt) {
    std::set<MessageId> seen;
    std::set<std::string_view> codes;
    for (const Row& r : kRows) {
        seen.insert(r.message.id);
        EXPECT_TRUE(codes.insert(messageCode(r.message.id)).second) << messageCode(r.message.id);
        EXPECT_EQ(messageText(r.message), r.spanish) << messageCode(r.message.id);
    }
    EXPECT_EQ(seen.size(), kMessageIdCount) << "a message without its row here";

    testing::Catalogue english = testing::readTs(QStringLiteral(VELM_TS));
    gCatalogue = &english;
    setTextHooks(fromTs, nullptr);
    for (const Row& r : kRows)
        if (r.english) EXPECT_EQ(messageText(r.message), r.english) << messageCode(r.message.id);
}

// The regional decimal separator goes into a stored temperature, and only there.
TEST_F(TextLayer, AStoredTemperatureTakesTheRegionalDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(messageText(message(MessageId::BelowTable, "B", 273.15)),
              "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA B  ( LA TEMPERATURA ES MENOR A 273,15) SE "
              "EXTRAPOLARA");
    EXPECT_EQ(messageText(message(MessageId::GroupOutOfRange, "Pr", 0.5, "X", "Pr >= 0.7")).substr(0, 9), "Pr = 0.5 ");
}

// The derivation and the warnings write their numbers as Qt's QString::number did, which the
// text layer no longer uses: the same text for any double, six and four digits, both cases.
TEST_F(TextLayer, GeneralTextIsQtsNumberText) {
    std::vector<double> values{0.0,  -0.0,  1.0,     0.1,    1e-4,   9.99999e-5, 1e-5,  123456.0, 999999.5,
                               1e6,  1e15,  1e16,    1e21,   1e-300, 5e-324,     1e308, 1.7976931348623157e308,
                               2.5,  0.125, 1234.5,  9.80665, 101.3, 3.66,       4.36, 2300,
                               std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                               std::nan("")};
    std::mt19937_64 bits(20261207);
    for (int i = 0; i < 20000; ++i) values.push_back(std::bit_cast<double>(bits()));
    std::mt19937_64 decades(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 20000; ++i) values.push_back(mantissa(decades) * std::pow(10.0, exponent(decades)));
    int differ = 0;
    for (const double v : values)
        for (const int precision : {4, 6})
            for (const bool upper : {false, true}) {
                const std::string qt = QString::number(v, upper ? 'G' : 'g', precision).toStdString();
                if (generalText(v, precision, upper) != qt && ++differ <= 10)
                    ADD_FAILURE() << v << " ('" << (upper ? 'G' : 'g') << "', " << precision << "): "
                                  << generalText(v, precision, upper) << ", Qt " << qt;
            }
    EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace velm
