#pragma once
#include <QColor>
#include <QFont>

#include "Screen.h"

// Fonts and colours chosen by the emulated screen's class. Sizes are pixel
// heights and weights on the 100..900 scale, as the layouts were designed.
class ScreenFonts {
public:
    // Each view makes its own input and result fonts when it is built.
    static QFont inputFont(ScreenClass screen = Screen::screenClass());
    static QFont resultFont(ScreenClass screen = Screen::screenClass());

    // The three caption styles of the keypad keys, made once per process by
    // the first key that asks, for the screen of that moment.
    enum class KeyFont { Small, Bold, Light };
    static const QFont& keyFont(KeyFont which);
    static QFont makeKeyFont(KeyFont which, bool hiRes);

    // The keypad's colours: black, white, silver and 0x808000.
    enum class KeyColour { Black, White, Silver, Olive };
    static QColor keyColour(KeyColour which);

    // "Tahoma" and "Small Fonts", or the closest font Qt finds.
    static QFont font(const char* family, int pixelHeight, int weight);
};
