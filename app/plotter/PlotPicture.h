#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Plot pictures as files: the 24-bit bitmap format with its two headers,
// PNG and SVG, always written to a temporary file and renamed, so a failed
// save leaves any file of the same name as it was.
namespace PlotPicture {
enum class Format { Unknown, Bmp, Png, Svg };

inline constexpr int BMP_HEADER_BYTES = 54; // 14-byte file header + 40-byte information header

// By the file name's extension, in any case.
Format formatOf(const QString& path);
// A 24-bit bottom-up bitmap of the canvas size with the picture at (0, 0);
// what the picture does not cover stays black.
QByteArray encodeBmp(const QImage& picture, const QSize& canvas);
QByteArray encodePng(const QImage& picture);
// False when the file could not be written; an existing file is then intact.
bool writeAtomically(const QString& path, const QByteArray& bytes);
} // namespace PlotPicture
