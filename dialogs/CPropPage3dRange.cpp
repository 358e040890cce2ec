#include "CPropPage3dRange.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "CRangeList.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* from[3];
    const wchar_t* to;
    const wchar_t* automaticZ;
};
constexpr Texts ENGLISH{{L"x: from", L"y: from", L"z: from"}, L"to:", L"Automatic choosing of z-region:"};
constexpr Texts GERMAN{{L"x: von", L"y: von", L"z: von"}, L"bis:", L"Automatische Wahl des z-Bereichs:"};

constexpr int FROM_IDS[] = {LodrinId::P3_XMIN, LodrinId::P3_YMIN, LodrinId::P3_ZMIN};
constexpr int TO_IDS[] = {LodrinId::P3_XMAX, LodrinId::P3_YMAX, LodrinId::P3_ZMAX};
} // namespace

CPropPage3dRange::CPropPage3dRange(int language, QWidget* parent) : CLodrinPropertyPage(language, parent) {
    const Texts& t = LodrinUi::byLanguage(language, ENGLISH, GERMAN);
    auto* form = new QFormLayout(this);
    for (int axis = 0; axis < 3; ++axis) {
        auto* line = new QHBoxLayout;
        line->addWidget(createRangeList(FROM_IDS[axis], false), 1);
        line->addWidget(new QLabel(LodrinUi::qs(t.to), this));
        line->addWidget(createRangeList(TO_IDS[axis], false), 1);
        form->addRow(LodrinUi::qs(t.from[axis]), line);
    }
    form->addRow(LodrinUi::qs(t.automaticZ), LodrinUi::withId(new QCheckBox(this), LodrinId::P3_AUTOMATIC_Z));
}

void CPropPage3dRange::fill() {
    const double from[] = {m_xmin, m_ymin, m_zmin};
    const double to[] = {m_xmax, m_ymax, m_zmax};
    for (int axis = 0; axis < 3; ++axis) {
        control<CRangeList>(FROM_IDS[axis])->setValue(from[axis]);
        control<CRangeList>(TO_IDS[axis])->setValue(to[axis]);
    }
    control<QCheckBox>(LodrinId::P3_AUTOMATIC_Z)->setChecked(m_automaticZ != 0);
}

bool CPropPage3dRange::takeOver() {
    double from[] = {m_xmin, m_ymin, m_zmin};
    double to[] = {m_xmax, m_ymax, m_zmax};
    for (int axis = 0; axis < 3; ++axis)
        if (!readRange(FROM_IDS[axis], TO_IDS[axis], from[axis], to[axis])) return false;
    m_xmin = from[0];
    m_ymin = from[1];
    m_zmin = from[2];
    m_xmax = to[0];
    m_ymax = to[1];
    m_zmax = to[2];
    m_automaticZ = control<QCheckBox>(LodrinId::P3_AUTOMATIC_Z)->isChecked() ? 1 : 0;
    return true;
}
