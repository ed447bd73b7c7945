#pragma once
// The language of the interface: Spanish (the source texts) or English (the translation),
// chosen from the user's locale or from --language. (The translators that make it so on the
// desktop are in i18n/qt/Translations.h.)

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velm {

enum class Language { Spanish, English };

// "es" or "en", as --language takes it and the translation files are named.
const char* languageCode(Language language);

// --language's value: "es" or "en" (letter case ignored); nullopt for anything else.
std::optional<Language> languageNamed(const std::string& code);

// The language a locale asks for: GNU's LANGUAGE list first (its first Spanish or English
// entry), then the first of LC_ALL, LC_MESSAGES and LANG that is set. Spanish for es* and for
// C and POSIX (what scripts and tests run under); English for any other locale; Spanish when
// nothing is set. `variable` returns a variable's value, empty when unset.
Language languageOfLocale(const std::function<std::string(const char*)>& variable);

// The same, from the process's environment.
Language languageOfEnvironment();

// What --language asks for, taken out of `args` (the program's arguments, without its name):
// "--language CODE" or "--language=CODE", the last one winning.
struct LanguageOption {
    std::optional<Language> language;  // nullopt: not given, or given wrong
    bool wrong = false;                // given without a value or with another one (a usage error)
    std::string given;                 // the value given, when wrong
};
LanguageOption takeLanguageOption(std::vector<std::string>& args);

// The language of a program: --language when given right, else the locale's.
inline Language chosenLanguage(const LanguageOption& option) {
    return option.language ? *option.language : languageOfEnvironment();
}

}  // namespace velm
