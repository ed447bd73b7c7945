#pragma once
// Texts the user reads in the layers that speak Qt: the same as i18n/Text.h for QString, and
// the hooks that give the text layer Qt's translators and the regional decimal separator.

#include "i18n/Text.h"

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

namespace velm {

// From now on the text layer translates through the application's installed translators and
// takes the decimal separator from QLocale(): what every program and test program of the
// desktop does first.
void useQtForText();

// `pattern` with each %N (N = 1 ... 9) replaced by the N-th of `values`; other "%" stay.
QString filled(const QString& pattern, std::initializer_list<QString> values);

// The translation of `source` in `context`, filled in.
inline QString translated(const char* context, const char* source, std::initializer_list<QString> values = {}) {
    return filled(QCoreApplication::translate(context, source), values);
}

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The same as UTF-8, for the layers that speak std::string.
inline std::string translatedText(const char* context, const char* source,
                                  std::initializer_list<QString> values = {}) {
    return translated(context, source, values).toStdString();
}

}  // namespace velm
