#pragma once
#include "CAnalysisView.h"

class QComboBox;

// The function calculator: derivatives, simplification, zeros, extrema,
// integrals, values and tables of one function. The numeric searches, the
// polynomial operations and the integral run on the worker.
class CFunctionCalculatorView : public CAnalysisView {
    Q_OBJECT
public:
    // Operations of the list, in its order.
    enum Operation {
        DERIVATE,
        SIMPLIFY,
        CALCULATE,
        POLYNOM_PARTS,
        POLYNOM_DIVISION,
        ZEROS,
        DERIVATE_AT,
        EXTREMA,
        SADDLE_POINTS,
        DISCONTINUITIES,
        VALUE_AT_ZERO,
        VALUE_TABLE,
        INTEGRAL,
        OPERATION_COUNT
    };
    // Hands the function to the plotter mode.
    static constexpr int PLOT_KEY = KeyId::PLOT_FUNCTION;

    explicit CFunctionCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);

    QComboBox* operationList() const { return m_operations; }
    void setOperation(int index);

    void languageChanged() override;
    void calculateInput() override;
    bool viewKey(int id) override;

protected:
    void busyChanged(bool busy) override;

private:
    void runOperation(int index, std::wstring function);
    void handToPlotter();
    void openValueTable(const std::wstring& function);
    bool askRange(unsigned prompt, double& from, double& to);

    QComboBox* m_operations = nullptr;
};
