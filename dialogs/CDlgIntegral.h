#pragma once
#include "CLodrinDialog.h"

class QComboBox;

// Asks for the range, step width, method and area option of a numeric
// integral. Remembers the last accepted values for the next opening.
class CDlgIntegral : public CLodrinDialog {
    Q_OBJECT
public:
    static double m_fromx;
    static double m_tox;
    static int m_width_int; // number of steps per unit: the step width is 1 / m_width_int
    static int m_type;      // 0 Rectangular, 1 Trapez, 2 Simpson
    static int m_absolut;   // 1: area calculation

    explicit CDlgIntegral(QWidget* parent);

    double m_width; // the step width chosen, valid after OK

    // The width list's item for a number of steps, and back.
    static int widthIndex(int widthInt);
    static int widthFromIndex(int index);

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the fields hold while the dialog is open; the statics change only
    // when the user confirms.
    double m_from;
    double m_to;
    int m_area;
};
