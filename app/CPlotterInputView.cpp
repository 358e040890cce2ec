#include "CPlotterInputView.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include "COrvantaDoc.h"
#include "KeyButton.h"
#include "KeypadSpots.h"
#include "LodrinStarter.h"
#include "ModeTable.h"
#include "Platform.h"
#include "PlotMessages.h"
#include "PlotWindow.h"

namespace {
using namespace KeypadSpots;
namespace M = PlotMessages;
constexpr int COLUMNS = 8;
constexpr int ROWS = 9;
constexpr int FIRST_CONTEXT_KEY = 1453;
constexpr int LAST_CONTEXT_KEY = 1457;
// The 2D sheet's region is taken only within these bounds.
constexpr double SHEET_REGION_LIMIT = 101.0;

// clang-format off
constexpr KeySpot s_keys[] = {
    fn(1429, 0, 0), fn(1430, 0, 1), fn(1440, 0, 2), fn(1459, 0, 3), fn(1432, 0, 4), fn(1284, 0, 5),
    fn(1446, 0, 6), fn(1458, 0, 7),
    fn(1443, 1, 0), fn(1447, 1, 1), fn(1438, 1, 2), fn(1444, 1, 3), state(1453, 1, 4), state(1454, 1, 5),
    state(1455, 1, 6), state(1456, 1, 7),
    state(1457, 2, 0), state(1083, 2, 1), fn(1425, 2, 2), fn(1426, 2, 3), fn(1427, 2, 4), fn(1068, 2, 5),
    fn(1428, 2, 6), fn(1421, 2, 7),
    digit(1402, 3, 0), digit(1403, 3, 1), digit(1404, 3, 2), op(1414, 3, 3), op(1276, 3, 4), op(1277, 3, 5),
    fn(1279, 3, 6), fn(1071, 3, 7),
    digit(1405, 4, 0), digit(1406, 4, 1), digit(1407, 4, 2), op(1415, 4, 3), fn(1032, 4, 4), fn(1033, 4, 5),
    state(1361, 4, 6), state(1360, 4, 7),
    digit(1408, 5, 0), digit(1409, 5, 1), digit(1410, 5, 2), op(1416, 5, 3), fn(1038, 5, 4), fn(1039, 5, 5),
    state(1089, 5, 6), state(1059, 5, 7),
    digit(1411, 6, 0), digit(1413, 6, 1), op(1326, 6, 2), op(1417, 6, 3), fn(1323, 6, 4), fn(1508, 6, 5),
    equals(1023, 6, 6, 2),
    user(1216, 7, 0), user(1217, 7, 1), user(1218, 7, 2), user(1219, 7, 3), user(1220, 7, 4),
    user(1221, 7, 5), user(1222, 7, 6), state(1249, 7, 7),
    user(1223, 8, 0), user(1224, 8, 1), user(1225, 8, 2), user(1226, 8, 3), user(1227, 8, 4),
    user(1228, 8, 5), user(1229, 8, 6), state(1362, 8, 7),
};
// clang-format on

// Captions this keypad gives its keys, English and German.
struct PlotterCaption {
    int id;
    const wchar_t* english;
    const wchar_t* german;
};
constexpr PlotterCaption s_captions[] = {
    {1429, L"f(x)", L"f(x)"},
    {1430, L"f(y)", L"f(y)"},
    {1440, L"f(x,y)", L"f(x,y)"},
    {1459, L"f(t,x)", L"f(t,x)"},
    {1432, L"z=f(x,y)", L"z=f(x,y)"},
    {1284, L"z=f(t)", L"z=f(t)"},
    {1446, L"f(t)=[]", L"f(t)=[]"},
    {1458, L"polar", L"polar"},
    {1443, L"f(n)", L"f(n)"},
    {1447, L"f(n-1)", L"f(n-1)"},
    {1438, L"z(n+1)", L"z(n+1)"},
    {1444, L"z(0)", L"z(0)"},
    {1032, L"L+", L"L+"},
    {1033, L"L\u2212", L"L\u2212"},
    {1038, L"LC", L"LL"},
    {1039, L"LR", L"LA"},
    {1059, L"Plot\u2026", L"Zeich.\u2026"},
    {1023, L"Plot", L"Zeichnen"},
};

std::wstring text(unsigned id) {
    return OrvantaCalcBase::loadString(id);
}

bool startsWith(const std::wstring& t, const wchar_t* prefix) {
    return PlotFunctions::startsWith(t, prefix);
}
} // namespace

CPlotterInputView::CPlotterInputView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::PLOTTER, parent) {
    installKeypadFor(s_keys, COLUMNS, ROWS);
    connect(inputLine(), &QPlainTextEdit::textChanged, this, [this] { refreshContextKeys(); });
    refreshContextKeys();
}

int CPlotterInputView::listCount() const {
    return memoryList()->count();
}

std::wstring CPlotterInputView::listEntry(int index) const {
    if (index < 0 || index >= listCount()) return std::wstring();
    return memoryList()->itemText(index).toStdWString();
}

