#pragma once
#include <QIcon>
#include <QPixmap>

// The images of the command bar's Cut, Copy and Paste buttons, drawn for the
// strip's size (16 x 16, or 30 x 30 on high-resolution screens) so that they
// stay sharp at both.
namespace ToolStrip {
enum class Image { Cut, Copy, Paste };
QPixmap image(Image which, int size);
// The image at that size, drawn sharp for screens of up to three device
// pixels per pixel.
QIcon icon(Image which, int size);
} // namespace ToolStrip
