#include "CPropPage3dOther.h"

#include <QFormLayout>

#include "CColorButton.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* quality;
    const wchar_t* lineHeight;
    const wchar_t* zRotation;
    const wchar_t* yRotation;
    const wchar_t* fore;
    const wchar_t* back;
};
constexpr Texts ENGLISH{L"Quality:", L"Line height:", L"z-Rot:", L"y-Rot:", L"Fore:", L"Back:"};
constexpr Texts GERMAN{L"Qualität:", L"Linienhöhe:", L"z-Rot:", L"y-Rot:", L"Vordergrund:", L"Hintergrund:"};

constexpr int ROTATION_STEP = 10;
constexpr int Y_ROTATION_OFFSET = 90;

// The item of an angle list, or -1 for an angle that is not on the list.
int rotationIndex(int angle, int offset) {
    const int shifted = angle + offset;
    return shifted % ROTATION_STEP == 0 ? shifted / ROTATION_STEP : -1;
}
} // namespace

CPropPage3dOther::CPropPage3dOther(int language, QWidget* parent) : CLodrinPropertyPage(language, parent) {
    const Texts& t = LodrinUi::byLanguage(language, ENGLISH, GERMAN);
    auto* form = new QFormLayout(this);
    QComboBox* quality = createCombo(LodrinId::P3_QUALITY);
    LodrinUi::addNumberItems(quality, 1, 4);
    form->addRow(LodrinUi::qs(t.quality), quality);
    QComboBox* lineHeight = createCombo(LodrinId::P3_LINE_HEIGHT);
    LodrinUi::addNumberItems(lineHeight, 1, 4);
    form->addRow(LodrinUi::qs(t.lineHeight), lineHeight);
    QComboBox* zRotation = createCombo(LodrinId::P3_ZROT);
    LodrinUi::addNumberItems(zRotation, 0, 90, ROTATION_STEP);
    form->addRow(LodrinUi::qs(t.zRotation), zRotation);
    QComboBox* yRotation = createCombo(LodrinId::P3_YROT);
    LodrinUi::addNumberItems(yRotation, -90, 90, ROTATION_STEP);
    form->addRow(LodrinUi::qs(t.yRotation), yRotation);
    form->addRow(LodrinUi::qs(t.fore), createColorButtonNoBlack(LodrinId::P3_FORE));
    form->addRow(LodrinUi::qs(t.back), createColorButtonNoBlack(LodrinId::P3_BACK));
}

void CPropPage3dOther::fill() {
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::P3_QUALITY), m_quality - 1);
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::P3_LINE_HEIGHT), m_lineHeight - 1);
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::P3_ZROT), rotationIndex(m_zRotation, 0));
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::P3_YROT),
                          rotationIndex(m_yRotation, Y_ROTATION_OFFSET));
    control<CColorButton>(LodrinId::P3_FORE)->setColour(m_foreColour);
    control<CColorButton>(LodrinId::P3_BACK)->setColour(m_backColour);
}

bool CPropPage3dOther::takeOver() {
    m_quality = LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::P3_QUALITY), m_quality - 1) + 1;
    m_lineHeight =
        LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::P3_LINE_HEIGHT), m_lineHeight - 1) + 1;
    const int z = control<QComboBox>(LodrinId::P3_ZROT)->currentIndex();
    if (z >= 0) m_zRotation = z * ROTATION_STEP;
    const int y = control<QComboBox>(LodrinId::P3_YROT)->currentIndex();
    if (y >= 0) m_yRotation = y * ROTATION_STEP - Y_ROTATION_OFFSET;
    m_foreColour = control<CColorButton>(LodrinId::P3_FORE)->colour();
    m_backColour = control<CColorButton>(LodrinId::P3_BACK)->colour();
    return true;
}
