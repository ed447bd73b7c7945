#include "cli/Calculator.h"
#include "i18n/qt/Translations.h"

#include <QApplication>
#include <QCoreApplication>

#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // Charts are drawn by the widgets' scene, which needs a GUI application; offscreen, so
    // that no display is needed. Without a plot the calculator stays a console program.
    std::unique_ptr<QCoreApplication> app;
    if (velm::wantsPlot(args)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    std::vector<std::string> rest = args;
    const velm::Translations translations(velm::chosenLanguage(velm::takeLanguageOption(rest)));
    return velm::runCalculator(args, std::cout, std::cerr);
}
