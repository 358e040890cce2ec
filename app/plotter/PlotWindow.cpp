#include "PlotWindow.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cstdio>
#include <tuple>

#include "COrvantaDoc.h"
#include "Platform.h"
#include "Plot2DRenderer.h"
#include "Plot3DRenderer.h"
#include "PlotMessages.h"
#include "PlotPicture.h"
#include "PlotStatistics.h"
#include "Screen.h"

namespace M = PlotMessages;

namespace {
constexpr int PROGRESS_INTERVAL_MS = 40; // how often the growing picture is shown
constexpr int WHEEL_NOTCH = 120;
constexpr int ROTATE_DRAG = 20; // pixels of a drag per rotation step

// The toolbar's commands in order, with their glyphs and bilingual captions.
struct ToolCommand {
    int id;
    const char* glyph;
    const char* caption;
};
const ToolCommand s_commands[] = {
    {M::ID_ZOOM_IN, "+", "Hineinzoomen / Zoom In"},
    {M::ID_ZOOM_OUT, "\u2212", "Herauszoomen / Zoom Out"},
    {M::ID_LAST_REGION, "\u21B6", "Letzter Bereich / Last Region"},
    {M::ID_FIRST_REGION, "\u2302", "Erster Bereich / First Region"},
    {M::ID_MOVE_RIGHT, "\u2192", "Nach rechts / Move Right"},
    {M::ID_MOVE_LEFT, "\u2190", "Nach links / Move Left"},
    {M::ID_MOVE_UP, "\u2191", "Nach oben / Move Up"},
    {M::ID_MOVE_DOWN, "\u2193", "Nach unten / Move Down"},
    {M::ID_SAVE, "\u21E9", "Bild speichern / Save Picture"},
    {M::ID_CANCEL_PLOT, "\u2715", "Zeichnen abbrechen / Cancel Plotting"},
};

PlotWindow::ModalRunner& modalRunner() {
    static PlotWindow::ModalRunner runner;
    return runner;
}

std::wstring text(unsigned id) {
    return OrvantaCalcBase::loadString(id);
}

// A statistics plot starts on the region of its data, a function plot on
// the plotter's region.
PlotRegion startRegion(const COrvantaDoc& document, const IPlotSource& source) {
    if (const std::shared_ptr<const PlotStatistics> data = source.statistics()) return data->region;
    return PlotRegion{document.m_plot.xmin, document.m_plot.xmax, document.m_plot.ymin, document.m_plot.ymax};
}

void showMessage(QWidget* parent, unsigned id, MessageIcon icon) {
    Platform::messageBox().show(parent, text(id), L"Orvanta", icon, MessageButtons::Ok);
}
} // namespace

// The client area: shows the picture and takes the mouse.
class PlotCanvas : public QWidget {
public:
    explicit PlotCanvas(PlotWindow& window) : QWidget(&window), m_window(window) {
        setMouseTracking(false);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(60, 60);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_window.paintCanvas(painter);
    }
    void resizeEvent(QResizeEvent*) override {
        m_window.m_worker->cancel(true);
        m_window.m_selection = {};
        m_window.redraw();
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            m_window.penDown(e->position().toPoint());
        } else if (e->button() == Qt::RightButton || e->button() == Qt::MiddleButton) {
            m_window.m_panning = true;
            m_window.m_pan_from = e->position().toPoint();
            m_window.m_pan_offset = {};
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (m_window.m_panning) {
            m_window.m_pan_offset = e->position().toPoint() - m_window.m_pan_from;
            update();
        } else if (e->buttons() & Qt::LeftButton) {
            m_window.penMove(e->position().toPoint());
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            m_window.penUp(e->position().toPoint());
        } else if (m_window.m_panning) {
            m_window.m_panning = false;
            m_window.panBy(e->position().toPoint() - m_window.m_pan_from);
        }
    }
    void wheelEvent(QWheelEvent* e) override {
        m_wheel += e->angleDelta().y();
        while (std::abs(m_wheel) >= WHEEL_NOTCH) {
            const int direction = m_wheel > 0 ? 1 : -1;
            m_wheel -= direction * WHEEL_NOTCH;
            m_window.wheelZoom(direction, e->position().toPoint());
        }
        e->accept();
    }

private:
    PlotWindow& m_window;
    int m_wheel = 0;
};

