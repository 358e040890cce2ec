#include "CPropPageComplexStandard.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "CRangeList.h"
#include "LodrinIds.h"
#include <cstdio>

namespace {
struct Texts {
    const wchar_t* reFrom;
    const wchar_t* imFrom;
    const wchar_t* to;
    const wchar_t* iterations;
    const wchar_t* border;
    const wchar_t* quality;
};
constexpr Texts ENGLISH{L"real: from", L"imag: from", L"to:", L"Iterations:", L"Value border:", L"Quality:"};
constexpr Texts GERMAN{L"real: von", L"imag: von", L"bis:", L"Iterationen:", L"Wertgrenze:", L"Qualität:"};

QSlider* createSlider(QWidget* parent, int id, int min, int max) {
    auto* slider = LodrinUi::withId(new QSlider(Qt::Horizontal, parent), id);
    slider->setRange(min, max);
    return slider;
}

int borderPosition(double border) {
    const double steps =
        std::isfinite(border) ? std::round(border / CPropPageComplexStandard::BORDER_STEP) : 0.0;
    return static_cast<int>(std::clamp(steps, static_cast<double>(CPropPageComplexStandard::MIN_BORDER_STEPS),
                                       static_cast<double>(CPropPageComplexStandard::MAX_BORDER_STEPS)));
}
} // namespace

CPropPageComplexStandard::CPropPageComplexStandard(int language, QWidget* parent)
    : CLodrinPropertyPage(language, parent) {
    const Texts& t = LodrinUi::byLanguage(language, ENGLISH, GERMAN);
    auto* form = new QFormLayout(this);
    const int rangeIds[2][2] = {{LodrinId::PC_REMIN, LodrinId::PC_REMAX},
                                {LodrinId::PC_IMMIN, LodrinId::PC_IMMAX}};
    for (int row = 0; row < 2; ++row) {
        auto* line = new QHBoxLayout;
        line->addWidget(createRangeList(rangeIds[row][0], false), 1);
        line->addWidget(new QLabel(LodrinUi::qs(t.to), this));
        line->addWidget(createRangeList(rangeIds[row][1], false), 1);
        form->addRow(LodrinUi::qs(row == 0 ? t.reFrom : t.imFrom), line);
    }

    QSlider* iterations = createSlider(this, LodrinId::PC_ITERATIONS, MIN_ITERATIONS, MAX_ITERATIONS);
    auto* iterationsLabel = LodrinUi::withId(new QLabel(this), LodrinId::PC_ITERATIONS_LABEL);
    iterationsLabel->setMinimumWidth(48);
    auto* iterationsLine = new QHBoxLayout;
    iterationsLine->addWidget(iterations, 1);
    iterationsLine->addWidget(iterationsLabel);
    form->addRow(LodrinUi::qs(t.iterations), iterationsLine);
    connect(iterations, &QSlider::valueChanged, this, &CPropPageComplexStandard::showIterations);

    QSlider* border = createSlider(this, LodrinId::PC_BORDER, MIN_BORDER_STEPS, MAX_BORDER_STEPS);
    auto* borderLabel = LodrinUi::withId(new QLabel(this), LodrinId::PC_BORDER_LABEL);
    borderLabel->setMinimumWidth(48);
    auto* borderLine = new QHBoxLayout;
    borderLine->addWidget(border, 1);
    borderLine->addWidget(borderLabel);
    form->addRow(LodrinUi::qs(t.border), borderLine);
    connect(border, &QSlider::valueChanged, this, &CPropPageComplexStandard::showBorder);

    QComboBox* quality = createCombo(LodrinId::PC_QUALITY);
    LodrinUi::addNumberItems(quality, 1, 4);
    form->addRow(LodrinUi::qs(t.quality), quality);
}

void CPropPageComplexStandard::showIterations(int position) {
    control<QLabel>(LodrinId::PC_ITERATIONS_LABEL)->setText(QString::number(position));
}

void CPropPageComplexStandard::showBorder(int position) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d.%d", position / 10, position % 10);
    control<QLabel>(LodrinId::PC_BORDER_LABEL)->setText(QString::fromLatin1(buffer));
}

void CPropPageComplexStandard::fill() {
    control<CRangeList>(LodrinId::PC_REMIN)->setValue(m_reMin);
    control<CRangeList>(LodrinId::PC_REMAX)->setValue(m_reMax);
    control<CRangeList>(LodrinId::PC_IMMIN)->setValue(m_imMin);
    control<CRangeList>(LodrinId::PC_IMMAX)->setValue(m_imMax);
    auto* iterations = control<QSlider>(LodrinId::PC_ITERATIONS);
    iterations->setValue(std::clamp(m_iterations, MIN_ITERATIONS, MAX_ITERATIONS));
    showIterations(iterations->value());
    auto* border = control<QSlider>(LodrinId::PC_BORDER);
    border->setValue(borderPosition(m_border));
    showBorder(border->value());
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::PC_QUALITY), m_quality - 1);
}

bool CPropPageComplexStandard::takeOver() {
    double reMin = m_reMin, reMax = m_reMax, imMin = m_imMin, imMax = m_imMax;
    if (!readRange(LodrinId::PC_REMIN, LodrinId::PC_REMAX, reMin, reMax)) return false;
    if (!readRange(LodrinId::PC_IMMIN, LodrinId::PC_IMMAX, imMin, imMax)) return false;
    m_reMin = reMin;
    m_reMax = reMax;
    m_imMin = imMin;
    m_imMax = imMax;
    m_iterations = control<QSlider>(LodrinId::PC_ITERATIONS)->value();
    m_border = control<QSlider>(LodrinId::PC_BORDER)->value() * BORDER_STEP;
    m_quality = LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::PC_QUALITY), m_quality - 1) + 1;
    return true;
}
