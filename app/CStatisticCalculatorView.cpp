#include "CStatisticCalculatorView.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cwchar>

#include "CGridCtrl.h"
#include "COrvantaDoc.h"
#include "GridViewIds.h"
#include "KeyButton.h"
#include "KeypadSpots.h"
#include "LodrinStarter.h"
#include "ModeTable.h"
#include "Platform.h"
#include "PlotStatistics.h"
#include "PlotWindow.h"
#include "Screen.h"
#include "StatisticsFile.h"

using namespace GridViewIds;
namespace Msg = MessageId;

namespace {
using namespace KeypadSpots;
namespace K = KeyId;
constexpr int COLUMNS = 8;
constexpr int ROWS = 7;
// The walks need this many data columns before they may end.
constexpr std::size_t MIN_WALK = 4;
// Banks of the two switchable keypad rows.
constexpr int BANK_STATISTICS = 0, BANK_USER = 1, BANK_SCIENCE = 2, BANK_MEMORY = 3;

// clang-format off
constexpr KeySpot s_keys[] = {
    fn(K::REGRESSION, 0, 0), fn(K::HISTORY_ADD, 0, 1), fn(K::LOAD, 0, 2), fn(K::STORE, 0, 3),
    fn(K::STATISTICS_OPTIONS, 0, 4), state(K::INV, 0, 5), state(K::STATISTICS_BANK, 0, 6), state(K::OPTIONS, 0, 7),
    // Bank 0: the statistic functions (y values with Inv).
    fn(K::STAT_SUM, 1, 0, BANK_STATISTICS), fn(K::STAT_SUM_SQUARES, 1, 1, BANK_STATISTICS),
    fn(K::STAT_MEAN, 1, 2, BANK_STATISTICS), fn(K::STAT_STDDEV, 1, 3, BANK_STATISTICS),
    fn(K::STAT_VAR, 1, 4, BANK_STATISTICS), fn(K::STAT_MEDIAN, 1, 5, BANK_STATISTICS),
    fn(K::STAT_MIN, 1, 6, BANK_STATISTICS), fn(K::STAT_MAX, 1, 7, BANK_STATISTICS),
    fn(K::STAT_SUM_XY, 2, 0, BANK_STATISTICS), fn(K::STAT_QUANTILE, 2, 1, BANK_STATISTICS),
    fn(K::STAT_STDDEV_POP, 2, 2, BANK_STATISTICS), fn(K::STAT_VAR_POP, 2, 3, BANK_STATISTICS),
    fn(K::STAT_MEAN_GEOM, 2, 4, BANK_STATISTICS), fn(K::STAT_VARCOFF_SAMPLE, 2, 5, BANK_STATISTICS),
    fn(K::STAT_VARCOFF_POP, 2, 6, BANK_STATISTICS), fn(K::SELECT, 2, 7, BANK_STATISTICS),
    // Bank 1: the user functions.
    user(K::USER_1, 1, 0, BANK_USER), user(K::USER_2, 1, 1, BANK_USER), user(K::USER_3, 1, 2, BANK_USER),
    user(K::USER_4, 1, 3, BANK_USER), user(K::USER_5, 1, 4, BANK_USER), user(K::USER_6, 1, 5, BANK_USER),
    user(K::USER_7, 1, 6, BANK_USER), user(K::USER_8, 2, 0, BANK_USER), user(K::USER_9, 2, 1, BANK_USER),
    user(K::USER_10, 2, 2, BANK_USER), user(K::USER_11, 2, 3, BANK_USER), user(K::USER_12, 2, 4, BANK_USER),
    user(K::USER_13, 2, 5, BANK_USER), user(K::USER_14, 2, 6, BANK_USER),
    // Bank 2: scientific functions and the angle unit.
    fn(K::SIN, 1, 0, BANK_SCIENCE), fn(K::COS, 1, 1, BANK_SCIENCE), fn(K::TAN, 1, 2, BANK_SCIENCE),
    fn(K::COT, 1, 3, BANK_SCIENCE), fn(K::LG, 1, 4, BANK_SCIENCE), fn(K::FACTORIAL, 1, 5, BANK_SCIENCE),
    fn(K::MOD, 1, 6, BANK_SCIENCE), fn(K::INT, 1, 7, BANK_SCIENCE),
    state(K::HYP, 2, 0, BANK_SCIENCE), fn(K::CUBE, 2, 1, BANK_SCIENCE), fn(K::EULER, 2, 2, BANK_SCIENCE),
    fn(K::SUM, 2, 3, BANK_SCIENCE), state(K::DEG, 2, 4, BANK_SCIENCE), state(K::RAD, 2, 5, BANK_SCIENCE),
    state(K::GRAD, 2, 6, BANK_SCIENCE),
    // Bank 3: the memory list.
    fn(K::MEMORY_ADD, 1, 0, BANK_MEMORY), fn(K::MEMORY_DELETE, 1, 1, BANK_MEMORY),
    fn(K::MEMORY_CLEAR, 1, 2, BANK_MEMORY), fn(K::MEMORY_INSERT, 1, 3, BANK_MEMORY),
    digit(K::DIGIT_7, 3, 0), digit(K::DIGIT_8, 3, 1), digit(K::DIGIT_9, 3, 2), op(K::DIVIDE, 3, 3),
    op(K::OPEN, 3, 4), op(K::CLOSE, 3, 5), state(K::BACK, 3, 6), state(K::CLEAR, 3, 7),
    digit(K::DIGIT_4, 4, 0), digit(K::DIGIT_5, 4, 1), digit(K::DIGIT_6, 4, 2), op(K::MULTIPLY, 4, 3),
    fn(K::POWER, 4, 4), fn(K::ROOT, 4, 5), fn(K::LN, 4, 6), fn(K::PI, 4, 7),
    digit(K::DIGIT_1, 5, 0), digit(K::DIGIT_2, 5, 1), digit(K::DIGIT_3, 5, 2), op(K::MINUS, 5, 3),
    fn(K::SQUARE, 5, 4), fn(K::ABS, 5, 5), fn(K::EXPONENT, 5, 6), fn(K::CALCULATE, 5, 7),
    digit(K::DIGIT_0, 6, 0, 2), digit(K::POINT, 6, 2), op(K::PLUS, 6, 3), equals(K::EQUALS, 6, 4, 4),
};
// clang-format on

constexpr ViewKey s_view_keys[] = {
    {K::REGRESSION, {L"Regr", L"Regr"}},
    {K::HISTORY_ADD, {L"Show", L"Zeig."}},
    {K::STATISTICS_OPTIONS, {L"mat", L"mat"}},
    {K::CALCULATE, {L"calc", L"ber."}},
};
constexpr Text s_bank_captions[] = {
    {L"Stat", L"Stat"}, {L"Fn", L"Fkt"}, {L"Sci", L"Wiss"}, {L"Mem", L"Spei"}};

bool isNumber(const std::wstring& text, double& value) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    value = std::wcstod(text.c_str(), &end);
    return end && *end == L'\0';
}

