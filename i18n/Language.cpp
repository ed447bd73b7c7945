#include "i18n/Language.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace velm {
namespace {

std::string lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A locale name's language: "es_ES.UTF-8@euro" -> "es"; "C.UTF-8" -> "c".
std::string languagePart(const std::string& locale) {
    return lowered(locale.substr(0, locale.find_first_of("_.@")));
}

bool spanishLocale(const std::string& locale) {
    const std::string l = languagePart(locale);
    return l == "es" || l == "c" || l == "posix";
}

}  // namespace

const char* languageCode(Language language) { return language == Language::English ? "en" : "es"; }

std::optional<Language> languageNamed(const std::string& code) {
    const std::string c = lowered(code);
    if (c == "es") return Language::Spanish;
    if (c == "en") return Language::English;
    return std::nullopt;
}

Language languageOfLocale(const std::function<std::string(const char*)>& variable) {
    // LANGUAGE lists what the user reads, best first; only its Spanish and English entries
    // can be served.
    const std::string list = variable("LANGUAGE");
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string l = languagePart(list.substr(start, end - start));
        if (l == "en") return Language::English;
        if (l == "es") return Language::Spanish;
        start = end + 1;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string locale = variable(name);
        if (!locale.empty()) return spanishLocale(locale) ? Language::Spanish : Language::English;
    }
    return Language::Spanish;
}

Language languageOfEnvironment() {
    return languageOfLocale([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
}

LanguageOption takeLanguageOption(std::vector<std::string>& args) {
    LanguageOption option;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<std::string> value;
        if (args[i] == "--language") {
            if (i + 1 < args.size()) value = args[++i];
        } else if (args[i].rfind("--language=", 0) == 0) {
            value = args[i].substr(11);
        } else {
            rest.push_back(args[i]);
            continue;
        }
        option.language = value ? languageNamed(*value) : std::nullopt;
        option.wrong = !option.language;
        option.given = value.value_or("");
    }
    args = std::move(rest);
    return option;
}


}  // namespace velm
