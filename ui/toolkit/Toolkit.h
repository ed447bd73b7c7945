#pragma once
// What every screen is handed: the application's context (the shared calculation state and
// the database files), the platform seams, the screen registry and the main window's menus.

#include "ui/toolkit/Platform.h"

struct Module1;

namespace velm {

class DatabaseFiles;
class ScreenRegistry;

// The state the screens share for the whole run; nothing else passes between them.
struct AppContext {
    Module1& state;
    const DatabaseFiles& files;
};

// The main window's menu items that the screens switch.
class MainMenus {
public:
    virtual ~MainMenus() = default;
    virtual void setGuardarEnabled(bool enabled) = 0;
    virtual void setUnidadesEnabled(bool enabled) = 0;
};

struct Toolkit {
    AppContext& app;
    Platform& platform;
    ScreenRegistry& screens;
    MainMenus& menus;
};

}  // namespace velm