std::wstring& appendPair(std::wstring& data, const std::wstring& x, const std::wstring& y) {
    return data.append(x).append(L";").append(y).append(L";");
}

// The trailing ";" goes; an empty walk or one ended too early fails with the
// message that fits the first y cell.
CStatisticCalculatorView::Walk finishPairs(CStatisticCalculatorView::Walk walk, bool endedEarly,
                                            const std::vector<std::wstring>& y) {
    if (walk.data.empty() || endedEarly) {
        walk.failure = !y.empty() && y.front().empty() ? Msg::NO_Y_VALUES : Msg::NOT_ENOUGH_VALUES;
        walk.data.clear();
        return walk;
    }
    walk.data.pop_back();
    return walk;
}

// Spreadsheets with a decimal comma copy "1,5".
std::wstring pastedValue(const QString& text) {
    QString value = text.trimmed();
    value.replace(QLatin1Char(','), QLatin1Char('.'));
    return value.toStdWString();
}
} // namespace

// ---- Walks ----

CStatisticCalculatorView::Walk CStatisticCalculatorView::xValues(const std::vector<std::wstring>& x) {
    Walk walk;
    std::size_t read = 0;
    for (; read < x.size() && !x[read].empty(); ++read) {
        if (read > 0) walk.data += L";";
        walk.data += x[read];
    }
    if (walk.data.empty() || read < 3) {
        walk.failure = Msg::NOT_ENOUGH_VALUES;
        walk.data.clear();
    }
    return walk;
}

