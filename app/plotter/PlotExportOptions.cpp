#include "PlotExportOptions.h"

#include <QRegularExpression>
#include <cmath>

#include "FractalBands.h"
#include "PlotExport.h"
#include "PlotFunctionSet.h"
#include "PlotPicture.h"

namespace PlotExport {
namespace {
// "WxH" with both sides within MIN_SIDE..MAX_SIDE. Pictures may be smaller
// or larger than any screen the window emulates.
bool clientSize(const QString& text, QSize& size) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,5})\\s*[xX]\\s*(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) return false;
    const int w = m.captured(1).toInt(), h = m.captured(2).toInt();
    if (w < MIN_SIDE || h < MIN_SIDE || w > MAX_SIDE || h > MAX_SIDE) return false;
    size = QSize(w, h);
    return true;
}

double number(const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v)) throw Usage{QStringLiteral("not a number: ") + text};
    return v;
}

int integer(const QString& text, int low, int high, const char* what) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        throw Usage{QString::fromLatin1(what) + QStringLiteral(" must be %1..%2: ").arg(low).arg(high) +
                    text};
    return v;
}
} // namespace

Options parseOptions(const QStringList& args) {
    Options o;
    auto take = [&](int& i, int count) {
        if (i + count >= args.size()) throw Usage{args[i] + QStringLiteral(" needs %1 value(s)").arg(count)};
        QStringList values = args.mid(i + 1, count);
        i += count;
        return values;
    };
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String(OPTION)) {
            o.out = take(i, 1)[0];
        } else if (a == QLatin1String("--size")) {
            const QString v = take(i, 1)[0];
            if (!clientSize(v, o.size))
                throw Usage{
                    QStringLiteral("--size wants WxH between %1 and %2: ").arg(MIN_SIDE).arg(MAX_SIDE) + v};
        } else if (a == QLatin1String("--region")) {
            const QStringList v = take(i, 4);
            const PlotRegion r{number(v[0]), number(v[1]), number(v[2]), number(v[3])};
            if (!r.ordered() || r.xmin < -999 || r.xmax > 999 || r.ymin < -999 || r.ymax > 999)
                throw Usage{QStringLiteral("--region wants XMIN < XMAX and YMIN < YMAX within -999..999")};
            o.region = r;
        } else if (a == QLatin1String("--quality")) {
            o.quality = integer(take(i, 1)[0], 1, 4, "--quality");
        } else if (a == QLatin1String("--line-width")) {
            o.lineWidth = integer(take(i, 1)[0], 1, 4, "--line-width");
        } else if (a == QLatin1String("--type")) {
            static const char* const names[] = {"equals", "greater", "less"};
            const QString v = take(i, 1)[0];
            for (int k = 0; k < 3; ++k)
                if (v == QLatin1String(names[k])) o.type = k;
            if (!o.type) throw Usage{QStringLiteral("--type wants equals, greater or less: ") + v};
        } else if (a == QLatin1String("--pi-scale")) {
            o.piScale = true;
        } else if (a == QLatin1String("--e-scale")) {
            o.eScale = true;
        } else if (a == QLatin1String("--t-range")) {
            const QStringList v = take(i, 3);
            o.t = PlotTRange{integer(v[0], -100000, 100000, "--t-range FROM"),
                             integer(v[1], -100000, 100000, "--t-range TO"),
                             integer(v[2], 1, 100000, "--t-range STEP")};
            if (o.t.from > o.t.to) throw Usage{QStringLiteral("--t-range wants FROM <= TO")};
        } else if (a == QLatin1String("--zrange")) {
            const QStringList v = take(i, 2);
            const double low = number(v[0]), high = number(v[1]);
            if (!(low < high)) throw Usage{QStringLiteral("--zrange wants ZMIN < ZMAX")};
            o.zrange = std::make_pair(low, high);
        } else if (a == QLatin1String("--auto-z")) {
            o.autoZ = true;
        } else if (a == QLatin1String("--angles")) {
            const QStringList v = take(i, 2);
            o.angles =
                std::make_pair(integer(v[0], -90, 90, "--angles A"), integer(v[1], 0, 90, "--angles B"));
        } else if (a == QLatin1String("--iterations")) {
            o.iterations = integer(take(i, 1)[0], 1, FractalBands::MAX_ITERATIONS, "--iterations");
        } else if (a == QLatin1String("--border")) {
            const double v = number(take(i, 1)[0]);
            if (!(v > 0)) throw Usage{QStringLiteral("--border wants a radius above 0")};
            o.border = v;
        } else if (a == QLatin1String("--threads")) {
            o.threads = integer(take(i, 1)[0], 1, FractalBands::MAX_THREADS, "--threads");
        } else if (a == QLatin1String("--lang")) {
            const QString v = take(i, 1)[0];
            if (v != QLatin1String("en") && v != QLatin1String("de"))
                throw Usage{QStringLiteral("--lang wants en or de: ") + v};
            o.language = v == QLatin1String("de") ? 1 : 0;
        } else if (a == QLatin1String("--screen")) {
            take(i, 1); // applied by the program before
        } else if (a.startsWith(QLatin1String("--"))) {
            throw Usage{QStringLiteral("unknown option ") + a};
        } else {
            o.functions.push_back(a.toStdWString());
        }
    }
    if (o.out.isEmpty()) throw Usage{QStringLiteral("--export-plot needs the output file")};
    if (PlotPicture::formatOf(o.out) == PlotPicture::Format::Unknown)
        throw Usage{QStringLiteral("the output file must end in .png, .bmp or .svg: ") + o.out};
    if (o.functions.empty()) throw Usage{QStringLiteral("no function given")};
    if (PlotFunctions::startsWith(o.functions.front(), L"f(t,x)=") && !o.t.valid())
        throw Usage{QStringLiteral("an f(t,x) function needs --t-range FROM TO STEP")};
    return o;
}
} // namespace PlotExport
