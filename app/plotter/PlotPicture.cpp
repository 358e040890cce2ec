#include "PlotPicture.h"

#include <QBuffer>
#include <QSaveFile>
#include <QtEndian>

namespace PlotPicture {
namespace {
void put16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
void put32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}
} // namespace

Format formatOf(const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".bmp"))) return Format::Bmp;
    if (lower.endsWith(QLatin1String(".png"))) return Format::Png;
    if (lower.endsWith(QLatin1String(".svg"))) return Format::Svg;
    return Format::Unknown;
}

QByteArray encodeBmp(const QImage& picture, const QSize& canvas) {
    const int width = std::max(1, canvas.width());
    const int height = std::max(1, canvas.height());
    const quint32 rowBytes = (static_cast<quint32>(width) * 3 + 3) & ~3u;
    const quint32 imageBytes = rowBytes * static_cast<quint32>(height);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(BMP_HEADER_BYTES + imageBytes));
    // File header.
    out.append("BM", 2);
    put32(out, BMP_HEADER_BYTES + imageBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, BMP_HEADER_BYTES);
    // Information header.
    put32(out, 40);
    put32(out, static_cast<quint32>(width));
    put32(out, static_cast<quint32>(height));
    put16(out, 1);  // planes
    put16(out, 24); // bits per pixel
    put32(out, 0);  // no compression
    put32(out, imageBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QByteArray row(static_cast<qsizetype>(rowBytes), '\0');
    for (int y = height - 1; y >= 0; --y) {
        row.fill('\0');
        if (y < rgb.height()) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < width && x < rgb.width(); ++x) {
                row[3 * x] = static_cast<char>(qBlue(line[x]));
                row[3 * x + 1] = static_cast<char>(qGreen(line[x]));
                row[3 * x + 2] = static_cast<char>(qRed(line[x]));
            }
        }
        out.append(row);
    }
    return out;
}

QByteArray encodePng(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return QByteArray();
    return bytes;
}

bool writeAtomically(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace PlotPicture
