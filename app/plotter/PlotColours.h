#pragma once
#include <QColor>
#include <cstdint>

#include "ColorRef.h"

// The colour sequence that gives functions beyond the four set colours (and
// each curve of an f(t,x) family) a colour of their own. A sequence is
// restarted for every redraw, so a picture always comes out the same.
class PlotColourSequence {
public:
    PlotColourSequence(int red, int green, int blue, bool monochrome = false);
    // The next colour of the sequence.
    QColor next();

private:
    int draw(int modulus);

    int m_red;
    int m_green;
    int m_blue;
    bool m_monochrome;
    std::uint32_t m_seed = 1;
};

namespace PlotColours {
// The dashed grid lines at the tick labels.
inline const QColor GRID(192, 192, 192);
} // namespace PlotColours
