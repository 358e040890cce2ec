#pragma once
#include <QColor>

// Colours travel through the settings and the dialogs as 24-bit values with
// red in the low byte (0x00BBGGRR), the layout stored files rely on.
using ColorRef = unsigned long;

constexpr ColorRef makeColorRef(int red, int green, int blue) {
    return (static_cast<ColorRef>(red) & 0xFF) | ((static_cast<ColorRef>(green) & 0xFF) << 8) |
           ((static_cast<ColorRef>(blue) & 0xFF) << 16);
}

constexpr int colorRefRed(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int colorRefGreen(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int colorRefBlue(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

inline QColor toQColor(ColorRef c) {
    return QColor(colorRefRed(c), colorRefGreen(c), colorRefBlue(c));
}
inline ColorRef toColorRef(const QColor& c) {
    return makeColorRef(c.red(), c.green(), c.blue());
}
