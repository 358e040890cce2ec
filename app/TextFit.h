#pragma once
#include <QFont>
#include <QString>

// Fitting a text into a width by making its font smaller, for the places
// where a text must be read whole: key captions, the result line, results
// shown in the input line.
namespace TextFit {
// The font's width of the text, in pixels.
qreal width(const QFont& font, const QString& text);

// The largest pixel size from the font's own down to minimumPixels at which
// the text fits the width; minimumPixels when none does.
QFont shrink(QFont font, const QString& text, qreal available, int minimumPixels);

// As shrink, then condensed and, only if that is not enough either, made
// smaller still until the text fits: nothing is ever cut off.
QFont squeeze(QFont font, const QString& text, qreal available, int minimumPixels);
} // namespace TextFit
