// Renders the program's SVG icon as the PNG sizes the desktop's icon theme
// wants, so that every size comes from the one drawing. Usage:
//   orvanta-icons SOURCE.svg FOLDER SIZE...
// writes FOLDER/SIZExSIZE/apps/NAME.png, NAME being the source's base name.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

namespace {
constexpr int MIN_SIZE = 8;
constexpr int MAX_SIZE = 1024;

bool render(QSvgRenderer& svg, int size, const QString& file) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!QDir().mkpath(QFileInfo(file).path())) return false;
    // Written whole or not at all: a build stopped midway leaves no half icon.
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && image.save(&out, "PNG") && out.commit();
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: orvanta-icons SOURCE.svg FOLDER SIZE...\n");
        return 2;
    }
    // Only pictures are drawn: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "orvanta-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[1])).completeBaseName();
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < MIN_SIZE || size > MAX_SIZE) {
            std::fprintf(stderr, "orvanta-icons: size %s is not within %d..%d\n", argv[i], MIN_SIZE,
                         MAX_SIZE);
            return 2;
        }
        const QString file = QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(size).arg(name);
        if (!render(svg, size, file)) {
            std::fprintf(stderr, "orvanta-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
