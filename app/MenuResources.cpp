#include "MenuResources.h"

#include "ModeTable.h"

namespace MenuResources {
namespace {
std::vector<MenuItemText> calculatorItems() {
    std::vector<MenuItemText> items;
    for (const ModeInfo& mode : ModeTable::modes()) {
        items.push_back({mode.id, mode.english, mode.german});
        if (mode.separatorAfter) items.push_back({SEPARATOR, nullptr, nullptr});
    }
    return items;
}

std::vector<MenuText> buildMenus() {
    constexpr MenuItemText separator{SEPARATOR, nullptr, nullptr};
    return {
        {L"File", L"Datei", {{ID_EXIT, L"Exit", L"Beenden"}}},
        {L"Calculator", L"Rechner", calculatorItems()},
        {L"Edit",
         L"Bearbeiten",
         {{ID_CUT, L"Cut", L"Ausschneiden"},
          {ID_COPY, L"Copy", L"Kopieren"},
          {ID_PASTE, L"Paste", L"Einfügen"},
          separator,
          {ID_UNDO, L"Undo", L"Rückgängig"},
          separator,
          {ID_HISTORY, L"History", L"Letzte Berechnungen"},
          separator,
          {ID_CONSTANTS, L"Constants", L"Konstanten"},
          {ID_MY_FUNCTIONS, L"My Buttons / Functions", L"Meine Buttons / Funktionen"},
          separator,
          {ID_OPTIONS, L"Options", L"Optionen"}}},
        {L"?",
         L"?",
         {{ID_ABOUT, L"About Orvanta", L"Über Orvanta"},
          separator,
          {ID_OFFLINE_HELP, L"Offline Help", L"Offline Hilfe"}}},
    };
}
} // namespace

const std::vector<MenuText>& menus() {
    static const std::vector<MenuText> s_menus = buildMenus();
    return s_menus;
}

std::wstring itemText(int id, int language) {
    for (const MenuText& menu : menus())
        for (const MenuItemText& item : menu.items)
            if (item.id == id && id != SEPARATOR) return language ? item.german : item.english;
    return std::wstring();
}
} // namespace MenuResources