PlotWindow::PlotWindow(COrvantaDoc& document, const IPlotSource& source, QWidget* parent)
    : QDialog(parent), m_document(document), m_source(source), m_settings(document.m_plot),
      m_regions(startRegion(document, source)) {
    setObjectName(QStringLiteral("108"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolbar(layout);
    m_canvas = new PlotCanvas(*this);
    m_canvas->setObjectName(QString::fromLatin1(CANVAS_NAME));
    layout->addWidget(m_canvas, 1);
    m_progress = new QTimer(this);
    m_progress->setInterval(PROGRESS_INTERVAL_MS);
    connect(m_progress, &QTimer::timeout, this, [this] { m_worker->requestPicture(); });
    m_worker = std::make_unique<PlotWorker>(
        document.engine(),
        [this] {
            QMetaObject::invokeMethod(
                this, [this] { pictureReady(); }, Qt::QueuedConnection);
        },
        [this](PlotPass::Result r) {
            QMetaObject::invokeMethod(
                this, [this, r] { passFinished(static_cast<int>(r)); }, Qt::QueuedConnection);
        });
    // A desktop window: as large as the main window, resizable and maximisable.
    if (parent)
        resize(parent->window()->size());
    else
        resize(Screen::width(), Screen::height());
}

PlotWindow::~PlotWindow() {
    m_worker.reset(); // cancels and joins before the widgets go
}

QWidget* PlotWindow::canvas() const {
    return m_canvas;
}

void PlotWindow::buildToolbar(QVBoxLayout* layout) {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_quality = new QComboBox(bar);
    m_quality->setObjectName(QString::number(M::ID_QUALITY));
    m_quality->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    m_quality->setCurrentIndex(std::clamp(m_settings.quality, 1, 4) - 1);
    m_quality->setMinimumWidth(Screen::HiRes() ? 50 : 25);
    bar->addWidget(m_quality);
    connect(m_quality, &QComboBox::currentIndexChanged, this, [this](int index) { setQuality(index + 1); });
    for (const ToolCommand& c : s_commands) {
        QAction* action = bar->addAction(QString::fromUtf8(c.glyph));
        action->setObjectName(QString::number(c.id));
        action->setToolTip(QString::fromUtf8(c.caption));
        connect(action, &QAction::triggered, this, [this, id = c.id] { command(id); });
    }
    layout->addWidget(bar);
}

PlotWindow::ModalRunner PlotWindow::setModalRunner(ModalRunner runner) {
    ModalRunner previous = std::move(modalRunner());
    modalRunner() = std::move(runner);
    return previous;
}

int PlotWindow::runModal() {
    if (modalRunner()) return modalRunner()(*this);
    return exec();
}

PlotJob PlotWindow::currentJob() const {
    PlotJob job = PlotJob::fromDocument(m_document);
    job.settings = m_settings;
    job.region = m_regions.current();
    job.functions = m_source.functionSet();
    job.statistics = m_source.statistics();
    job.t = m_t;
    return job;
}

// ---- Paint cycle ----

void PlotWindow::paintCanvas(QPainter& painter) {
    if (!m_worker->complete() && !m_worker->running() && !m_held) startPass();
    painter.fillRect(m_canvas->rect(), Qt::white);
    painter.drawImage(m_panning ? m_pan_offset : QPoint(0, 0), m_shown);
    if (!m_selection.empty() || m_pen_active) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRect(QPoint(m_selection.left, m_selection.top), QPoint(m_selection.right, m_selection.bottom)));
    }
    if (m_readout_shown) {
        const QString t = readout(m_pen_latest);
        painter.setFont(Plot2DRenderer::plotFont(Screen::HiRes()));
        const QRect size = painter.fontMetrics().boundingRect(QRect(0, 0, 10000, 1000), 0, t);
        QPoint origin = m_pen_latest;
        origin.setX(std::min(origin.x(), m_canvas->width() - size.width()));
        origin.setY(std::max(origin.y(), 5));
        painter.setPen(Qt::white);
        painter.drawText(QRect(origin, size.size()), Qt::AlignCenter, t);
    }
}