CStatisticCalculatorView::Walk CStatisticCalculatorView::calculationPairs(const std::vector<std::wstring>& x,
                                                                          const std::vector<std::wstring>& y) {
    Walk walk;
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (x[i].empty()) continue;
        if (y[i].empty()) return finishPairs(walk, i + 1 < MIN_WALK, y);
        appendPair(walk.data, x[i], y[i]);
    }
    return finishPairs(walk, false, y);
}

CStatisticCalculatorView::Walk CStatisticCalculatorView::regressionPairs(const std::vector<std::wstring>& x,
                                                                         const std::vector<std::wstring>& y) {
    Walk walk;
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (x[i].empty() || y[i].empty()) return finishPairs(walk, i + 1 < MIN_WALK, y);
        appendPair(walk.data, x[i], y[i]);
        walk.yZero = walk.yZero || y[i] == L"0";
    }
    return finishPairs(walk, false, y);
}

// ---- Construction ----

CStatisticCalculatorView::CStatisticCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::STATISTIC, parent), m_state(document.store()) {
    buildGrid();
    restoreGrid();
    installKeypadFor(s_keys, COLUMNS, ROWS);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now) return;
        if (now == m_grid || m_grid->isAncestorOf(now))
            m_grid_active = true;
        else if (now == inputLine())
            m_grid_active = false;
    });
    languageChanged();
}

CStatisticCalculatorView::~CStatisticCalculatorView() {
    m_state.save({m_pairs, pointCount(), row(X_ROW), row(Y_ROW)});
}

void CStatisticCalculatorView::restoreGrid() {
    const StatisticsState::Grid kept = m_state.load();
    const int points = kept.points > 0 ? kept.points : START_POINTS;
    setGridSize(std::max(points, static_cast<int>(kept.x.size())), kept.pairs);
    fillGrid(kept.x, kept.y, 1);
}

void CStatisticCalculatorView::buildGrid() {
    m_grid = new CGridCtrl(this);
    m_grid->setObjectName(QString::number(STATISTICS_GRID));
    // A font that fits the fixed rows.
    QFont cellFont = resultFont();
    cellFont.setPixelSize(rowHeight() * 2 / 3);
    m_grid->setFont(cellFont);
    m_grid->installEventFilter(this);
    setGridSize(START_POINTS, true);
    for (int r = 0; r <= Y_ROW; ++r)
        m_grid->setRowHeight(r, rowHeight());
    const QFontMetrics metrics(cellFont);
    m_grid->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("yy")) + 8);
    // Room for a value like "-12.345" in every column, however many there are.
    m_grid->horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance(QStringLiteral("-12.345")) + 8);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The short landscape screen keeps its room for the keypad: no scroll
    // bar there (the arrow keys still scroll).
    if (landscapeLayout()) m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitGridHeight();
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(layout->indexOf(inputLine()), m_grid);
    // The grid takes height from the keypad: the result line and the memory
    // list share a row, as on the landscape screen.
    if (!landscapeLayout()) {
        const int at = layout->indexOf(resultLine());
        layout->removeWidget(resultLine());
        layout->removeWidget(memoryList());
        auto* row = new QHBoxLayout;
        row->addWidget(resultLine(), 3);
        row->addWidget(memoryList(), 1);
        layout->insertLayout(at, row);
    }
}

int CStatisticCalculatorView::rowHeight() {
    return Screen::HiRes() ? 34 : 17;
}

void CStatisticCalculatorView::fitGridHeight() {
    // The header row and the rows shown, and room for the scroll bar.
    const int rows = m_pairs ? 3 : 2;
    const int scrollBar =
        landscapeLayout() ? 0 : m_grid->horizontalScrollBar()->sizeHint().height();
    m_grid->setFixedHeight(rows * rowHeight() + scrollBar + 2 * m_grid->frameWidth());
}

