#pragma once
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <functional>
#include <memory>

#include "PlotFunctionSet.h"
#include "PlotJob.h"
#include "PlotRegion.h"
#include "PlotWorker.h"

class COrvantaDoc;
class QComboBox;
class QTimer;
class PlotCanvas;

// The plot window: a toolbar of navigation commands and the quality box over
// the client area, which shows the picture that the worker draws while it
// grows. Every navigation cancels a running pass before it changes the
// region; the region history gives the last and the first region back.
// Closing writes a small integer region back to the plot settings.
class PlotWindow : public QDialog {
    Q_OBJECT
public:
    // The client area's object name, by which tests find the picture.
    static constexpr const char* CANVAS_NAME = "plotCanvas";

    PlotWindow(COrvantaDoc& document, const IPlotSource& source, QWidget* parent = nullptr);
    ~PlotWindow() override;

    void setTRange(const PlotTRange& t) { m_t = t; }

    // Runs one of the toolbar's commands (PlotMessages ids).
    void command(int id);
    void setQuality(int quality);
    // Writes the picture by the file name's extension (bmp, png, svg); false
    // after the failure message.
    bool savePicture(const QString& path);

    const PlotRegionHistory& regions() const { return m_regions; }
    PlotSelection selection() const { return m_selection; }
    int quality() const { return m_settings.quality; }
    int angleA() const { return m_settings.angleA; }
    int angleB() const { return m_settings.angleB; }
    bool plotting() const { return m_worker->running(); }
    bool complete() const { return m_worker->complete(); }
    QImage picture() const { return m_shown; }
    QWidget* canvas() const;
    // The coordinate readout for a client point, as the window shows it.
    QString readout(const QPoint& point) const;
    // The job of the next pass: the current set, region and settings.
    PlotJob currentJob() const;

    // Tests replace how the window is run modally.
    using ModalRunner = std::function<int(PlotWindow&)>;
    static ModalRunner setModalRunner(ModalRunner runner);
    int runModal();

public slots:
    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class PlotCanvas;
    void buildToolbar(class QVBoxLayout* layout);
    void paintCanvas(class QPainter& painter);
    void startPass();
    void redraw();
    void takeRegion(const std::optional<PlotRegion>& next);
    void zoomBy(int direction);
    void moveBy(int dx, int dy);
    bool is3D() const;
    void rotateBy(int dA, int dB);
    void save();
    void pictureReady();
    void passFinished(int result);
    // Mouse input on the client area.
    void penDown(const QPoint& p);
    void penMove(const QPoint& p);
    void penUp(const QPoint& p);
    void panBy(const QPoint& offset);
    void wheelZoom(int direction, const QPoint& p);

    COrvantaDoc& m_document;
    const IPlotSource& m_source;
    PlotSettings m_settings;
    PlotRegionHistory m_regions;
    PlotTRange m_t;
    PlotSelection m_selection;
    QPoint m_pen_down;
    QPoint m_pen_latest;
    bool m_pen_active = false;
    bool m_readout_shown = false;
    QPoint m_rotate_from;
    QPoint m_pan_from;
    QPoint m_pan_offset;
    bool m_panning = false;
    bool m_held = false; // cancelled on purpose: no new pass until something changes
    QImage m_shown;
    PlotCanvas* m_canvas = nullptr;
    QComboBox* m_quality = nullptr;
    QTimer* m_progress = nullptr;
    std::unique_ptr<PlotWorker> m_worker;
};