void PlotWindow::startPass() {
    m_worker->start(currentJob(), m_canvas->size());
    m_progress->start();
}

void PlotWindow::redraw() {
    m_held = false;
    m_worker->invalidate();
    m_canvas->update();
}

void PlotWindow::pictureReady() {
    m_shown = m_worker->picture();
    m_canvas->update();
}

void PlotWindow::passFinished(int result) {
    if (!m_worker->running()) m_progress->stop();
    pictureReady();
    if (static_cast<PlotPass::Result>(result) == PlotPass::Result::OutOfMemory) {
        m_held = true;
        showMessage(this, M::OUT_OF_MEMORY, MessageIcon::Exclamation);
    }
}

// ---- Commands ----

void PlotWindow::command(int id) {
    switch (id) {
    case M::ID_ZOOM_IN:
        zoomBy(1);
        break;
    case M::ID_ZOOM_OUT:
        zoomBy(-1);
        break;
    case M::ID_LAST_REGION:
        m_worker->cancel(true);
        m_regions.toLast();
        redraw();
        break;
    case M::ID_FIRST_REGION:
        m_worker->cancel(true);
        m_regions.toFirst();
        redraw();
        break;
    case M::ID_MOVE_RIGHT:
        moveBy(-1, 0);
        break;
    case M::ID_MOVE_LEFT:
        moveBy(1, 0);
        break;
    case M::ID_MOVE_UP:
        moveBy(0, -1);
        break;
    case M::ID_MOVE_DOWN:
        moveBy(0, 1);
        break;
    case M::ID_SAVE:
        save();
        break;
    case M::ID_CANCEL_PLOT:
        if (m_worker->running()) m_held = true;
        m_worker->cancel(true);
        break;
    default:
        break;
    }
}

void PlotWindow::setQuality(int quality) {
    quality = std::clamp(quality, 1, 4);
    m_worker->cancel(true);
    m_settings.quality = quality;
    if (m_quality->currentIndex() != quality - 1) m_quality->setCurrentIndex(quality - 1);
    redraw();
}

void PlotWindow::takeRegion(const std::optional<PlotRegion>& next) {
    if (!next) return; // an empty, inverted or out-of-range region is ignored
    m_selection = {};
    m_regions.take(*next);
    redraw();
}

void PlotWindow::zoomBy(int direction) {
    m_worker->cancel(true);
    const bool startValue = PlotFunctions::isStartValueFractal(m_source.functionSet());
    takeRegion(PlotNavigation::zoom(m_regions.current(), direction, m_selection, m_canvas->width(),
                                    m_canvas->height(), startValue));
}

void PlotWindow::moveBy(int dx, int dy) {
    m_worker->cancel(true);
    if (is3D()) {
        // The move commands turn a 3D picture: right and left change angle
        // A, up and down angle B, ten degrees a step.
        rotateBy(dx * Plot3DRenderer::ANGLE_STEP, dy * Plot3DRenderer::ANGLE_STEP);
        return;
    }
    takeRegion(PlotNavigation::move(m_regions.current(), dx, dy));
}

bool PlotWindow::is3D() const {
    return PlotFunctions::kindOf(m_source.functionSet()) == PlotKind::Surface3D;
}

