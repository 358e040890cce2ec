// The command line of "orvanta --export-plot": every argument list is either
// refused with a message or gives options within the ranges the drawing
// relies on. Settings: with bit 0 the list starts with "--export-plot
// plot.png". The payload's lines are the arguments, as UTF-8.
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "FractalBands.h"
#include "FuzzSupport.h"
#include "PlotExport.h"
#include "PlotExportOptions.h"
#include "PlotFunctionSet.h"
#include "PlotPicture.h"

namespace {
constexpr int MAX_ARGUMENTS = 64;

void expect(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "export options out of range: %s\n", what);
    std::abort();
}

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

void check(const PlotExport::Options& o) {
    expect(PlotPicture::formatOf(o.out) != PlotPicture::Format::Unknown, "output format");
    expect(within(o.size.width(), PlotExport::MIN_SIDE, PlotExport::MAX_SIDE) &&
               within(o.size.height(), PlotExport::MIN_SIDE, PlotExport::MAX_SIDE),
           "size");
    if (o.region)
        expect(o.region->ordered() && o.region->xmin >= -999 && o.region->xmax <= 999 &&
                   o.region->ymin >= -999 && o.region->ymax <= 999,
               "region");
    expect(!o.quality || within(*o.quality, 1, 4), "quality");
    expect(!o.lineWidth || within(*o.lineWidth, 1, 4), "line width");
    expect(!o.type || within(*o.type, 0, 2), "type");
    expect(o.t.valid() || (o.t.from == 0 && o.t.to == 0 && o.t.step == 0), "t range");
    expect(!o.zrange || (std::isfinite(o.zrange->first) && o.zrange->first < o.zrange->second &&
                         std::isfinite(o.zrange->second)),
           "z range");
    expect(!o.angles || (within(o.angles->first, -90, 90) && within(o.angles->second, 0, 90)), "angles");
    expect(!o.iterations || within(*o.iterations, 1, FractalBands::MAX_ITERATIONS), "iterations");
    expect(!o.border || (std::isfinite(*o.border) && *o.border > 0), "border");
    expect(o.threads == 0 || within(o.threads, 1, FractalBands::MAX_THREADS), "threads");
    expect(!o.functions.empty(), "functions");
    expect(!PlotFunctions::startsWith(o.functions.front(), L"f(t,x)=") || o.t.valid(), "f(t,x) without t");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input(data, size);
    QStringList arguments{QStringLiteral("orvanta")};
    if (input.flag(0)) arguments << QString::fromLatin1(PlotExport::OPTION) << QStringLiteral("plot.png");
    std::string_view rest = input.payload();
    while (!rest.empty() && arguments.size() < MAX_ARGUMENTS) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        arguments << QString::fromUtf8(rest.data(), static_cast<qsizetype>(end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    try {
        check(PlotExport::parseOptions(arguments));
    } catch (const PlotExport::Usage& usage) {
        expect(!usage.text.isEmpty(), "a refusal without a message");
    }
    return 0;
}
