#include "CPropPagePlotterSettings.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "CRangeList.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* xFrom;
    const wchar_t* yFrom;
    const wchar_t* to;
    const wchar_t* quality;
    const wchar_t* type;
    const wchar_t* types[3];
    const wchar_t* line;
    const wchar_t* multiplicate;
};
constexpr Texts ENGLISH{L"x: from",  L"y: from",      L"to:",
                        L"Quality:", L"Type:",        {L"show equals", L"show greater", L"show less"},
                        L"Line:",    L"Multiplicate:"};
constexpr Texts GERMAN{L"x: von",    L"y: von",         L"bis:",
                       L"Qualität:", L"Typ:",           {L"zeige gleich", L"zeige größer", L"zeige kleiner"},
                       L"Linie:",    L"Multiplizieren:"};

constexpr int RANGE_IDS[] = {LodrinId::P2_XMIN, LodrinId::P2_XMAX, LodrinId::P2_YMIN, LodrinId::P2_YMAX};
} // namespace

CPropPagePlotterSettings::CPropPagePlotterSettings(int language, QWidget* parent)
    : CLodrinPropertyPage(language, parent) {
    const Texts& t = LodrinUi::byLanguage(language, ENGLISH, GERMAN);
    auto* form = new QFormLayout(this);
    for (int row = 0; row < 2; ++row) {
        auto* line = new QHBoxLayout;
        line->addWidget(createRangeList(RANGE_IDS[2 * row], true), 1);
        line->addWidget(new QLabel(LodrinUi::qs(t.to), this));
        line->addWidget(createRangeList(RANGE_IDS[2 * row + 1], true), 1);
        form->addRow(LodrinUi::qs(row == 0 ? t.xFrom : t.yFrom), line);
    }
    QComboBox* quality = createCombo(LodrinId::P2_QUALITY);
    LodrinUi::addNumberItems(quality, 1, 4);
    form->addRow(LodrinUi::qs(t.quality), quality);
    QComboBox* type = createCombo(LodrinId::P2_TYPE);
    for (const wchar_t* item : t.types)
        type->addItem(LodrinUi::qs(item));
    form->addRow(LodrinUi::qs(t.type), type);
    QComboBox* lineWidth = createCombo(LodrinId::P2_LINE);
    LodrinUi::addNumberItems(lineWidth, 1, 4);
    form->addRow(LodrinUi::qs(t.line), lineWidth);
    QComboBox* scale = createCombo(LodrinId::P2_MULTIPLICATE);
    for (const char* item : {"1", "pi", "e"})
        scale->addItem(QString::fromLatin1(item));
    form->addRow(LodrinUi::qs(t.multiplicate), scale);
}

void CPropPagePlotterSettings::fill() {
    const double values[] = {m_xmin, m_xmax, m_ymin, m_ymax};
    for (int i = 0; i < 4; ++i)
        control<CRangeList>(RANGE_IDS[i])->setValue(values[i]);
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::P2_QUALITY), m_quality - 1);
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::P2_TYPE), m_type);
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::P2_LINE), m_lineWidth - 1);
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::P2_MULTIPLICATE), m_piScale ? 1 : (m_eScale ? 2 : 0));
}

bool CPropPagePlotterSettings::readTyped(int id, double& value) {
    auto* list = control<CRangeList>(id);
    if (list->value(value)) return true;
    showLibraryMessage(LodrinText::NO_INTEGER, MessageIcon::Exclamation);
    list->setFocus(Qt::OtherFocusReason);
    return false;
}

bool CPropPagePlotterSettings::takeOver() {
    double values[4] = {m_xmin, m_xmax, m_ymin, m_ymax};
    for (int i = 0; i < 4; ++i)
        if (!readTyped(RANGE_IDS[i], values[i])) return false;
    if (!(values[1] > values[0]) || !(values[3] > values[2])) {
        showLibraryMessage(LodrinText::TO_VALUES_GREATER, MessageIcon::Exclamation);
        return false;
    }
    m_xmin = values[0];
    m_xmax = values[1];
    m_ymin = values[2];
    m_ymax = values[3];
    m_quality = LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::P2_QUALITY), m_quality - 1) + 1;
    m_type = LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::P2_TYPE), m_type);
    m_lineWidth = LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::P2_LINE), m_lineWidth - 1) + 1;
    const int scale = control<QComboBox>(LodrinId::P2_MULTIPLICATE)->currentIndex();
    if (scale >= 0) {
        m_piScale = scale == 1;
        m_eScale = scale == 2;
    }
    return true;
}
