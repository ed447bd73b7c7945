#pragma once
// The Qt implementations of the platform seams, and the look shared by every screen.

#include "ui/toolkit/Platform.h"

#include <QFont>
#include <QObject>

class QWidget;

namespace velm {

// Boxes and dialogs open over the window that is active at the time.
class QtMessageBoxes : public MessageBoxes {
public:
    void information(const QString& text) override;
    bool question(const QString& text, const QString& title) override;
};

class QtSaveDialog : public SaveDialog {
public:
    std::optional<QString> fileName(const QString& lastName, const QString& filter) override;
};

class QtExportDialog : public ExportDialog {
public:
    std::optional<Choice> exportFile(const QString& lastName, const QStringList& kinds) override;
};

class QtClipboard : public Clipboard {
public:
    void setText(const QString& text) override;
};

class QtBusyPointer : public BusyPointer {
public:
    ~QtBusyPointer() override { setBusy(false); }
    void setBusy(bool busy) override;

private:
    bool busy_ = false;
};

class QtKeySender : public KeySender {
public:
    void sendDownArrow() override;
};

// Alt+letter clicks the button of the active screen that carries that access key before
// the main window's menu of the same letter is considered, as the user expects while
// working on a screen ("&ACEPTAR" and "&Archivo" share the A).
class ScreenAccessKeysFirst : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool swallowNextPress_ = false;
};

// Typefaces: the screens' casual face and the plain face of the number boxes, with the free
// faces that stand in for them where the machine lacks them.
void installTypefaces();
QFont screenFont();
QFont boxFont();
// The teal of every child screen.
void paintTeal(QWidget* w);

}  // namespace velm
