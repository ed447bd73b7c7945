#pragma once
// The whole program wired to scripted message boxes and save dialog, on database files in a
// temporary folder: tests drive the real widgets through their handlers.

#include "engine/Module1.h"
#include "store/FluidStore.h"
#include "ui/Screens.h"
#include "ui/mdiGENERAL.h"
#include "ui/toolkit/Toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace velm::testing {

class ScriptedMessages : public MessageBoxes {
public:
    void information(const QString& text) override { shown.push_back(text); }
    bool question(const QString& text, const QString& title) override {
        shown.push_back(text);
        titles.push_back(title);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    // Every text shown since the last call.
    std::vector<QString> take() { return std::exchange(shown, {}); }

    std::vector<QString> shown, titles;
    std::deque<bool> answers;
};

class ScriptedSaveDialog : public SaveDialog {
public:
    std::optional<QString> fileName(const QString& lastName, const QString& filter) override {
        offered.push_back(lastName);
        filters.push_back(filter);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected save dialog";
            return std::nullopt;
        }
        const bool cancelled = !answers.front();
        const QString name = answers.front().value_or(QString());
        answers.pop_front();
        if (cancelled) return std::nullopt;
        return name;
    }
    std::vector<QString> offered, filters;
    std::deque<std::optional<QString>> answers;
};

// Answers each export dialog with the next file and kind (nullopt: cancelled).
class ScriptedExportDialog : public ExportDialog {
public:
    std::optional<Choice> exportFile(const QString& lastName, const QStringList& kinds) override {
        offered.push_back(lastName);
        offeredKinds.push_back(kinds);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected export dialog";
            return std::nullopt;
        }
        const std::optional<Choice> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<QString> offered;
    std::vector<QStringList> offeredKinds;
    std::deque<std::optional<Choice>> answers;
};

class RecordingClipboard : public Clipboard {
public:
    void setText(const QString& t) override { text = t; }
    QString text;
};

class RecordingBusy : public BusyPointer {
public:
    void setBusy(bool b) override { busy = b; }
    bool busy = false;
};

// Records the key press and delivers it, as the platform would.
class ForwardingKeys : public KeySender {
public:
    void sendDownArrow() override {
        ++downs;
        QWidget* w = QApplication::focusWidget();
        if (!w) return ADD_FAILURE() << "Down arrow sent with no control focused";
        QTest::keyClick(w, Qt::Key_Down);
    }
    int downs = 0;
};

class App {
public:
    App() : files(dir.path()), main(context, platform) {
        main.MDIForm_Load();
        main.show();
        main.activateWindow();  // focus, and the keys sent to it, need an active window
        if (!QTest::qWaitForWindowActive(&main)) ADD_FAILURE() << "main window not active";
    }

    template <class W = QWidget>
    W* find(const char* screen, const char* name) {
        QWidget* s = &main.screens().screen(QString::fromUtf8(screen));
        W* w = s->findChild<W*>(QString::fromUtf8(name));
        if (!w) ADD_FAILURE() << screen << " has no " << name;
        return w;
    }
    bool visible(const char* screen) { return main.screens().isVisible(QString::fromUtf8(screen)); }
    void click(const char* screen, const char* button) {
        QAbstractButton* b = find<QAbstractButton>(screen, button);
        ASSERT_TRUE(b->isEnabled()) << screen << "." << button << " is disabled";
        b->click();
    }
    void type(const char* screen, const char* box, const QString& text) {
        QLineEdit* e = find<QLineEdit>(screen, box);
        e->setText(text);
    }
    QString text(const char* screen, const char* box) { return find<QLineEdit>(screen, box)->text(); }
    // Chooses a fluid on the visible fluid screen, moving through its list with the arrow key.
    void chooseFluid(const QString& name) {
        const bool gas = visible("frmVELM2");
        QComboBox* combo = find<QComboBox>(gas ? "frmVELM2" : "frmPRESENT2", gas ? "cboOTRO" : "cboLIQ");
        const int at = combo->findText(name, Qt::MatchExactly);
        ASSERT_GE(at, 0) << name.toStdString() << " is not listed";
        combo->setCurrentIndex(at - 1);
        QTest::keyClick(combo, Qt::Key_Down);
    }
    // From the main window's menu to the property screen of a fluid.
    void openFluid(const char* family, const QString& fluid) {
        main.Velmorantes->trigger();
        click("frmPRESENT", family == std::string("GASES") ? "cmdGASES" : "cmdLIQUIDOS");
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
    ScriptedMessages messages;
    ScriptedSaveDialog saveDialog;
    RecordingBusy busy;
    ForwardingKeys keys;
    ScriptedExportDialog exportDialog;
    RecordingClipboard clipboard;
    AppContext context{state, files};
    Platform platform{messages, saveDialog, busy, keys, exportDialog, clipboard};
    mdiGENERAL main;
};

inline std::string str(const QString& s) { return s.toStdString(); }

}  // namespace velm::testing
