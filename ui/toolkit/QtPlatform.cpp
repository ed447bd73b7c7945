#include "ui/toolkit/QtPlatform.h"

#include "ui/toolkit/ScreenRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>

#include <algorithm>

namespace velm {

void QtMessageBoxes::information(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), kAppTitle, text);
}

bool QtMessageBoxes::question(const QString& text, const QString& title) {
    return QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<QString> QtSaveDialog::fileName(const QString& lastName, const QString& filter) {
    // The program asks its own overwrite and append questions.
    const QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), lastName, filter,
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<ExportDialog::Choice> QtExportDialog::exportFile(const QString& lastName,
                                                             const QStringList& kinds) {
    QString chosenKind = kinds.value(0);
    const QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), lastName,
                                                      kinds.join(QStringLiteral(";;")), &chosenKind);
    if (name.isEmpty()) return std::nullopt;
    return Choice{name, std::max(0, int(kinds.indexOf(chosenKind)))};
}

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtBusyPointer::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void QtKeySender::sendDownArrow() {
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

namespace {

Screen* activeScreen() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (auto* s = qobject_cast<Screen*>(w)) return s;
    QWidget* window = QApplication::activeWindow();
    auto* area = window ? window->findChild<QMdiArea*>() : nullptr;
    QMdiSubWindow* sub = area ? area->activeSubWindow() : nullptr;
    return sub && sub->isVisible() ? qobject_cast<Screen*>(sub->widget()) : nullptr;
}

}  // namespace

bool ScreenAccessKeysFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && swallowNextPress_) {
        swallowNextPress_ = false;
        return true;
    }
    if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::AltModifier || key->key() < Qt::Key_A || key->key() > Qt::Key_Z)
        return false;
    Screen* screen = activeScreen();
    if (!screen) return false;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
    for (QAbstractButton* b : screen->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && b->isEnabled() && QKeySequence::mnemonic(b->text()) == pressed) {
            b->animateClick();
            event->accept();
            swallowNextPress_ = true;
            return true;
        }
    }
    return false;
}

void installTypefaces() {
    QFont::insertSubstitution(QStringLiteral("Tempus Sans ITC"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}

QFont screenFont() {
    QFont f(QStringLiteral("Tempus Sans ITC"));
    f.setPointSize(10);
    f.setBold(true);
    return f;
}

QFont boxFont() {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(9);
    f.setBold(false);  // set, not inherited from the screen's bold face
    return f;
}

void paintTeal(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QColor(0, 128, 128));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace velm
