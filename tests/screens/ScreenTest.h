#pragma once
// The whole program on a scripted platform and database files in a temporary folder: tests
// drive the real widgets through their handlers.

#include "engine/Module1.h"
#include "i18n/MessageText.h"
#include "i18n/qt/Text.h"
#include "store/FluidStore.h"
#include "store/StoreMessages.h"
#include "tests/Support.h"
#include "ui/Screens.h"
#include "ui/mdiGENERAL.h"
#include "ui/toolkit/Toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace velm::testing {

// The whole platform scripted: message boxes and dialogs answer from queues, and the
// clipboard, busy pointer and key presses are recorded.
class ScriptedPlatform : public MessageBoxes, public SaveDialog, public ExportDialog, public Clipboard,
                         public BusyPointer, public KeySender {
public:
    void information(const QString& text) override { shown.push_back(text); }
    bool question(const QString& text, const QString& title) override {
        shown.push_back(text);
        titles.push_back(title);
        return next(answers, "question", false);
    }
    std::optional<QString> fileName(const QString& lastName, const QString&) override {
        offered.push_back(lastName);
        return next(saveAnswers, "save dialog");
    }
    std::optional<Choice> exportFile(const QString&, const QStringList&) override {
        return next(exportAnswers, "export dialog");
    }
    void setText(const QString& t) override { clipboard = t; }
    void setBusy(bool b) override { busy = b; }
    // Delivered to the focused control, as the platform would.
    void sendDownArrow() override {
        ++downs;
        if (QWidget* w = QApplication::focusWidget()) QTest::keyClick(w, Qt::Key_Down);
        else ADD_FAILURE() << "Down arrow sent with no control focused";
    }
    // Every text shown since the last call.
    QStringList take() { return std::exchange(shown, {}); }

    QStringList shown, titles, offered;
    std::deque<bool> answers;
    std::deque<std::optional<QString>> saveAnswers;  // nullopt: cancelled
    std::deque<std::optional<Choice>> exportAnswers;
    QString clipboard;
    bool busy = false;
    int downs = 0;

private:
    template <class T>
    static T next(std::deque<T>& queue, const char* what, T none = {}) {
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return none;
        }
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

class App : public ScriptedPlatform {
public:
    App() : files(dir.path()), main(context, platform) {
        main.MDIForm_Load();
        main.show();
        main.activateWindow();  // focus, and the keys sent to it, need an active window
        if (!QTest::qWaitForWindowActive(&main)) ADD_FAILURE() << "main window not active";
    }

    template <class W = QWidget>
    W* find(const char* screen, const char* name) {
        W* w = main.screens().screen(QString::fromUtf8(screen)).findChild<W*>(QString::fromUtf8(name));
        if (!w) ADD_FAILURE() << screen << " has no " << name;
        return w;
    }
    bool visible(const char* screen) { return main.screens().isVisible(QString::fromUtf8(screen)); }
    void click(const char* screen, const char* button) {
        QAbstractButton* b = find<QAbstractButton>(screen, button);
        ASSERT_TRUE(b->isEnabled()) << screen << "." << button << " is disabled";
        b->click();
    }
    void type(const char* screen, const char* box, const QString& text) { find<QLineEdit>(screen, box)->setText(text); }
    QString text(const char* screen, const char* box) { return find<QLineEdit>(screen, box)->text(); }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    // What a list offers; for a list of fluids their titles (in English a built-in fluid shows
    // its English name too).
    QStringList listed(const char* screen, const char* combo) {
        auto* c = find<QComboBox>(screen, combo);
        QStringList names;
        for (int i = 0; i < c->count(); ++i)  // a fluid's title where the list shows more
            names << (c->itemData(i).isValid() ? c->itemData(i).toString() : c->itemText(i));
        return names;
    }
    // Chooses a fluid on the visible fluid screen, moving through its list with the arrow key.
    void chooseFluid(const QString& name) {
        const bool gas = visible("frmVELM2");
        QComboBox* combo = find<QComboBox>(gas ? "frmVELM2" : "frmPRESENT2", gas ? "cboOTRO" : "cboLIQ");
        const int at = combo->findData(name);
        ASSERT_GE(at, 0) << name.toStdString() << " is not listed";
        combo->setCurrentIndex(at - 1);
        QTest::keyClick(combo, Qt::Key_Down);
    }
    // From the main window's menu to the fluid screen of a family.
    void openFamily(const char* family) {
        main.Velmorantes->trigger();
        click("frmPRESENT", family == std::string("GASES") ? "cmdGASES" : "cmdLIQUIDOS");
    }
    void openFluid(const char* family, const QString& fluid) {
        openFamily(family);
        chooseFluid(fluid);
    }
    // Temperature and, for a gas, pressure accepted; then the evaluation.
    void evaluate(const QString& temperature, const QString& pressure = {}) {
        type("frmVELM1", "txtTEMP", temperature);
        click("frmVELM1", "cmdACEPTAR");
        if (!pressure.isNull()) {
            type("frmVELM1", "txtPRES", pressure);
            click("frmVELM1", "cmdPRES");
        }
        click("frmVELM1", "cmdMOSTRAR");
    }

    QTemporaryDir dir;
    DatabaseFiles files;
    Module1 state;
    AppContext context{state, files};
    Platform platform{*this, *this, *this, *this, *this, *this};
    mdiGENERAL main;
};

inline std::string str(const QString& s) { return s.toStdString(); }

// A text of a screen as the interface shows it in the language the tests run in (the binary
// runs once in Spanish, the source texts, and once in English).
inline QString ui(const char* context, const char* source, std::initializer_list<QString> values = {}) {
    return translated(context, source, values);
}
inline QString ui(std::string_view storeMessage) { return QString::fromStdString(msg::tr(storeMessage)); }
inline QString ui(const Message& m) { return QString::fromStdString(messageText(m)); }

}  // namespace velm::testing
