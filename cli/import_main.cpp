#include "cli/Import.h"
#include "i18n/qt/Translations.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<std::string> rest = args;
    const velm::Translations translations(velm::chosenLanguage(velm::takeLanguageOption(rest)));
    return velm::runImport(args, std::cout, std::cerr);
}
