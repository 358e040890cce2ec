#pragma once
#include "KeyTable.h"

// Short makers for the keypad tables of the views.
namespace KeypadSpots {
using L = KeyButton::Look;
using F = ScreenFonts::KeyFont;
constexpr KeySpot digit(int id, int row, int column, int columnSpan = 1) {
    return {id, row, column, 1, columnSpan, L::Digit, F::Bold};
}
constexpr KeySpot op(int id, int row, int column, int columnSpan = 1) {
    return {id, row, column, 1, columnSpan, L::Operator, F::Bold};
}
constexpr KeySpot fn(int id, int row, int column, int page = -1) {
    return {id, row, column, 1, 1, L::Function, F::Small, page};
}
constexpr KeySpot state(int id, int row, int column, int page = -1) {
    return {id, row, column, 1, 1, L::State, F::Small, page};
}
constexpr KeySpot user(int id, int row, int column, int page = -1) {
    return {id, row, column, 1, 1, L::User, F::Light, page};
}
constexpr KeySpot equals(int id, int row, int column, int columnSpan) {
    return {id, row, column, 1, columnSpan, L::Equals, F::Bold};
}
} // namespace KeypadSpots
