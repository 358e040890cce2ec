#include "KeyButton.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Screen.h"
#include "TextFit.h"

namespace {
struct Palette {
    QColor top;
    QColor bottom;
    QColor text;
};

// Face colours per look; the down look darkens them.
Palette face(KeyButton::Look look) {
    using K = ScreenFonts::KeyColour;
    const QColor black = ScreenFonts::keyColour(K::Black);
    const QColor white = ScreenFonts::keyColour(K::White);
    const QColor silver = ScreenFonts::keyColour(K::Silver);
    const QColor olive = ScreenFonts::keyColour(K::Olive);
    switch (look) {
    case KeyButton::Look::Digit:
        return {white, silver, black};
    case KeyButton::Look::Operator:
        return {silver, silver.darker(125), black};
    case KeyButton::Look::Function:
        return {QColor(70, 78, 92), QColor(40, 45, 55), white};
    case KeyButton::Look::State:
        return {QColor(96, 96, 96), QColor(60, 60, 60), white};
    case KeyButton::Look::User:
        return {olive.lighter(130), olive, white};
    case KeyButton::Look::Equals:
        break;
    }
    return {QColor(230, 140, 40), QColor(190, 100, 20), black};
}

// The smallest caption size that still reads well on each screen.
constexpr int MIN_CAPTION_PIXELS = 7;
constexpr int MIN_CAPTION_PIXELS_HIRES = 10;
// The key the caption fonts were made for, and how far a caption may grow
// beyond its font on a large window.
constexpr QSize DESIGN_KEY_HIRES(56, 40);
constexpr qreal MAX_CAPTION_SCALE = 2.5;
} // namespace

KeyButton::KeyButton(int id, Look look, QWidget* parent)
    : QAbstractButton(parent), m_id(id), m_look(look), m_hi_res(Screen::HiRes()), m_scales(!Screen::emulated()) {
    setObjectName(QString::number(id));
    // Keys never take the focus: the caret stays in the input line.
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void KeyButton::setCaption(const std::wstring& caption, ScreenFonts::KeyFont style) {
    if (caption == m_caption && style == m_style) return;
    m_caption = caption;
    m_style = style;
    setText(QString::fromStdWString(caption));
    update();
}

void KeyButton::setPressedState(bool pressed) {
    if (pressed == m_pressed_state) return;
    m_pressed_state = pressed;
    update();
}

QRectF KeyButton::captionArea() const {
    const qreal border = m_hi_res ? 2.0 : 1.0;
    return QRectF(rect()).adjusted(1.5 * border + 1, border, -1.5 * border - 1, -2 * border);
}

QFont KeyButton::captionFont() const {
    // Each key keeps the fonts of the screen it was made for.
    QFont font = ScreenFonts::makeKeyFont(m_style, m_hi_res);
    int minimum = m_hi_res ? MIN_CAPTION_PIXELS_HIRES : MIN_CAPTION_PIXELS;
    if (m_scales) {
        // The font follows the key's lesser side, as measured against the designed key.
        const qreal scale = std::min({qreal(width()) / DESIGN_KEY_HIRES.width(),
                                      qreal(height()) / DESIGN_KEY_HIRES.height(), MAX_CAPTION_SCALE});
        minimum = MIN_DESKTOP_CAPTION_PIXELS;
        font.setPixelSize(std::max(minimum, qRound(font.pixelSize() * scale)));
    }
    return TextFit::squeeze(font, QString::fromStdWString(m_caption), captionArea().width(), minimum);
}

QSize KeyButton::sizeHint() const {
    return m_hi_res ? DESIGN_KEY_HIRES : QSize(28, 20);
}

QSize KeyButton::desktopMinimumSize() {
    // Room for six letters ("Konst1", "Bank 1") at the smallest caption size.
    return {44, 24};
}

QSize KeyButton::minimumSizeHint() const {
    if (m_scales) return desktopMinimumSize();
    return m_hi_res ? QSize(20, 16) : QSize(10, 8);
}

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool hiRes = m_hi_res;
    const qreal border = hiRes ? 2.0 : 1.0;
    const qreal radius = hiRes ? 6.0 : 3.0;
    const bool down = isDown() || m_pressed_state;
    Palette colours = face(m_look);
    if (!isEnabled()) {
        colours.top = colours.top.lighter(115);
        colours.bottom = colours.bottom.lighter(115);
        colours.text = QColor(140, 140, 140);
    }
    QRectF frame = QRectF(rect()).adjusted(border / 2, border / 2, -border / 2, -border / 2);
    // The shadow under a raised key; a sunk key covers it.
    if (!down) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(frame.translated(0, border), radius, radius);
        frame.adjust(0, 0, 0, -border);
    } else {
        frame.adjust(0, border, 0, 0);
    }
    QLinearGradient gradient(frame.topLeft(), frame.bottomLeft());
    gradient.setColorAt(0, down ? colours.bottom.darker(120) : colours.top);
    gradient.setColorAt(1, down ? colours.top.darker(120) : colours.bottom);
    p.setBrush(gradient);
    p.setPen(QPen(down ? QColor(20, 20, 20) : colours.bottom.darker(160), border));
    p.drawRoundedRect(frame, radius, radius);
    if (m_pressed_state) {
        // A lit bar marks a state key that is on.
        const qreal h = hiRes ? 3 : 2;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 210, 60));
        p.drawRect(QRectF(frame.left() + radius, frame.bottom() - h - border, frame.width() - 2 * radius, h));
    }
    if (m_caption.empty()) return;
    // Long captions get a smaller font, never a cut: "GRAD" must not read "RAD".
    const QRectF area = captionArea();
    p.setFont(captionFont());
    p.setPen(colours.text);
    p.drawText(QRectF(area.left(), frame.top(), area.width(), frame.height()), Qt::AlignCenter,
               QString::fromStdWString(m_caption));
}
