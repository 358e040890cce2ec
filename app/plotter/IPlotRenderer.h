#pragma once
#include <QSize>
#include <atomic>
#include <functional>
#include <memory>

#include "EngineAdapter.h"
#include "PlotJob.h"

class QPainter;

// What a renderer may use while it draws: the engine (through an adapter of
// the pass's own, prepared for plot sampling on the drawing thread) and the
// running flag that a cancel clears. Drawing loops ask cancelled() per
// sample, pixel or row, and call checkpoint() now and then so that the
// window can show the picture while it grows.
class PlotContext {
public:
    PlotContext(OrvantaCalcBase& engine, CalculatorModes::MODE angle,
                const std::atomic<bool>* running = nullptr, std::function<void()> checkpoint = {});
    EngineAdapter& engine() { return m_adapter; }
    OrvantaCalcBase& calculator() { return m_engine; }
    bool cancelled() const { return m_running && !m_running->load(std::memory_order_relaxed); }
    void checkpoint() {
        if (m_checkpoint) m_checkpoint();
    }

private:
    OrvantaCalcBase& m_engine;
    EngineAdapter m_adapter;
    const std::atomic<bool>* m_running;
    std::function<void()> m_checkpoint;
};

// One plot kind's drawing. A renderer draws a whole pass onto any painter
// (the window's picture, a PNG or BMP, an SVG) over a client area of the
// given size, from the job alone. Each plot kind adds one class and one line
// in makeRenderer.
class IPlotRenderer {
public:
    virtual ~IPlotRenderer() = default;
    virtual void paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) = 0;
    // Whether the window offers the rubber band and the coordinate readout.
    virtual bool takesMouseInput() const { return true; }
};

// The renderer of a plot kind; nullptr for a kind that has none yet (the
// window then shows an empty picture).
std::unique_ptr<IPlotRenderer> makeRenderer(PlotKind kind);
