#pragma once
#include <QDialog>
#include <string>
#include <vector>

class AnalysisWorker;
class COrvantaDoc;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The modal "Value table" window of the function calculator: the values of
// one function from x to x in steps, computed on a worker so that a long
// table can be cancelled (Escape or the Cancel button), and copied as
// tab-separated text.
class CValueTableDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int FROM_FIELD = 2000;
    static constexpr int TO_FIELD = 2001;
    static constexpr int GRID = 2002;
    static constexpr int STEP_FIELD = 2003;
    static constexpr int CALCULATE_BUTTON = 1273;
    static constexpr int FUNCTION_LINE = 1274;
    static constexpr int COPY_BUTTON = 2004;
    static constexpr int CANCEL_BUTTON = 2005;
    // More rows than this would be unreadable and is refused like a step
    // that cannot reach the end.
    static constexpr int MAX_ROWS = 10000;

    CValueTableDialog(const std::wstring& function, COrvantaDoc& document, QWidget* parent = nullptr);
    ~CValueTableDialog() override;

    void calculate();
    void cancelCalculation();
    bool busy() const;
    // The table as text: a header line "x<tab>f(x)" and one line per row.
    QString tableText() const;
    void copyTable() const;

    // The x values from start to end by step, as the table counts them
    // (repeated addition); false when the step is zero or cannot reach the
    // end within MAX_ROWS rows.
    static bool rowValues(double from, double to, double step, std::vector<double>& values);

protected:
    void reject() override;

private:
    void buildLayout();
    // The field evaluated by the normal calculation; false when it fails.
    bool evaluate(QLineEdit* field, double& value);
    bool readRange(std::vector<double>& values);
    void fill(const std::vector<double>& values, const std::vector<std::wstring>& texts);
    void setBusy(bool busy);
    // Shows the message; false for the caller to return.
    bool refuse(unsigned id);

    const std::wstring m_function;
    COrvantaDoc& m_document;
    AnalysisWorker* m_worker = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    QLineEdit* m_step = nullptr;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_copy = nullptr;
};
