#pragma once
#include "CCalculatorView.h"
#include "PlotFunctionSet.h"

// The function plotter's input: the current function and, in the memory list,
// the further functions that one plot shows together. Its keypad has the
// function-type and template keys, the context keys that follow the input's
// type, the list keys, the plot key and the plot settings key.
class CPlotterInputView : public CCalculatorView, public IPlotSource {
    Q_OBJECT
public:
    // The plot key is the equals key of this view.
    static constexpr int PLOT_KEY = 1023;
    static constexpr int PLOT_SETTINGS_KEY = 1059;

    explicit CPlotterInputView(COrvantaDoc& document, QWidget* parent = nullptr);

    // The three queries the plot window reads on every redraw.
    int listCount() const;
    std::wstring listEntry(int index) const;
    std::wstring currentFunction() const { return inputText(); }
    PlotFunctionSet functionSet() const override;

    // The plot command: the checks, then the plot window.
    void calculateInput() override;
    // The plot settings sheet that fits the input line.
    void viewHook() override;
    void refreshKeys(int group) override;
    void clearFunctionCaptions() override;

private:
    void showSheet2D();
    void showSheet3D();
    void showSheetFractal();
    void refreshContextKeys();
};
