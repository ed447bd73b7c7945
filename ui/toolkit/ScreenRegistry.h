#pragma once
// One instance per screen, created on first use (running its Form_Load), shown inside the
// main window's MDI area (running its Form_Activate on every showing), hidden with its
// contents kept, and unloaded (destroyed; the next use starts afresh).
//
// Screens are known by type. Each screen's name (its object name, "frmVELM1") is given once,
// by a specialisation of screenName<T>() in ui/Screens.h, so that a screen can show another
// without including it.

#include <QMdiArea>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>

namespace velm {

struct Toolkit;

class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(Toolkit& tk);

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

    // Position and size inside the main window's client area, in twips (1/1440 inch).
    void setTwipsGeometry(int left, int top, int width, int height);
    void setCaption(const QString& caption);
    // The screen's frame inside the MDI area.
    QWidget* frame() const;

protected:
    Toolkit& tk;
};

// Twips to pixels on the screen the widget is on.
int twipsToPixelsX(const QWidget* w, int twips);
int twipsToPixelsY(const QWidget* w, int twips);

// The name of screen T; defined for every screen in ui/Screens.h (without that header, a use
// does not compile).
template <class T>
const char* screenName() = delete;

class ScreenRegistry {
public:
    explicit ScreenRegistry(QMdiArea* area);
    void setToolkit(Toolkit* tk) { tk_ = tk; }

    template <class T>
    void add() {
        addFactory(name<T>(), [](Toolkit& tk) -> Screen* { return new T(tk); });
    }
    // The screen, loaded on first use.
    template <class T>
    T& get() {
        return static_cast<T&>(screen(name<T>()));
    }
    template <class T>
    void show() {
        show(name<T>());
    }
    template <class T>
    void hide() {
        hide(name<T>());
    }
    template <class T>
    bool isLoaded() const {
        return isLoaded(name<T>());
    }
    template <class T>
    bool isVisible() const {
        return isVisible(name<T>());
    }

    // The name of every screen registered.
    QStringList names() const;
    // The same by name, for screens that serve under more than one name and for tests.
    Screen& screen(const QString& name);
    bool isLoaded(const QString& name) const;
    bool isVisible(const QString& name) const;
    void show(const QString& name);
    void hide(const QString& name);
    // Destroys the screen once the handler running now has returned.
    void unload(const QString& name);

private:
    using Factory = std::function<Screen*(Toolkit&)>;
    template <class T>
    static QString name() {
        return QString::fromUtf8(screenName<T>());
    }
    void addFactory(const QString& name, Factory factory);

    QMdiArea* area_;
    Toolkit* tk_ = nullptr;
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<Screen>> loaded_;
};

}  // namespace velm
