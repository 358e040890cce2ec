#include "PlotExport.h"

#include <cstdio>
#include <cstring>
#include <tuple>

#include "COrvantaDoc.h"
#include "PlotExportOptions.h"
#include "PlotFunctionSet.h"
#include "PlotJob.h"
#include "PlotMessages.h"
#include "PlotPass.h"
#include "PlotPicture.h"

namespace PlotExport {
namespace {
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
        o = parseOptions(arguments);
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