PlotFunctionSet CPlotterInputView::functionSet() const {
    PlotFunctionSet set{currentFunction(), {}};
    for (int i = 0; i < listCount(); ++i)
        set.list.push_back(listEntry(i));
    return set;
}

void CPlotterInputView::refreshKeys(int group) {
    CCalculatorView::refreshKeys(group);
    const bool german = document().m_language != 0;
    for (const PlotterCaption& c : s_captions)
        if (KeyButton* k = key(c.id)) k->setCaption(german ? c.german : c.english, k->captionStyle());
}

// The context keys follow the input's type instead of going blank.
void CPlotterInputView::clearFunctionCaptions() {
    refreshContextKeys();
}

void CPlotterInputView::refreshContextKeys() {
    const std::wstring input = inputText();
    for (int id = FIRST_CONTEXT_KEY; id <= LAST_CONTEXT_KEY; ++id)
        if (KeyButton* k = key(id)) k->setCaption(KeyTable::contextText(id, input), k->captionStyle());
}

void CPlotterInputView::calculateInput() {
    const PlotFunctionSet set = functionSet();
    IMessageBox& box = Platform::messageBox();
    if (set.empty()) {
        box.show(this, text(M::NO_FUNCTION), L"Orvanta", MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    if (startsWith(set.current, L"z=") && !set.list.empty())
        box.show(this, text(M::ONLY_3D_NOTICE), L"Orvanta", MessageIcon::None, MessageButtons::Ok);
    const auto refused = PlotFunctions::checkSet(set, [this](const std::wstring& f, std::wstring& message) {
        return document().checkFunction(f, message);
    });
    if (refused) {
        box.show(this, *refused, L"Orvanta", MessageIcon::None, MessageButtons::Ok);
        return;
    }
    PlotTRange t;
    if (startsWith(set.current, L"f(t,x)=")) {
        LodrinStarter starter(this);
        if (!starter.showRangeSteps(t.from, t.to, t.step)) return;
        if (!t.valid()) return; // the family needs an ascending range and a step of at least 1
    }
    PlotWindow window(document(), *this, this);
    window.setTRange(t);
    window.runModal();
    focusInput();
}

void CPlotterInputView::viewHook() {
    const std::wstring input = inputText();
    if (startsWith(input, L"z="))
        showSheet3D();
    else if (startsWith(input, L"z(n+1)="))
        showSheetFractal();
    else
        showSheet2D();
}

void CPlotterInputView::showSheet2D() {
    COrvantaDoc& doc = document();
    PlotSettings& p = doc.m_plot;
    double xmin = p.xmin, xmax = p.xmax, ymin = p.ymin, ymax = p.ymax;
    bool pi = p.piScale, e = p.eScale;
    int quality = p.quality, type = p.type, lineWidth = p.lineWidth;
    unsigned long background = p.background2D;
    unsigned long c[4] = {p.functionColours[0], p.functionColours[1], p.functionColours[2],
                          p.functionColours[3]};
    LodrinStarter starter(this);
    if (!starter.showPlotteroptions(xmin, xmax, ymin, ymax, pi, e, quality, type, lineWidth, background, c[0],
                                    c[1], c[2], c[3]))
        return;
    if (xmin > -SHEET_REGION_LIMIT && xmax < SHEET_REGION_LIMIT && ymin > -SHEET_REGION_LIMIT &&
        ymax < SHEET_REGION_LIMIT) {
        p.xmin = xmin;
        p.xmax = xmax;
        p.ymin = ymin;
        p.ymax = ymax;
    }
    p.piScale = pi;
    p.eScale = e;
    p.quality = quality;
    p.type = type;
    p.lineWidth = lineWidth;
    p.background2D = static_cast<ColorRef>(background & 0xFFFFFF);
    for (int i = 0; i < 4; ++i)
        p.functionColours[i] = static_cast<ColorRef>(c[i] & 0xFFFFFF);
    doc.writeColours();
}

void CPlotterInputView::showSheet3D() {
    PlotSettings& p = document().m_plot;
    PlotSettings s = p;
    unsigned long fore = s.foreColour3D, back = s.backColour3D;
    LodrinStarter starter(this);
    if (!starter.showPlotteroptions3D(s.xmin, s.xmax, s.ymin, s.ymax, s.zmin, s.zmax, s.automaticZ, s.quality,
                                      s.angleA, s.angleB, s.lineWidth, fore, back))
        return;
    s.foreColour3D = static_cast<ColorRef>(fore & 0xFFFFFF);
    s.backColour3D = static_cast<ColorRef>(back & 0xFFFFFF);
    p = s;
}

void CPlotterInputView::showSheetFractal() {
    PlotSettings& p = document().m_plot;
    PlotSettings s = p;
    unsigned long zero = s.colourZero, max = s.colourMax;
    LodrinStarter starter(this);
    if (!starter.showPlotteroptionsComplex(s.xmin, s.xmax, s.ymin, s.ymax, s.iterations, s.valueBorder,
                                           s.quality, zero, max))
        return;
    s.colourZero = static_cast<ColorRef>(zero & 0xFFFFFF);
    s.colourMax = static_cast<ColorRef>(max & 0xFFFFFF);
    p = s;
}
