#include "i18n/qt/Translations.h"

#include "i18n/qt/Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace velm {

std::string languageProblem(const LanguageOption& option) {
    if (!option.wrong) return {};
    return translatedText("velm::language", QT_TRANSLATE_NOOP("velm::language", "--language DEBE SER es O en (SE DIO '%1')"),
                          {QString::fromLocal8Bit(option.given.c_str())});
}

QString sharedFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velmorantes"));
}

Translations::Translations(Language language) : language_(language) {
    useQtForText();
    const auto install = [this](const QString& name, const QString& folder) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get())) {
            complete_ = false;
            return;
        }
        installed_.push_back(std::move(translator));
    };
    // Qt's own texts are English already; the program's are Spanish already.
    if (language == Language::Spanish)
        install(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    else
        install(QStringLiteral("velmorantes_en"), sharedFolder() + QStringLiteral("/translations"));
}

Translations::~Translations() {
    for (const auto& t : installed_) QCoreApplication::removeTranslator(t.get());
}

}  // namespace velm
