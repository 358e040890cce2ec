#pragma once
#include "CLodrinPropertyPage.h"

class QSlider;
class QLabel;

// Fractal settings, page "Standard": the region of the complex plane, the
// number of iterations, the value border and the quality. The labels beside
// the sliders follow them while they move.
class CPropPageComplexStandard : public CLodrinPropertyPage {
    Q_OBJECT
public:
    static constexpr int MIN_ITERATIONS = 1;
    static constexpr int MAX_ITERATIONS = 100;
    static constexpr int MIN_BORDER_STEPS = 1;
    static constexpr int MAX_BORDER_STEPS = 1000;
    static constexpr double BORDER_STEP = 0.1;

    CPropPageComplexStandard(int language, QWidget* parent);

    double m_reMin = -2;
    double m_reMax = 2;
    double m_imMin = -2;
    double m_imMax = 2;
    int m_iterations = 20;
    double m_border = 4.0;
    int m_quality = 1; // 1 .. 4

    void fill() override;
    bool takeOver() override;

private:
    void showIterations(int position);
    void showBorder(int position);
};
