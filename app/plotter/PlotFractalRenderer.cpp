#include "PlotFractalRenderer.h"

#include <QPaintDevice>
#include <QPainter>

#include "OrvantaCalcBase.h"
#include "Plot2DRenderer.h"
#include "PlotFrame.h"
#include "PlotMessages.h"

std::optional<FractalSetup> PlotFractalRenderer::specOf(const PlotJob& job) {
    std::optional<FractalSetup> setup = FractalSetup::fromText(job.functions.current);
    if (!setup) return setup;
    const PlotSettings& s = job.settings;
    setup->region = job.region;
    setup->quality = s.quality;
    setup->iterations = s.iterations;
    setup->border = s.valueBorder;
    setup->c0 = s.colourZero;
    setup->c1 = s.colourMax;
    return setup;
}

void PlotFractalRenderer::paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) {
    const std::optional<FractalSetup> setup = specOf(job);
    if (!setup) return;
    painter.setFont(Plot2DRenderer::plotFont(job.hiRes));
    QImage picture(client, QImage::Format_RGB32);
    if (picture.isNull()) throw std::bad_alloc();
    picture.fill(Qt::white);
    // On a picture the rows are shown as they finish; a vector document
    // gets the finished picture only, once.
    const bool growing = painter.device() && painter.device()->devType() == QInternal::Image;
    std::function<void(const QImage&)> show;
    if (growing)
        show = [&](const QImage& grown) {
            painter.drawImage(0, 0, grown);
            context.checkpoint();
        };
    const FractalBands::Result result =
        FractalBands::render(picture, *setup, job.threads, [&] { return context.cancelled(); }, show);
    const QString text = QString::fromStdWString(job.functions.current);
    if (result == FractalBands::Result::InvalidFunction) {
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, 0), client), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdWString(OrvantaCalcBase::loadString(PlotMessages::INVALID_FUNCTION)) + text);
        return;
    }
    painter.drawImage(0, 0, picture);
    if (result == FractalBands::Result::Complete) PlotDraw::bottomBand(painter, client, text, Qt::white);
}
