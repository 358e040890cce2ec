#include "TextFit.h"

#include <QFontMetricsF>
#include <algorithm>

namespace {
// Below this a condensed font no longer reads as letters.
constexpr int MIN_STRETCH = 60;
} // namespace

namespace TextFit {
qreal width(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

QFont shrink(QFont font, const QString& text, qreal available, int minimumPixels) {
    while (font.pixelSize() > minimumPixels && width(font, text) > available)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QFont squeeze(QFont font, const QString& text, qreal available, int minimumPixels) {
    font = shrink(font, text, available, minimumPixels);
    const qreal wide = width(font, text);
    if (wide <= available || wide <= 0) return font;
    font.setStretch(std::max(MIN_STRETCH, static_cast<int>(100 * available / wide)));
    // The last resort: smaller than readable is still better than a wrong text.
    while (font.pixelSize() > 1 && width(font, text) > available)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
} // namespace TextFit
