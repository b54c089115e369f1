#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace zoruka {

enum class MenuPage { MatchTables, Accounts };

// One button of the main menu and the screen behind it. `makeScreen` creates the screen as a
// parentless window; it is empty while the screen does not exist yet, and the button is then
// disabled. A new screen is added to the menu by filling in its entry's factory.
struct MenuEntry {
    QString button; // objectName
    QString caption;
    MenuPage page;
    std::function<QWidget*()> makeScreen;
};

// The menu's page buttons in the order they appear.
const std::vector<MenuEntry>& menuEntries();

} // namespace zoruka
