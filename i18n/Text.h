#pragma once
// Texts the user reads, translated where they are made: a source text (Spanish) in a context,
// its placeholders %1 ... %9 filled in one pass, so that a filled-in value that itself holds
// "%1" (a table's title may) is never filled in again.

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

namespace velm {

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
