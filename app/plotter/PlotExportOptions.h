#pragma once
#include <QSize>
#include <QStringList>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "PlotJob.h"
#include "PlotRegion.h"

// The command line of "orvanta --export-plot OUT [options] FUNCTION...", read
// apart from the drawing so that it can be checked on its own. What is not
// given stays empty and comes from the settings file.
namespace PlotExport {
inline constexpr int MIN_SIDE = 16;
inline constexpr int MAX_SIDE = 8192;

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

// A command line that cannot be followed; text says why, for the user.
struct Usage {
    QString text;
};

// Reads the arguments (the program's name first); throws Usage.
Options parseOptions(const QStringList& arguments);
} // namespace PlotExport
