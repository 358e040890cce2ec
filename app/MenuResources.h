#pragma once
#include <string>
#include <vector>

// The menu bar in both languages. Every item carries its command id; an id
// of 0 is a separator.
struct MenuItemText {
    int id;
    const wchar_t* english;
    const wchar_t* german;
};

struct MenuText {
    const wchar_t* english;
    const wchar_t* german;
    std::vector<MenuItemText> items;
};

namespace MenuResources {
inline constexpr int ENGLISH_MENU = 101;
inline constexpr int GERMAN_MENU = 487;
// The tool-button strips: 16 x 16 images, or 30 x 30 on high-resolution screens.
inline constexpr int TOOL_STRIP = 101;
inline constexpr int TOOL_STRIP_HIRES = 647;

inline constexpr int SEPARATOR = 0;
inline constexpr int ID_ABOUT = 40002;
inline constexpr int ID_CUT = 40053;
inline constexpr int ID_COPY = 40056;
inline constexpr int ID_PASTE = 40058;
inline constexpr int ID_CONSTANTS = 40068;
inline constexpr int ID_MY_FUNCTIONS = 40069;
inline constexpr int ID_UNDO = 40070;
inline constexpr int ID_OPTIONS = 40071;
inline constexpr int ID_HISTORY = 40072;
inline constexpr int ID_OFFLINE_HELP = 40078;
inline constexpr int ID_EXIT = 57665;
// The message shown when the help page cannot be found.
inline constexpr unsigned MSG_NO_HELP = 40272;

// "File", "Calculator", "Edit" and "?", in menu-bar order.
const std::vector<MenuText>& menus();
// The text of a menu item in the language (0 English, else German).
std::wstring itemText(int id, int language);
} // namespace MenuResources
