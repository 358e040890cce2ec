#include "PlotExport.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <tuple>

#include "COrvantaDoc.h"
#include "FractalBands.h"
#include "PlotFunctionSet.h"
#include "PlotJob.h"
#include "PlotMessages.h"
#include "PlotPass.h"
#include "PlotPicture.h"
#include "Screen.h"

namespace PlotExport {
namespace {
struct Options {
    QString out;
    QSize size{480, 640};
    std::optional<PlotRegion> region;
    std::optional<int> quality;
    std::optional<int> type;
    std::optional<int> lineWidth;
    bool piScale = false;
    bool eScale = false;
    PlotTRange t;
    std::optional<std::pair<double, double>> zrange;
    bool autoZ = false;
    std::optional<std::pair<int, int>> angles;
    std::optional<int> iterations;
    std::optional<double> border;
    int threads = 0;
    std::optional<int> language;
    std::vector<std::wstring> functions;
};

struct Usage {
    QString text;
};

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

Options parse(const QStringList& args) {
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
            int w = 0, h = 0;
            const QString v = take(i, 1)[0];
            if (!Screen::parseSize(v, w, h) || w < 16 || h < 16 || w > 8192 || h > 8192)
                throw Usage{QStringLiteral("--size wants WxH between 16 and 8192: ") + v};
            o.size = QSize(w, h);
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
            o.angles = std::make_pair(integer(v[0], -90, 90, "--angles A"), integer(v[1], 0, 90, "--angles B"));
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

void printError(const std::wstring& text) {
    std::fprintf(stderr, "orvanta: %s\n", QString::fromStdWString(text).toLocal8Bit().constData());
}
} // namespace

bool requested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], OPTION) == 0) return true;
    return false;
}

const char* usage() {
    return "       orvanta --export-plot OUT [options] FUNCTION...\n"
           "  Draws the functions as the plot window would and writes OUT (.png, .bmp or .svg);\n"
           "  no display is needed. The first FUNCTION is the current function, the others the list.\n"
           "  --size WxH                  client area (default 480x640)\n"
           "  --region XMIN XMAX YMIN YMAX\n"
           "  --quality 1..4              pixel step of implicit curves and fractals, 3D grid, curve points\n"
           "  --type equals|greater|less  hatching of the areas above or below the curves\n"
           "  --line-width 1..4\n"
           "  --pi-scale, --e-scale       axes in units of pi/2 or e/2\n"
           "  --t-range FROM TO STEP      the values of t for an f(t,x) function\n"
           "  --zrange ZMIN ZMAX          fixed z range of a 3D plot\n"
           "  --auto-z                    z range of a 3D plot from its heights (within -10..10)\n"
           "  --angles A B                3D view angles, A in -90..90, B in 0..90\n"
           "  --iterations N              fractal: iteration limit\n"
           "  --border R                  fractal: escape radius\n"
           "  --threads N                 fractal: bands computed in parallel (default: all cores)\n"
           "  --lang en|de\n"
           "  Settings not given come from the settings file. Exit status: 0 written, 1 functions refused\n"
           "  (the reason on standard error) or file not written, 2 usage error.\n";
}

int run(const QStringList& arguments, SettingsStore& store) {
    Options o;
    try {
        o = parse(arguments);
    } catch (const Usage& usage) {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(usage.text));
        return EXIT_USAGE;
    }
    COrvantaDoc document(store);
    if (o.language) OrvantaCalcBase::setLanguage(*o.language);
    PlotFunctionSet set{o.functions.front(), {o.functions.begin() + 1, o.functions.end()}};
    if (set.empty()) {
        printError(OrvantaCalcBase::loadString(PlotMessages::NO_FUNCTION));
        return EXIT_REFUSED;
    }
    if (const auto refused = PlotFunctions::checkSet(set, [&](const std::wstring& f, std::wstring& message) {
            return document.checkFunction(f, message);
        })) {
        printError(*refused);
        return EXIT_REFUSED;
    }
    if (PlotFunctions::startsWith(set.current, L"z=") && !set.list.empty())
        printError(OrvantaCalcBase::loadString(PlotMessages::ONLY_3D_NOTICE));

    PlotJob job = PlotJob::fromDocument(document);
    job.functions = set;
    if (o.region) job.region = *o.region;
    if (o.quality) job.settings.quality = *o.quality;
    if (o.type) job.settings.type = *o.type;
    if (o.lineWidth) job.settings.lineWidth = *o.lineWidth;
    job.settings.piScale = job.settings.piScale || o.piScale;
    job.settings.eScale = job.settings.eScale || o.eScale;
    job.t = o.t;
    if (o.zrange) std::tie(job.settings.zmin, job.settings.zmax) = *o.zrange;
    if (o.autoZ) job.settings.automaticZ = 1;
    if (o.angles) std::tie(job.settings.angleA, job.settings.angleB) = *o.angles;
    if (o.iterations) job.settings.iterations = *o.iterations;
    if (o.border) job.settings.valueBorder = *o.border;
    job.threads = o.threads;

    PlotPass::Result result = PlotPass::Result::Complete;
    QByteArray bytes;
    switch (PlotPicture::formatOf(o.out)) {
    case PlotPicture::Format::Svg:
        bytes = PlotPass::renderSvg(job, o.size, document.engine(), &result);
        break;
    case PlotPicture::Format::Bmp:
        bytes =
            PlotPicture::encodeBmp(PlotPass::renderImage(job, o.size, document.engine(), &result), o.size);
        break;
    default:
        bytes = PlotPicture::encodePng(PlotPass::renderImage(job, o.size, document.engine(), &result));
        break;
    }
    if (result == PlotPass::Result::OutOfMemory) {
        printError(OrvantaCalcBase::loadString(PlotMessages::OUT_OF_MEMORY));
        return EXIT_REFUSED;
    }
    if (!PlotPicture::writeAtomically(o.out, bytes)) {
        printError(OrvantaCalcBase::loadString(PlotMessages::SAVE_FAILED) + L" " + o.out.toStdWString());
        return EXIT_REFUSED;
    }
    return EXIT_OK;
}
} // namespace PlotExport
