#pragma once
#include <QStringList>

enum class ScreenClass { Standard, QvgaLandscape, VgaPortrait, VgaLandscape };

// The device screen the main window emulates. Layouts, fonts and images are
// chosen by its class, and full-screen dialogs take its size. Without a
// --screen option the main window is an ordinary resizable desktop window
// that keeps the fonts and images of the default screen.
class Screen {
public:
    static constexpr int DEFAULT_WIDTH = 480;
    static constexpr int DEFAULT_HEIGHT = 640;
    static constexpr int MIN_SIDE = 100;
    static constexpr int MAX_SIDE = 4096;

    static int width();
    static int height();
    // Emulates a device screen of that size. Sizes outside MIN_SIDE ..
    // MAX_SIDE are ignored (returns false).
    static bool setSize(int width, int height);
    // Back to the resizable desktop window on the default screen.
    static void useDesktopWindow();
    // Whether a device screen is emulated: the main window has its exact size.
    static bool emulated();

    static ScreenClass classify(int width, int height);
    static ScreenClass screenClass();
    // The high-resolution layouts (larger fonts and images).
    static bool HiRes();

    // "WxH" such as "320x240"; false for anything else.
    static bool parseSize(const QString& text, int& width, int& height);
    // Applies "--screen WxH" or "--screen=WxH" from the command line. Returns
    // false, with a message in error, for a missing or malformed size.
    static bool applyOption(const QStringList& arguments, QString* error = nullptr);
};
