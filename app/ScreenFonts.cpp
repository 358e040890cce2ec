#include "ScreenFonts.h"

#include "ColorRef.h"

namespace {
bool large(ScreenClass screen) {
    return screen == ScreenClass::VgaPortrait || screen == ScreenClass::VgaLandscape;
}
} // namespace

QFont ScreenFonts::font(const char* family, int pixelHeight, int weight) {
    QFont f(QString::fromLatin1(family));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelHeight);
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

QFont ScreenFonts::inputFont(ScreenClass screen) {
    return large(screen) ? font("Tahoma", 28, 600) : font("Tahoma", 14, 700);
}

QFont ScreenFonts::resultFont(ScreenClass screen) {
    return large(screen) ? font("Tahoma", 24, 600) : font("Tahoma", 13, 600);
}

QFont ScreenFonts::makeKeyFont(KeyFont which, bool hiRes) {
    switch (which) {
    case KeyFont::Small:
        return hiRes ? font("Small Fonts", 18, 600) : font("Small Fonts", 11, 500);
    case KeyFont::Bold:
        return hiRes ? font("Tahoma", 18, 700) : font("Tahoma", 12, 600);
    case KeyFont::Light:
        break;
    }
    return hiRes ? font("Small Fonts", 14, 500) : font("Small Fonts", 11, 200);
}

const QFont& ScreenFonts::keyFont(KeyFont which) {
    static const QFont fonts[3] = {makeKeyFont(KeyFont::Small, Screen::HiRes()),
                                   makeKeyFont(KeyFont::Bold, Screen::HiRes()),
                                   makeKeyFont(KeyFont::Light, Screen::HiRes())};
    return fonts[static_cast<int>(which)];
}

QColor ScreenFonts::keyColour(KeyColour which) {
    static const ColorRef colours[4] = {0x000000, 0xFFFFFF, 0xC0C0C0, 0x808000};
    return toQColor(colours[static_cast<int>(which)]);
}
