#pragma once
#include <span>
#include <string>
#include <vector>

#include "KeyButton.h"
#include "KeyIds.h"

// Where a key sits on a keypad: grid cell and span, colour family, caption
// font, and the bank page it belongs to (-1: shown in every bank).
struct KeySpot {
    int id;
    int row;
    int column;
    int rowSpan = 1;
    int columnSpan = 1;
    KeyButton::Look look = KeyButton::Look::Function;
    ScreenFonts::KeyFont style = ScreenFonts::KeyFont::Small;
    int page = -1;
};

// The texts the keys insert and the captions they show.
namespace KeyTable {
// The text an inserting key puts into the input line under the current Inv
// and Hyp states; false for a key that inserts nothing.
bool insertText(int id, bool inv, bool hyp, bool useJ, std::wstring& text);
// On keypads that calculate values the square and cube keys insert powers
// ("^2", "^3") instead of the function-input texts "x²" and "x³"; false for
// every other key.
bool valueText(int id, std::wstring& text);
// The caption of a key other than the user keys, in the language.
std::wstring caption(int id, int language, bool inv, bool hyp, bool useJ);

// The user keys: 14 keys from id FIRST_USER_KEY on.
inline constexpr int FIRST_USER_KEY = KeyId::FIRST_USER;
inline constexpr int USER_KEYS = KeyId::USER_KEYS;
inline bool isUserKey(int id) {
    return id >= FIRST_USER_KEY && id < FIRST_USER_KEY + USER_KEYS;
}

// What the context keys (KeyId::FIRST_CONTEXT to LAST_CONTEXT) insert for an input line that starts
// with a function-type prefix; empty for nothing.
std::wstring contextText(int id, const std::wstring& input);

// The keys 0 to 9.
bool isDecimalDigit(int id);

// The landscape arrangement of a portrait keypad of columns x rows: two
// halves side by side, doubling the columns. The digit block stays together
// in the right half; the other rows go to the left half in their order.
std::vector<KeySpot> foldForLandscape(std::span<const KeySpot> portrait, int columns, int rows);
} // namespace KeyTable