int CStatisticCalculatorView::pointCount() const {
    return m_grid->getColumnCount() - 1;
}

void CStatisticCalculatorView::setGridSize(int points, bool pairs) {
    m_grid->endEditing();
    points = std::clamp(points, 1, MAX_POINTS);
    m_grid->setRowCount(Y_ROW + 1);
    m_grid->setColumnCount(points + 1);
    m_grid->setItemText(X_ROW, 0, L"x");
    m_grid->setItemText(Y_ROW, 0, L"y");
    m_grid->setRowHidden(Y_ROW - 1, !pairs);
    if (m_pairs != pairs) m_regression_done = false;
    m_pairs = pairs;
    fitGridHeight();
}

std::vector<std::wstring> CStatisticCalculatorView::row(int gridRow) const {
    m_grid->endEditing();
    std::vector<std::wstring> cells;
    cells.reserve(static_cast<std::size_t>(pointCount()));
    for (int c = 1; c < m_grid->getColumnCount(); ++c)
        cells.push_back(m_grid->getItemText(gridRow, c));
    return cells;
}

// ---- Keys and texts ----

void CStatisticCalculatorView::refreshKeys(int group) {
    CCalculatorView::refreshKeys(group);
    const int language = document().m_language;
    labelKeys(*this, s_view_keys, language);
    if (KeyButton* k = key(K::STATISTICS_BANK))
        k->setCaption(s_bank_captions[statisticsBank()].in(language), k->captionStyle());
    for (const KeySpot& spot : s_keys)
        if (KeyButton* k = key(spot.id); k && spot.page >= 0) k->setVisible(spot.page == statisticsBank());
}

void CStatisticCalculatorView::languageChanged() {
    CCalculatorView::languageChanged();
    refreshKeys(ALL_KEYS);
}

bool CStatisticCalculatorView::gridActive() const {
    return m_grid_active && m_grid->isEnabled();
}

void CStatisticCalculatorView::insertTemplate(const std::wstring& text) {
    if (!gridActive()) return CCalculatorView::insertTemplate(text);
    int back = 0;
    if (text.find(L"(,)") != std::wstring::npos)
        back = 2;
    else if (text.find(L"()") != std::wstring::npos)
        back = 1;
    m_grid->insertText(text, back);
}

void CStatisticCalculatorView::deleteBackward() {
    if (gridActive())
        m_grid->sendBackspace();
    else
        CCalculatorView::deleteBackward();
}

void CStatisticCalculatorView::paste() {
    if (gridActive())
        pasteData(QApplication::clipboard()->text());
    else
        CCalculatorView::paste();
}

bool CStatisticCalculatorView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        pasteData(QApplication::clipboard()->text());
        return true;
    }
    return CCalculatorView::eventFilter(watched, event);
}

// ---- Messages ----

void CStatisticCalculatorView::stop(unsigned id, MessageIcon icon) {
    Platform::messageBox().show(this, message(id), L"Orvanta", icon, MessageButtons::Ok);
}

void CStatisticCalculatorView::stopText(const std::wstring& text) {
    Platform::messageBox().show(this, text, L"Orvanta", MessageIcon::Stop, MessageButtons::Ok);
}

bool CStatisticCalculatorView::validate() {
    m_grid->endEditing();
    // At least four points; only the columns the grid has are looked at.
    const int last = std::min(MIN_POINTS, pointCount());
    for (int c = 1; c <= last; ++c) {
        const bool x = !m_grid->getItemText(X_ROW, c).empty();
        const bool y = !m_pairs || !m_grid->getItemText(Y_ROW, c).empty();
        if (!x || !y) {
            stop(Msg::NOT_ENOUGH_VALUES, MessageIcon::Stop);
            return false;
        }
    }
    return true;
}

// ---- Calculate, regression, show ----

