#pragma once
// The platform seams every screen talks through: message boxes, the save dialogs, the busy
// pointer, one Down-arrow key press and the clipboard. The program plugs in the Qt implementations
// (QtPlatform.h); tests plug in scripted fakes that record every text and answer every
// question.

#include <QString>
#include <QStringList>

#include <optional>

namespace velm {

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

// The save dialog of an export that can be written in several kinds of file.
class ExportDialog {
public:
    struct Choice {
        QString fileName;
        int kind = 0;  // the index of the kind chosen in `kinds`
    };
    virtual ~ExportDialog() = default;
    // Opened on `lastName`, offering `kinds` ("Tabla CSV (*.csv)", …), the first chosen;
    // nullopt when cancelled. The dialog asks before a file is replaced.
    virtual std::optional<Choice> exportFile(const QString& lastName, const QStringList& kinds) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
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

struct Platform {
    MessageBoxes& messages;
    SaveDialog& saveDialog;
    BusyPointer& busy;
    KeySender& keys;
    ExportDialog& exportDialog;
    Clipboard& clipboard;
};

}  // namespace velm
