#pragma once
#include "CLodrinDialog.h"
#include "ColorRef.h"

// The general options: number display, precision, language, the calculator's
// background and the input conventions. Engineering notation needs at least
// three significant digits.
class CDlgOptions : public CLodrinDialog {
    Q_OBJECT
public:
    static constexpr int MODE_ENGINEERING = 2;
    static constexpr int MIN_ENGINEERING_PRECISION = 3;

    explicit CDlgOptions(QWidget* parent);

    int m_mode = 0;      // 0 floating point, 1 scientific, 2 engineering
    int m_precision = 8; // 1 .. 14
    int m_language = 0;  // 0 English, 1 German
    int m_standardBackground = 1;
    bool m_useJ = false;
    bool m_resultInInput = false;
    ColorRef m_backgroundColour = makeColorRef(128, 128, 128);

protected:
    void OnInitDialog() override;
    void OnOK() override;
};
