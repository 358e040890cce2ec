#pragma once
#include <memory>
#include <string>
#include <vector>

#include "CalculatorModes.h"
#include "PlotFunctionSet.h"
#include "PlotRegion.h"
#include "PlotSettings.h"

// The t range of an f(t,x) family: integer start, end and step (all 0: none).
class COrvantaDoc;
struct PlotStatistics;

struct PlotTRange {
    int from = 0;
    int to = 0;
    int step = 0;
    bool valid() const { return step >= 1 && from <= to; }
};

// Everything one paint pass needs, copied when the pass starts: the worker
// reads nothing else, so the window may go on while it draws.
struct PlotJob {
    PlotFunctionSet functions;
    PlotRegion region;
    PlotSettings settings; // quality, line width, type, scales, colours
    PlotTRange t;
    CalculatorModes::MODE angle = CalculatorModes::RAD;
    bool hiRes = true;       // the larger font of the high-resolution screens
    bool monochrome = false; // a display of at most 16 colours: curves in black
    int threads = 0;         // fractal bands in parallel; 0: one per hardware thread
    // The statistics calculator's points: set, the pass draws them and nothing of the functions.
    std::shared_ptr<const PlotStatistics> statistics;

    // The document's plot settings, region and angle unit, and the screen's font size.
    static PlotJob fromDocument(const COrvantaDoc& document);
};
