#include "CColorButton.h"

#include <QPainter>

#include "Platform.h"

namespace {
// The first entry differs: a dark grey for the plotter, black for the options.
constexpr CustomColors customColorsStartingWith(ColorRef first) {
    return {first,
            makeColorRef(0, 0, 255),
            makeColorRef(0, 255, 0),
            makeColorRef(255, 0, 0),
            makeColorRef(255, 255, 0),
            makeColorRef(255, 0, 255),
            makeColorRef(0, 255, 255),
            makeColorRef(255, 255, 255),
            makeColorRef(128, 255, 255),
            makeColorRef(255, 128, 255),
            makeColorRef(255, 255, 128),
            makeColorRef(128, 128, 255),
            makeColorRef(128, 255, 128),
            makeColorRef(255, 128, 128),
            makeColorRef(128, 128, 128),
            makeColorRef(128, 128, 255)};
}
constexpr CustomColors PLOTTER_COLORS = customColorsStartingWith(makeColorRef(100, 100, 100));
constexpr CustomColors OPTIONS_COLORS = customColorsStartingWith(makeColorRef(0, 0, 0));
} // namespace

const CustomColors& CColorButton::plotterCustomColors() {
    return PLOTTER_COLORS;
}
const CustomColors& CColorButton::optionsCustomColors() {
    return OPTIONS_COLORS;
}

CColorButton::CColorButton(const CustomColors& customColors, QWidget* parent)
    : QPushButton(parent), m_customColors(customColors) {
    setAutoDefault(false);
    setMinimumSize(48, 24);
    connect(this, &QPushButton::clicked, this, &CColorButton::choose);
}

void CColorButton::setColour(ColorRef colour) {
    m_colour = colour & 0xFFFFFF;
    update();
    emit colourChanged(m_colour);
}

void CColorButton::choose() {
    ColorRef chosen = m_colour;
    if (!Platform::colorPicker().chooseColor(this, chosen, m_customColors)) return;
    chosen &= 0xFFFFFF;
    if (m_acceptor && !m_acceptor(chosen)) return;
    setColour(chosen);
}

void CColorButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const QRect face = rect().adjusted(5, 5, -5, -5);
    painter.fillRect(face, toQColor(m_colour));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
}
