#include "PlotColours.h"

PlotColourSequence::PlotColourSequence(int red, int green, int blue, bool monochrome)
    : m_red(red), m_green(green), m_blue(blue), m_monochrome(monochrome) {}

// A small linear congruential generator of the classic C library kind, so
// the colours do not depend on the process's random state.
int PlotColourSequence::draw(int modulus) {
    m_seed = m_seed * 214013u + 2531011u;
    return static_cast<int>((m_seed >> 16) & 0x7FFF) % modulus;
}

QColor PlotColourSequence::next() {
    if (m_red == 0) {
        m_red = 255;
    } else if (m_blue == 0) {
        m_red = 0;
        m_green = 100;
        m_blue = 255;
    } else {
        m_red = draw(50);
        m_green = draw(255);
        m_blue = draw(255);
    }
    if (m_monochrome) return Qt::black;
    return QColor(m_red, m_green, m_blue);
}
