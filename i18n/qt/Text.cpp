#include "i18n/qt/Text.h"

#include <QLocale>

namespace velm {

void useQtForText() {
    setTextHooks([](const char* context, const char* source) { return QCoreApplication::translate(context, source).toStdString(); },
                 [] { return QLocale().decimalPoint() == QLatin1Char(','); });
}

QString filled(const QString& pattern, std::initializer_list<QString> values) {
    if (values.size() == 0) return pattern;
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size()) {
            const int n = pattern[i + 1].digitValue();
            if (n >= 1 && static_cast<std::size_t>(n) <= values.size()) {
                out += *(values.begin() + (n - 1));
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace velm
