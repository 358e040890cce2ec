#include <QLabel>
#include <functional>
#include <memory>

#include "CDlgAddMetric.h"
#include "CDlgAddMetricKind.h"
#include "CDlgConstants.h"
#include "CDlgDelMetric.h"
#include "CDlgDelMetricKind.h"
#include "CDlgHistory.h"
#include "CDlgItemSelection.h"
#include "CDlgLoadEquation.h"
#include "CDlgMyFunctions.h"
#include "CDlgNewFunction.h"
#include "CDlgParameters.h"
#include "CDlgRegressionModel.h"
#include "CDlgSelect.h"
#include "CDlgStatisticOptions.h"
#include "CDlgStoreEquation.h"
#include "CDlgXPos.h"
#include "DialogTest.h"
#include "Screen.h"

namespace {
// A control is cut off when it lies outside the dialog or got less room
// than it needs (the layout then squeezes it).
bool cutOff(const QWidget& dialog, const QWidget& w) {
    if (!dialog.rect().contains(QRect(w.mapTo(&dialog, QPoint(0, 0)), w.size()))) return true;
    // A wrapped text needs its lines.
    if (qobject_cast<const QLabel*>(&w) && w.hasHeightForWidth())
        return w.height() < w.heightForWidth(w.width());
    // An explicit minimum is what the layout keeps to, else the hint.
    const QSize hint = w.minimumSizeHint();
    const int width = w.minimumWidth() > 0 ? w.minimumWidth() : hint.width();
    const int height = w.minimumHeight() > 0 ? w.minimumHeight() : hint.height();
    return w.width() < width || w.height() < height;
}

// The first control that the dialog cuts off, or null.
const QWidget* clippedControl(const QWidget& dialog) {
    for (const QWidget* w : dialog.findChildren<QWidget*>())
        if (w->isVisible() && w->window() == &dialog && cutOff(dialog, *w)) return w;
    return nullptr;
}
} // namespace

// The dialogs must stay usable on the smallest device screen, in both
// languages and with long entries in their lists: within the screen, and
// nothing cut off.
TEST_F(DialogTest, DialogsFitTheSmallestScreen) {
    constexpr int WIDTH = 240;
    constexpr int HEIGHT = 320;
    ASSERT_TRUE(Screen::setSize(WIDTH, HEIGHT));
    const std::wstring longText(120, L'W');
    const std::pair<const char*, std::function<std::unique_ptr<CLodrinDialog>()>> dialogs[] = {
        {"select",
         [&] {
             auto d = std::make_unique<CDlgSelect>(nullptr);
             d->m_expressions = {longText};
             d->m_constants = {longText};
             return d;
         }},
        {"constants",
         [&] {
             auto d = std::make_unique<CDlgConstants>(nullptr);
             d->m_keys = {longText};
             d->m_values = {longText};
             return d;
         }},
        {"my functions",
         [&] {
             auto d = std::make_unique<CDlgMyFunctions>(nullptr);
             d->m_descriptions = {L"abcd"};
             d->m_expressions = {longText};
             return d;
         }},
        {"history",
         [&] {
             auto d = std::make_unique<CDlgHistory>(nullptr);
             d->m_items = {longText};
             return d;
         }},
        {"load equation",
         [&] {
             auto d = std::make_unique<CDlgLoadEquation>(nullptr);
             d->m_names = {longText};
             d->m_equations = {longText};
             d->m_selected = 0;
             return d;
         }},
        {"store equation",
         [&] {
             auto d = std::make_unique<CDlgStoreEquation>(nullptr);
             d->m_names = {longText};
             d->m_equation = longText;
             return d;
         }},
        {"parameters", [] { return std::make_unique<CDlgParameters>(nullptr); }},
        {"new function", [] { return std::make_unique<CDlgNewFunction>(nullptr); }},
        {"add metric",
         [&] {
             auto d = std::make_unique<CDlgAddMetric>(nullptr);
             d->m_kinds = {longText};
             d->m_bases = {L"meter"};
             return d;
         }},
        {"add kind", [] { return std::make_unique<CDlgAddMetricKind>(nullptr); }},
        {"delete metric",
         [&] {
             auto d = std::make_unique<CDlgDelMetric>(nullptr);
             d->m_items = {longText};
             return d;
         }},
        {"delete kind", [] { return std::make_unique<CDlgDelMetricKind>(nullptr); }},
        {"statistics", [] { return std::make_unique<CDlgStatisticOptions>(nullptr); }},
        {"regression", [] { return std::make_unique<CDlgRegressionModel>(nullptr); }},
        {"x position", [] { return std::make_unique<CDlgXPos>(nullptr); }},
        {"item selection",
         [&] {
             auto d = std::make_unique<CDlgItemSelection>(LodrinStarter::loadString(42296),
                                                          LodrinStarter::loadString(42296), nullptr);
             d->m_items = {longText};
             return d;
         }},
    };
    for (int language : {0, 1}) {
        LodrinStarter::setLanguage(language);
        for (const auto& [name, create] : dialogs) {
            SCOPED_TRACE(testing::Message() << name << " language " << language);
            for (bool fullScreen : {false, true}) {
                std::unique_ptr<CLodrinDialog> dialog = create();
                dialog->setFullScreen(fullScreen);
                dialog->show();
                EXPECT_LE(dialog->width(), WIDTH);
                EXPECT_LE(dialog->height(), HEIGHT);
                if (const QWidget* clipped = clippedControl(*dialog))
                    ADD_FAILURE() << "cut off: " << clipped->metaObject()->className() << " "
                                  << clipped->objectName().toStdString();
            }
        }
    }
    Screen::setSize(Screen::DEFAULT_WIDTH, Screen::DEFAULT_HEIGHT);
}
