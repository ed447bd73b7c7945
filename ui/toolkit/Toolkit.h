#pragma once
// What every screen relies on: the shared calculation state, the screen registry, the main
// window's menus, and the platform seams (message boxes, save dialog, busy pointer, one
// Down-arrow key press). The program plugs in the Qt implementations; tests plug in scripted
// fakes that record every text and answer every question.

#include <QString>

#include <optional>

struct Module1;

namespace velm {

class DatabaseFiles;
class ScreenRegistry;

// The application's title, shown on every informational message box.
inline const QString kAppTitle = QStringLiteral("VELMORANTES");

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with one OK button and the application's title.
    virtual void information(const QString& text) = 0;
    // A modal box with Yes and No buttons; true for Yes.
    virtual bool question(const QString& text, const QString& title) = 0;
};

class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // The file-save dialog, opened on `lastName`; nullopt when cancelled.
    virtual std::optional<QString> fileName(const QString& lastName, const QString& filter) = 0;
};

class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void setBusy(bool busy) = 0;
};

class KeySender {
public:
    virtual ~KeySender() = default;
    // One Down-arrow key press to the control that has the focus.
    virtual void sendDownArrow() = 0;
};

// The main window's menu items that the screens switch.
class MainMenus {
public:
    virtual ~MainMenus() = default;
    virtual void setGuardarEnabled(bool enabled) = 0;
    virtual void setUnidadesEnabled(bool enabled) = 0;
};

struct Toolkit {
    Module1& state;
    ScreenRegistry& screens;
    MainMenus& menus;
    MessageBoxes& messages;
    BusyPointer& busy;
    KeySender& keys;
    const DatabaseFiles& files;
};

}  // namespace velm
