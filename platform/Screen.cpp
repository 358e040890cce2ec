#include "Screen.h"

#include <QRegularExpression>

namespace {
int s_width = Screen::DEFAULT_WIDTH;
int s_height = Screen::DEFAULT_HEIGHT;
bool s_emulated = false;

bool validSide(int side) {
    return side >= Screen::MIN_SIDE && side <= Screen::MAX_SIDE;
}
} // namespace

int Screen::width() {
    return s_width;
}
int Screen::height() {
    return s_height;
}

bool Screen::setSize(int width, int height) {
    if (!validSide(width) || !validSide(height)) return false;
    s_width = width;
    s_height = height;
    s_emulated = true;
    return true;
}

void Screen::useDesktopWindow() {
    s_width = DEFAULT_WIDTH;
    s_height = DEFAULT_HEIGHT;
    s_emulated = false;
}

bool Screen::emulated() {
    return s_emulated;
}

ScreenClass Screen::classify(int width, int height) {
    if (width == 320 && height == 240) return ScreenClass::QvgaLandscape;
    if (width == 480 && height == 640) return ScreenClass::VgaPortrait;
    if (width == 640 && height == 480) return ScreenClass::VgaLandscape;
    return ScreenClass::Standard;
}

ScreenClass Screen::screenClass() {
    return classify(s_width, s_height);
}

bool Screen::HiRes() {
    const ScreenClass c = screenClass();
    return c == ScreenClass::VgaPortrait || c == ScreenClass::VgaLandscape;
}

bool Screen::parseSize(const QString& text, int& width, int& height) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,5})\\s*[xX]\\s*(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) return false;
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (!validSide(w) || !validSide(h)) return false;
    width = w;
    height = h;
    return true;
}

bool Screen::applyOption(const QStringList& arguments, QString* error) {
    static const QString option = QStringLiteral("--screen");
    for (int i = 0; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == option) {
            if (i + 1 >= arguments.size()) {
                if (error) *error = QStringLiteral("--screen needs a size such as 480x640");
                return false;
            }
            value = arguments[i + 1];
        } else if (arguments[i].startsWith(option + QLatin1Char('='))) {
            value = arguments[i].mid(option.size() + 1);
        } else {
            continue;
        }
        int w = 0;
        int h = 0;
        if (!parseSize(value, w, h)) {
            if (error)
                *error = QStringLiteral("--screen: \"%1\" is not a size WxH between %2 and %3")
                             .arg(value)
                             .arg(MIN_SIDE)
                             .arg(MAX_SIDE);
            return false;
        }
        setSize(w, h);
    }
    return true;
}