void PlotWindow::rotateBy(int dA, int dB) {
    const auto angles = Plot3DRenderer::rotate(m_settings.angleA, m_settings.angleB, dA, dB);
    if (!angles) return; // beyond -90..90 or 0..90: ignored
    m_worker->cancel(true);
    std::tie(m_settings.angleA, m_settings.angleB) = *angles;
    redraw();
}

void PlotWindow::wheelZoom(int direction, const QPoint& p) {
    m_worker->cancel(true);
    const double fx = static_cast<double>(p.x()) / std::max(1, m_canvas->width());
    const double fy = static_cast<double>(p.y()) / std::max(1, m_canvas->height());
    takeRegion(PlotNavigation::zoomAbout(m_regions.current(), direction, fx, fy));
}

void PlotWindow::panBy(const QPoint& offset) {
    m_pan_offset = {};
    if (offset.isNull()) {
        m_canvas->update();
        return;
    }
    m_worker->cancel(true);
    const PlotRegion& r = m_regions.current();
    const double dx = -offset.x() * (r.xmax - r.xmin) / std::max(1, m_canvas->width());
    const double dy = offset.y() * (r.ymax - r.ymin) / std::max(1, m_canvas->height());
    const std::optional<PlotRegion> next = PlotNavigation::shift(r, dx, dy);
    if (!next) m_canvas->update();
    takeRegion(next);
}

// ---- Pen input ----

void PlotWindow::penDown(const QPoint& p) {
    if (is3D()) {
        m_rotate_from = p;
        return;
    }
    m_pen_down = p;
    m_pen_latest = p;
    m_pen_active = true;
    m_readout_shown = true;
    m_selection = {};
    m_canvas->update();
}

void PlotWindow::penMove(const QPoint& p) {
    if (is3D()) {
        // A drag turns by one step per ROTATE_DRAG pixels: across for A, down for B.
        const QPoint moved = p - m_rotate_from;
        const int stepsA = moved.x() / ROTATE_DRAG, stepsB = moved.y() / ROTATE_DRAG;
        if (stepsA == 0 && stepsB == 0) return;
        m_rotate_from += QPoint(stepsA * ROTATE_DRAG, stepsB * ROTATE_DRAG);
        rotateBy(-stepsA * Plot3DRenderer::ANGLE_STEP, stepsB * Plot3DRenderer::ANGLE_STEP);
        return;
    }
    if (!m_pen_active) return;
    m_pen_latest = p;
    const QRect r = QRect(m_pen_down, p).normalized();
    m_selection = PlotSelection{r.left(), r.right(), r.top(), r.bottom()};
    m_readout_shown = true;
    m_canvas->update();
}

void PlotWindow::penUp(const QPoint& p) {
    penMove(p);
    if (is3D()) return;
    m_pen_active = false;
    m_readout_shown = false;
    m_canvas->update();
}

