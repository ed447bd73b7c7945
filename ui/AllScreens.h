#pragma once
// Every child screen of the program, by name, for the screen registry.

namespace velm {
class ScreenRegistry;
void registerAllScreens(ScreenRegistry& screens);
}  // namespace velm
