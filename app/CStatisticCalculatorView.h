#pragma once
#include <memory>
#include <string>
#include <vector>

#include "CCalculatorView.h"
#include "IMessageBox.h"
#include "PlotFunctionSet.h"
#include "StatisticsState.h"

class CGridCtrl;
class QString;

// The statistics calculator: one- and two-variable statistics and regression
// over data kept in a grid laid out across: grid row 1 holds the x values,
// row 2 (x/y mode only) the y values, each data point one column. The
// formula in the input line is calculated over the grid; the keypad types
// into the focus cell while the grid has the focus. In x mode the y row is
// only hidden, so switching back finds the y values again. The grid is kept
// when the view goes (the program ends) and found again when it is next made.
class CStatisticCalculatorView : public CCalculatorView, public IPlotSource {
    Q_OBJECT
public:
    static constexpr int X_ROW = 1;
    static constexpr int Y_ROW = 2;
    static constexpr int MIN_POINTS = 4;
    static constexpr int MAX_POINTS = 10000;
    static constexpr int START_POINTS = 10;

    // A walk over the data columns: the data string for the engine, or the
    // message that stops the operation.
    struct Walk {
        std::wstring data;
        unsigned failure = 0;
        bool yZero = false; // some y cell is exactly "0"
    };
    // The walks over the x and y cells of columns 1, 2, ... (index 0 is
    // column 1): x values up to the first empty cell; pairs for a
    // calculation, skipping a point without x and ending at one without y;
    // pairs for a regression, ending at the first point missing either.
    static Walk xValues(const std::vector<std::wstring>& x);
    static Walk calculationPairs(const std::vector<std::wstring>& x, const std::vector<std::wstring>& y);
    static Walk regressionPairs(const std::vector<std::wstring>& x, const std::vector<std::wstring>& y);

    explicit CStatisticCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);
    ~CStatisticCalculatorView() override;

    CGridCtrl& grid() const { return *m_grid; }
    bool pairMode() const { return m_pairs; }
    int pointCount() const;
    // Data points (columns after the header) and mode; cells kept where they fit.
    void setGridSize(int points, bool pairs);
    bool regressionDone() const { return m_regression_done; }
    // The cells of one row, from column 1 on.
    std::vector<std::wstring> row(int gridRow) const;
    // A pasted column (x), two columns (x and y) or rows, from the focus column on.
    void pasteData(const QString& text);

    void calculateInput() override;
    void regression() override;
    void afterHistory() override; // Show
    void statisticsSave() override;
    void statisticsLoad() override;
    void statisticsOptions() override;
    void insertTemplate(const std::wstring& text) override;
    void deleteBackward() override;
    void paste() override;
    void refreshKeys(int group) override;
    void languageChanged() override;

    PlotFunctionSet functionSet() const override { return {}; }
    std::shared_ptr<const PlotStatistics> statistics() const override { return m_plot; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    static int rowHeight();
    void fitGridHeight();
    bool gridActive() const;
    // The data check before calculate, save, regression and show; false
    // after the message.
    bool validate();
    void stop(unsigned id, MessageIcon icon);
    void stopText(const std::wstring& text);
    std::shared_ptr<PlotStatistics> plotData();
    double cellValue(const std::wstring& text);
    void fillGrid(const std::vector<std::wstring>& x, const std::vector<std::wstring>& y, int firstColumn);
    void restoreGrid();

    CGridCtrl* m_grid = nullptr;
    bool m_pairs = true;
    bool m_regression_done = false;
    bool m_grid_active = false;
    std::shared_ptr<const PlotStatistics> m_plot;
    StatisticsState m_state;
};