void CStatisticCalculatorView::calculateInput() {
    m_regression_done = false;
    if (!validate()) return;
    std::wstring formula = inputText();
    const Walk walk = m_pairs ? calculationPairs(row(X_ROW), row(Y_ROW)) : xValues(row(X_ROW));
    std::wstring result;
    if (walk.failure) {
        result = message(walk.failure);
    } else {
        std::wstring data = walk.data;
        if (m_pairs)
            document().calculateStatisticXY(formula, result, data);
        else
            document().calculateStatisticX(formula, result, data);
    }
    setResultText(result);
    resultLine()->setFocus();
}

void CStatisticCalculatorView::regression() {
    m_regression_done = false;
    if (!validate()) return;
    if (!m_pairs) {
        stop(Msg::REGRESSION_XY_ONLY, MessageIcon::Exclamation);
        setResultText(message(Msg::REGRESSION_XY_ONLY));
        return;
    }
    const Walk walk = regressionPairs(row(X_ROW), row(Y_ROW));
    if (walk.failure) {
        setResultText(message(walk.failure));
        return;
    }
    int model = 0;
    LodrinStarter starter(this);
    if (!starter.showRegressionModel(model)) return;
    setResultText(message(Msg::CALCULATING_WORD));
    const auto type = static_cast<CalculatorModes::REGRESSIONTYPE>(model);
    std::wstring fitted, quality;
    if (type == CalculatorModes::REG_EXPONENTIAL && walk.yZero) {
        quality = message(Msg::REGRESSION_Y_ZERO);
    } else {
        std::wstring data = walk.data;
        m_regression_done = document().calculateStatisticRegression(type, fitted, quality, data);
    }
    setResultText(quality);
    setInputText(fitted);
}

void CStatisticCalculatorView::afterHistory() {
    if (!m_pairs) {
        stop(Msg::XY_MODE_ONLY, MessageIcon::Exclamation);
        return;
    }
    if (!validate()) return;
    m_plot = plotData();
    PlotWindow window(document(), *this, this);
    window.runModal();
    m_plot.reset();
}

double CStatisticCalculatorView::cellValue(const std::wstring& text) {
    double value = 0.0;
    if (isNumber(text, value)) return value;
    // A cell may hold an expression, as the engine reads the data.
    std::wstring input = text, result;
    if (document().calculateNormal(input, result) && isNumber(result, value)) return value;
    return std::nan("");
}

std::shared_ptr<PlotStatistics> CStatisticCalculatorView::plotData() {
    auto data = std::make_shared<PlotStatistics>();
    const std::vector<std::wstring> x = row(X_ROW), y = row(Y_ROW);
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
        if (!x[i].empty() && !y[i].empty()) data->points.emplace_back(cellValue(x[i]), cellValue(y[i]));
    data->region = PlotStatistics::regionOf(data->points);
    data->regression = m_regression_done;
    data->function = inputText();
    return data;
}

// ---- Options, files, paste ----

void CStatisticCalculatorView::statisticsOptions() {
    unsigned type = m_pairs ? 2 : 1;
    int count = pointCount();
    LodrinStarter starter(this);
    if (!starter.showStatisticOptions(type, count)) return;
    setGridSize(count, type == 2);
}

void CStatisticCalculatorView::statisticsSave() {
    if (!validate()) return;
    std::vector<std::wstring> cells;
    const std::vector<std::wstring> x = row(X_ROW), y = row(Y_ROW);
    for (std::size_t i = 0; i < x.size(); ++i) {
        cells.push_back(x[i]);
        if (m_pairs) cells.push_back(y[i]);
    }
    std::wstring path;
    const int language = document().m_language;
    if (!Platform::fileDialog().saveFile(this, TXT_SAVE_TITLE.in(language), L"; separated values (*.csv)", L"csv",
                                         path))
        return;
    // Written beside the old file and renamed over it: a failed save leaves
    // the old file as it was.
    const std::string bytes = StatisticsFile::write(cells);
    QSaveFile file(QString::fromStdWString(path));
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit())
        stop(Msg::FILE_NOT_CREATED, MessageIcon::Stop);
}

