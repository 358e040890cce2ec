#include "PlotPass.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <new>

#include "EngineError.h"
#include "Plot2DRenderer.h"
#include "Plot3DRenderer.h"
#include "PlotFractalRenderer.h"
#include "PlotParametricRenderer.h"
#include "PlotPolarRenderer.h"
#include "PlotSequenceRenderer.h"
#include "PlotStatistics.h"

PlotContext::PlotContext(OrvantaCalcBase& engine, CalculatorModes::MODE angle,
                         const std::atomic<bool>* running, std::function<void()> checkpoint)
    : m_engine(engine), m_adapter(engine), m_running(running), m_checkpoint(std::move(checkpoint)) {
    // The engine's evaluation flags belong to the thread that samples.
    m_adapter.settings().angle = angle;
    m_adapter.prepare(false);
}

std::unique_ptr<IPlotRenderer> makeRenderer(PlotKind kind) {
    switch (kind) {
    case PlotKind::Statistics:
        return std::make_unique<PlotStatisticsRenderer>();
    case PlotKind::TwoD:
        return std::make_unique<Plot2DRenderer>();
    case PlotKind::Surface3D:
        return std::make_unique<Plot3DRenderer>();
    case PlotKind::Sequence:
        return std::make_unique<PlotSequenceRenderer>();
    case PlotKind::Parametric:
        return std::make_unique<PlotParametricRenderer>();
    case PlotKind::Polar:
        return std::make_unique<PlotPolarRenderer>();
    case PlotKind::Fractal:
        return std::make_unique<PlotFractalRenderer>();
    default:
        return nullptr;
    }
}

namespace PlotPass {
Result run(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) {
    try {
        painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
        // Statistics data come first: such a window has no functions.
        const PlotKind kind = job.statistics ? PlotKind::Statistics : PlotFunctions::kindOf(job.functions);
        if (std::unique_ptr<IPlotRenderer> renderer = makeRenderer(kind))
            renderer->paint(painter, client, job, context);
    } catch (const std::bad_alloc&) {
        return Result::OutOfMemory;
    } catch (const EngineError& error) {
        if (error.code() == ErrorCode::OUT_OF_MEMORY) return Result::OutOfMemory;
        throw;
    }
    return context.cancelled() ? Result::Cancelled : Result::Complete;
}

QImage renderImage(const PlotJob& job, const QSize& client, OrvantaCalcBase& engine, Result* result) {
    QImage image(client, QImage::Format_RGB32);
    if (image.isNull()) {
        if (result) *result = Result::OutOfMemory;
        return image;
    }
    QPainter painter(&image);
    PlotContext context(engine, job.angle);
    const Result r = run(painter, client, job, context);
    if (result) *result = r;
    return image;
}

QByteArray renderSvg(const PlotJob& job, const QSize& client, OrvantaCalcBase& engine, Result* result) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(client);
    generator.setViewBox(QRect(QPoint(0, 0), client));
    generator.setTitle(QStringLiteral("Orvanta"));
    QPainter painter(&generator);
    PlotContext context(engine, job.angle);
    const Result r = run(painter, client, job, context);
    painter.end();
    if (result) *result = r;
    return bytes;
}
} // namespace PlotPass