QString PlotWindow::readout(const QPoint& point) const {
    const PlotRegion& r = m_regions.current();
    const double w = std::max(1, m_canvas->width());
    const double h = std::max(1, m_canvas->height());
    const double x = r.xmin + point.x() * (r.xmax - r.xmin) / w;
    char text[160];
    const PlotFunctionSet set = m_source.functionSet();
    if (PlotFunctions::isFractal(set)) {
        const double y = r.ymax - point.y() * (r.ymax - r.ymin) / h;
        std::snprintf(text, sizeof text, "x:%e\r\ny:%e", x, y);
        return QString::fromLatin1(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    }
    const double y = r.ymin - (point.y() - h) * (r.ymax - r.ymin) / h;
    PlotJob job;
    job.functions = set;
    job.settings = m_settings;
    const AxisUnits units = Plot2DRenderer::axisUnits(job);
    const bool xPi = units.xPi, yPi = units.yPi;
    const char* format = xPi && yPi ? "x:%.3fpi/2;y:%.3fpi/2"
                         : xPi      ? "x:%.3fpi/2;y:%.3f"
                         : yPi      ? "x:%.3f;y:%.3fpi/2"
                                    : "x:%.3f;y:%.3f";
    std::snprintf(text, sizeof text, format, x, y);
    return QString::fromLatin1(text);
}

// ---- Saving ----

void PlotWindow::save() {
    if (!m_worker->complete()) return; // only a finished picture is saved
    std::wstring path;
    const std::wstring filter = L"Bitmap Files (*.bmp);;PNG Files (*.png);;SVG Files (*.svg)";
    const bool german = m_document.m_language != 0;
    if (!Platform::fileDialog().saveFile(this, german ? L"Bild speichern" : L"Save Picture", filter, L"bmp",
                                         path))
        return;
    QString target = QString::fromStdWString(path);
    if (PlotPicture::formatOf(target) == PlotPicture::Format::Unknown) target += QStringLiteral(".bmp");
    savePicture(target);
    m_canvas->update();
}

bool PlotWindow::savePicture(const QString& path) {
    QByteArray bytes;
    switch (PlotPicture::formatOf(path)) {
    case PlotPicture::Format::Svg:
        // No pass runs while the picture is complete, so the engine is free here.
        bytes = PlotPass::renderSvg(currentJob(), m_canvas->size(), m_document.engine());
        break;
    case PlotPicture::Format::Png:
        bytes = PlotPicture::encodePng(m_shown);
        break;
    default:
        if (m_shown.isNull()) {
            showMessage(this, M::INTERNAL_ERROR, MessageIcon::Stop);
            return false;
        }
        // The bitmap has the size of the device screen, as on the handheld.
        bytes = PlotPicture::encodeBmp(m_shown, QSize(Screen::width(), Screen::height()));
        break;
    }
    if (!PlotPicture::writeAtomically(path, bytes)) {
        showMessage(this, M::SAVE_FAILED, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

// ---- Closing, keys, activation ----

void PlotWindow::accept() {
    if (m_worker->running()) {
        m_held = true;
        m_worker->cancel(true); // the first close only stops the pass
        return;
    }
    // The region of a statistics plot belongs to its data, not to the plotter.
    const std::optional<PlotRegion> r =
        m_source.statistics() ? std::nullopt : PlotNavigation::closingRegion(m_regions.current());
    if (r) {
        m_document.m_plot.xmin = r->xmin;
        m_document.m_plot.xmax = r->xmax;
        m_document.m_plot.ymin = r->ymin;
        m_document.m_plot.ymax = r->ymax;
    }
    if (is3D()) {
        m_document.m_plot.angleA = m_settings.angleA;
        m_document.m_plot.angleB = m_settings.angleB;
    }
    QDialog::accept();
}

void PlotWindow::reject() {
    accept();
}

void PlotWindow::keyPressEvent(QKeyEvent* event) {
    struct KeyCommand {
        int key;
        int id;
    };
    static const KeyCommand keys[] = {
        {Qt::Key_Plus, M::ID_ZOOM_IN},      {Qt::Key_Equal, M::ID_ZOOM_IN},
        {Qt::Key_Minus, M::ID_ZOOM_OUT},    {Qt::Key_Right, M::ID_MOVE_RIGHT},
        {Qt::Key_Left, M::ID_MOVE_LEFT},    {Qt::Key_Up, M::ID_MOVE_UP},
        {Qt::Key_Down, M::ID_MOVE_DOWN},    {Qt::Key_Backspace, M::ID_LAST_REGION},
        {Qt::Key_Home, M::ID_FIRST_REGION},
    };
    for (const KeyCommand& k : keys)
        if (event->key() == k.key) {
            command(k.id);
            return;
        }
    if (event->key() == Qt::Key_Escape) {
        if (m_worker->running())
            command(M::ID_CANCEL_PLOT);
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PlotWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (!isActiveWindow()) {
            m_worker->cancel(false);
        } else if (!m_worker->running() && !m_worker->complete()) {
            redraw();
        }
    }
    QDialog::changeEvent(event);
}
