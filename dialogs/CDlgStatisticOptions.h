#pragma once
#include "CLodrinDialog.h"

// The statistics calculator's settings: one or two variables (type 1 or 2)
// and the number of data points, at least four.
class CDlgStatisticOptions : public CLodrinDialog {
    Q_OBJECT
public:
    static constexpr int MIN_COUNT = 4;
    // Far more points than anyone types in by hand; keeps the data grid
    // that the count sizes within memory.
    static constexpr int MAX_COUNT = 10000;

    explicit CDlgStatisticOptions(QWidget* parent);

    unsigned m_type = 1;
    int m_count = 10;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
