#pragma once
// The desktop's translators: Qt's own texts and the program's, installed for a language.

#include "i18n/Language.h"

#include <QString>

#include <memory>
#include <vector>

class QTranslator;

namespace velm {

// What is wrong with a wrong --language, in the interface's language: made once the
// translators are in place.
std::string languageProblem(const LanguageOption& option);

// The translation a language needs, installed into the running application for as long as
// the object lives: for Spanish Qt's own (standard buttons, file dialogs, context menus), for
// English the program's. Needs a QCoreApplication.
class Translations {
public:
    explicit Translations(Language language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    Language language() const { return language_; }
    // False when a file the language needs could not be loaded (the texts then stay Spanish).
    bool complete() const { return complete_; }

private:
    Language language_;
    bool complete_ = true;
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

// Where the program's shared files are: <prefix>/share/velmorantes beside <prefix>/bin, which
// in the build tree is <build>/share/velmorantes. Needs a QCoreApplication.
QString sharedFolder();

}  // namespace velm
