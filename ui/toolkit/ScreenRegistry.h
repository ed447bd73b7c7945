#pragma once
// One instance per screen, created on first use (running its Form_Load), shown inside the
// main window's MDI area (running its Form_Activate on every showing), hidden with its
// contents kept, and unloaded (destroyed; the next use starts afresh).

#include <QMdiArea>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace velm {

struct Toolkit;

class Screen : public QWidget {
public:
    explicit Screen(Toolkit& tk, const QString& name);

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

class ScreenRegistry {
public:
    using Factory = std::function<Screen*(Toolkit&)>;

    explicit ScreenRegistry(QMdiArea* area);
    void setToolkit(Toolkit* tk) { tk_ = tk; }
    void add(const QString& name, Factory factory);

    // The screen, loaded on first use.
    Screen& screen(const QString& name);
    template <class T>
    T& get(const QString& name) {
        return static_cast<T&>(screen(name));
    }
    bool isLoaded(const QString& name) const;
    bool isVisible(const QString& name) const;

    void show(const QString& name);
    void hide(const QString& name);
    // Destroys the screen once the handler running now has returned.
    void unload(const QString& name);

private:
    QMdiArea* area_;
    Toolkit* tk_ = nullptr;
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<Screen>> loaded_;
};

}  // namespace velm
