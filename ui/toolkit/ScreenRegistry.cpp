#include "ui/toolkit/ScreenRegistry.h"

#include "ui/toolkit/Toolkit.h"

#include <QMdiSubWindow>

#include <stdexcept>

namespace velm {

int twipsToPixelsX(const QWidget* w, int twips) { return qRound(twips * w->logicalDpiX() / 1440.0); }
int twipsToPixelsY(const QWidget* w, int twips) { return qRound(twips * w->logicalDpiY() / 1440.0); }

Screen::Screen(Toolkit& toolkit) : tk(toolkit) {}

QWidget* Screen::frame() const {
    return parentWidget() ? parentWidget() : const_cast<Screen*>(this);
}

void Screen::setTwipsGeometry(int left, int top, int width, int height) {
    QWidget* f = frame();
    f->setGeometry(twipsToPixelsX(f, left), twipsToPixelsY(f, top), twipsToPixelsX(f, width),
                   twipsToPixelsY(f, height));
}

void Screen::setCaption(const QString& caption) { setWindowTitle(caption); }

ScreenRegistry::ScreenRegistry(QMdiArea* area) : area_(area) {}

void ScreenRegistry::addFactory(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

Screen& ScreenRegistry::screen(const QString& name) {
    const auto it = loaded_.find(name);
    if (it != loaded_.end() && it->second) return *it->second;
    const auto factory = factories_.find(name);
    if (factory == factories_.end() || !tk_)
        throw std::logic_error("no screen named " + name.toStdString());
    Screen* s = factory->second(*tk_);
    s->setObjectName(name);
    // A frame with a caption and no buttons of its own: screens are left through their
    // own buttons, so that no screen is ever closed behind its handlers' back.
    QMdiSubWindow* sub = area_->addSubWindow(s, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                   Qt::WindowTitleHint);
    sub->setOption(QMdiSubWindow::RubberBandResize, false);
    sub->hide();
    loaded_[name] = s;
    s->Form_Load();
    return *s;
}

bool ScreenRegistry::isLoaded(const QString& name) const {
    const auto it = loaded_.find(name);
    return it != loaded_.end() && it->second;
}

bool ScreenRegistry::isVisible(const QString& name) const {
    return isLoaded(name) && loaded_.at(name)->frame()->isVisible();
}

void ScreenRegistry::show(const QString& name) {
    Screen& s = screen(name);
    s.frame()->show();
    s.frame()->raise();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(s.frame())) area_->setActiveSubWindow(sub);
    s.Form_Activate();
}

void ScreenRegistry::hide(const QString& name) {
    if (isLoaded(name)) loaded_.at(name)->frame()->hide();
}

void ScreenRegistry::unload(const QString& name) {
    if (!isLoaded(name)) return;
    Screen* s = loaded_.at(name);
    loaded_.erase(name);
    s->Form_Unload();
    s->frame()->hide();
    s->frame()->deleteLater();
}

QStringList ScreenRegistry::names() const {
    QStringList all;
    for (const auto& [name, factory] : factories_) all << name;
    return all;
}

}  // namespace velm
