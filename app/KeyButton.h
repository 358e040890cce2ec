#pragma once
#include <QAbstractButton>
#include <string>

#include "ScreenFonts.h"

// One key of a keypad, drawn by itself: a raised key in its up look, sunk in
// its down look (while the stylus holds it, or while the key stands for a
// state that is on: the angle unit, a base, Inv, Hyp). Its object name is its
// command id, so code and tests find it like any other control.
class KeyButton : public QAbstractButton {
    Q_OBJECT
public:
    // The colour family of a key; the layouts choose it per key.
    enum class Look { Digit, Operator, Function, State, User, Equals };

    KeyButton(int id, Look look, QWidget* parent = nullptr);

    int id() const { return m_id; }
    Look look() const { return m_look; }

    // The caption may be empty; the view picks one of the three caption fonts.
    void setCaption(const std::wstring& caption, ScreenFonts::KeyFont style);
    std::wstring caption() const { return m_caption; }
    ScreenFonts::KeyFont captionStyle() const { return m_style; }

    // The room the caption has on the key, and the caption font made to fit
    // it: the style's font, smaller where the caption is long.
    QRectF captionArea() const;
    QFont captionFont() const;

    void setPressedState(bool pressed);
    bool pressedState() const { return m_pressed_state; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The smallest key of the desktop window: its captions still read.
    static QSize desktopMinimumSize();
    // The smallest caption size on the desktop window.
    static constexpr int MIN_DESKTOP_CAPTION_PIXELS = 9;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const int m_id;
    const Look m_look;
    std::wstring m_caption;
    ScreenFonts::KeyFont m_style = ScreenFonts::KeyFont::Bold;
    const bool m_hi_res;
    // On the desktop window captions grow and shrink with the key.
    const bool m_scales;
    bool m_pressed_state = false;
};