void CStatisticCalculatorView::statisticsLoad() {
    std::wstring path;
    const int language = document().m_language;
    if (!Platform::fileDialog().openFile(this, TXT_LOAD_TITLE.in(language), TXT_LOAD_FILTER.in(language), path))
        return;
    QFile file(QString::fromStdWString(path));
    if (!file.open(QIODevice::ReadOnly)) return stop(Msg::FILE_NOT_OPENED, MessageIcon::Stop);
    if (file.size() > static_cast<qint64>(StatisticsFile::MAX_BYTES))
        return stopText(TXT_FILE_TOO_LARGE.in(language));
    // Read no more than the limit allows, whatever the size said.
    const QByteArray bytes = file.read(static_cast<qint64>(StatisticsFile::MAX_BYTES) + 1);
    const StatisticsFile::Data data =
        StatisticsFile::read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), m_pairs);
    switch (data.status) {
    case StatisticsFile::Status::Ok:
        break;
    case StatisticsFile::Status::OddCount:
        return stop(Msg::INVALID_XY_FILE, MessageIcon::Stop);
    case StatisticsFile::Status::TooLarge:
        return stopText(TXT_FILE_TOO_LARGE.in(language));
    case StatisticsFile::Status::TooManyPoints:
        return stopText(TXT_TOO_MANY_POINTS.in(language));
    case StatisticsFile::Status::ValueTooLong:
        return stopText(TXT_VALUE_TOO_LONG.in(language));
    }
    // The loaded points replace the grid; the grid keeps the least size the
    // settings allow.
    setGridSize(std::max(static_cast<int>(data.x.size()), MIN_POINTS), m_pairs);
    for (int c = 1; c < m_grid->getColumnCount(); ++c)
        for (int r = X_ROW; r <= Y_ROW; ++r)
            m_grid->setItemText(r, c, std::wstring());
    fillGrid(data.x, data.y, 1);
    m_grid->clearSelection();
    m_grid->setFocusCell(X_ROW, 1);
    m_regression_done = false;
    setInputText(std::wstring());
    setResultText(std::wstring());
}

void CStatisticCalculatorView::fillGrid(const std::vector<std::wstring>& x, const std::vector<std::wstring>& y,
                                        int firstColumn) {
    for (std::size_t i = 0; i < x.size(); ++i) {
        const int column = firstColumn + static_cast<int>(i);
        m_grid->setItemText(X_ROW, column, x[i]);
        if (i < y.size()) m_grid->setItemText(Y_ROW, column, y[i]);
    }
}

void CStatisticCalculatorView::pasteData(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty()) return;
    const bool columns = lines.size() > 1 && std::all_of(lines.begin(), lines.end(), [](const QString& line) {
                             return line.count(QLatin1Char('\t')) <= 1;
                         });
    std::vector<std::wstring> x, y;
    if (columns) {
        // A column (x) or two (x and y) as a spreadsheet copies them.
        for (const QString& line : lines) {
            const QStringList cells = line.split(QLatin1Char('\t'));
            x.push_back(pastedValue(cells[0]));
            y.push_back(cells.size() > 1 ? pastedValue(cells[1]) : std::wstring());
        }
    } else {
        // Rows, as the grid lies: the first holds x, the second y.
        for (const QString& cell : lines[0].split(QLatin1Char('\t')))
            x.push_back(pastedValue(cell));
        if (lines.size() > 1)
            for (const QString& cell : lines[1].split(QLatin1Char('\t')))
                y.push_back(pastedValue(cell));
        y.resize(std::min(y.size(), x.size()));
    }
    const bool withY = std::any_of(y.begin(), y.end(), [](const std::wstring& v) { return !v.empty(); });
    m_grid->endEditing();
    const int first = std::max(m_grid->focusColumn(), 1);
    const std::size_t needed = static_cast<std::size_t>(first - 1) + x.size();
    if (needed > static_cast<std::size_t>(MAX_POINTS)) return stopText(TXT_TOO_MANY_PASTED.in(document().m_language));
    // Pairs switch the grid to x/y mode; the grid grows to take every point.
    setGridSize(std::max(pointCount(), static_cast<int>(needed)), m_pairs || withY);
    fillGrid(x, withY ? y : std::vector<std::wstring>(), first);
}
