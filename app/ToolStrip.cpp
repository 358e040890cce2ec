#include "ToolStrip.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// A sheet of paper with a folded corner and three lines of text.
void drawPage(QPainter& p, QRectF r) {
    const qreal fold = r.width() * 0.3;
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    for (int i = 1; i <= 3; ++i) {
        const qreal y = r.top() + r.height() * (0.2 + 0.2 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.2, y), QPointF(r.right() - r.width() * 0.2, y));
    }
}

void drawCut(QPainter& p, qreal s) {
    p.drawLine(QPointF(s * 0.3, s * 0.05), QPointF(s * 0.62, s * 0.68));
    p.drawLine(QPointF(s * 0.7, s * 0.05), QPointF(s * 0.38, s * 0.68));
    p.setBrush(Qt::NoBrush);
    const qreal r = s * 0.15;
    p.drawEllipse(QPointF(s * 0.28, s * 0.8), r, r);
    p.drawEllipse(QPointF(s * 0.72, s * 0.8), r, r);
}

void drawCopy(QPainter& p, qreal s) {
    drawPage(p, QRectF(s * 0.06, s * 0.06, s * 0.52, s * 0.62));
    drawPage(p, QRectF(s * 0.4, s * 0.32, s * 0.52, s * 0.62));
}

void drawPaste(QPainter& p, qreal s) {
    p.setBrush(QColor(0xC0, 0x90, 0x50));
    p.drawRoundedRect(QRectF(s * 0.08, s * 0.12, s * 0.6, s * 0.8), s * 0.06, s * 0.06);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(QRectF(s * 0.24, s * 0.04, s * 0.28, s * 0.16));
    drawPage(p, QRectF(s * 0.42, s * 0.38, s * 0.5, s * 0.58));
}
} // namespace

namespace ToolStrip {
QPixmap image(Image which, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, size >= 24 ? 2.0 : 1.0));
    const qreal s = size - 1;
    switch (which) {
    case Image::Cut:
        drawCut(p, s);
        break;
    case Image::Copy:
        drawCopy(p, s);
        break;
    case Image::Paste:
        drawPaste(p, s);
        break;
    }
    return pixmap;
}

QIcon icon(Image which, int size) {
    QIcon result;
    for (int ratio = 1; ratio <= 3; ++ratio) {
        QPixmap pixmap = image(which, size * ratio);
        pixmap.setDevicePixelRatio(ratio);
        result.addPixmap(pixmap);
    }
    return result;
}
} // namespace ToolStrip
