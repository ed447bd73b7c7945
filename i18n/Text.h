#pragma once
// The text layer's ground: a source text (Spanish) in a context, in the interface's language,
// its placeholders %1 ... %9 filled in one pass (a value that itself holds "%1", as a table's
// title may, is never filled in again); and numbers as the program writes them in sentences.
// Plain C++: the desktop plugs Qt's translators in (i18n/qt/), the web page a table made from
// the same translation file, and without either the source texts stand.

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a source text for lupdate where it is written; the text itself is the value. (Qt's
// own definition, where Qt is included, is the same.)
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace velm {

// Where translations and the regional decimal separator come from.
using Translate = std::string (*)(const char* context, const char* source);
using DecimalComma = bool (*)();
// Either may be null: the source texts, and "." as the decimal separator.
void setTextHooks(Translate translate, DecimalComma decimalComma);

// The translation of `source` in `context`.
std::string localized(const char* context, const char* source);
// `pattern` with each %N (N = 1 ... 9) replaced by the N-th of `values`; other "%" stay.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);
// Both at once.
std::string localized(const char* context, const char* source, std::initializer_list<std::string_view> values);

// Whether the user's regional settings write numbers with a decimal comma.
bool regionalDecimalComma();

// A number as Qt's QString::number(value, 'g' or 'G', precision) writes it: at most
// `precision` significant digits, scientific below 1E-4 and from 10^precision up, trailing
// zeros dropped, "." always.
std::string generalText(double value, int precision, bool upper = false);
// An integer count.
std::string countText(double n);

}  // namespace velm
