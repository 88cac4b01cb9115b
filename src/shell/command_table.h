// The program's command table: every command with its id, menu text and
// status-bar/tooltip text, the layout of the main menu bar and of the view's
// context menu, and the toolbar's button order. Plain data; the Qt menus and
// the toolbar are built from it by CommandActions. The texts are the source
// texts of the translation context kCommandTextContext: the translator's
// tools read them from the table, and CommandActions translates them when it
// builds the menus.
#pragma once

#include <array>
#include <string>
#include <vector>

inline constexpr const char* kCommandTextContext = "CommandTable";

// One command. `statusText` is the string-table entry: the part before "\n"
// goes to the status bar, the part after it is the tooltip.
struct CommandInfo {
    int id = 0;
    std::string menuText;
    std::string statusText;
    // The key that runs the command, in QKeySequence's portable text; empty
    // for none.
    std::string shortcut = {};
};

// One fixed magnification of the Scale menu, with its own text as status
// text and tooltip.
struct ScaleCommand {
    int id = 0;
    const char* menuText = "";
    const char* statusText = "";
    double value = 0.0;
};

// A node of a menu layout: a command (with an optional text that replaces the
// table's text in this menu), a pop-up with children, or a separator.
struct MenuEntry {
    enum class Kind { Command, Popup, Separator };
    Kind kind = Kind::Command;
    int id = 0;
    std::string text;
    std::vector<MenuEntry> children;
};

// Every command in table order, including those that appear in no menu.
const std::vector<CommandInfo>& commandTable();

// The command with that id, or nullptr.
const CommandInfo* findCommand(int id);

// The eleven fixed magnifications "x 100" .. "x 0.001", in menu order.
const std::array<ScaleCommand, 11>& scaleCommands();

// The menu bar of the main frame: its top-level pop-ups in order.
const std::vector<MenuEntry>& mainMenuLayout();

// The view's right-click context menu.
const std::vector<MenuEntry>& contextMenuLayout();

// Toolbar buttons in order; 0 stands for a separator.
const std::vector<int>& toolbarLayout();

// The part of a status text before "\n" (status bar) and after it (tooltip);
// a text without "\n" is all status bar and has no tooltip.
std::string statusBarPart(const std::string& statusText);
std::string tooltipPart(const std::string& statusText);
