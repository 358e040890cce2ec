#include "CConverterCalculatorView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "COrvantaDoc.h"
#include "GridViewIds.h"
#include "KeypadSpots.h"
#include "LodrinStarter.h"
#include "ModeTable.h"
#include "Platform.h"

using namespace GridViewIds;

namespace {
using namespace KeypadSpots;
constexpr int COLUMNS = 8;
constexpr int ROWS = 5;

// clang-format off
constexpr KeySpot s_keys[] = {
    fn(KEY_ADD_UNIT, 0, 0), fn(KEY_DELETE_UNIT, 0, 1), fn(KEY_ADD_GROUP, 0, 2), fn(KEY_DELETE_GROUP, 0, 3),
    state(KEY_RESET_UNITS, 0, 4), state(KEY_SWAP, 0, 5), state(1361, 0, 6), state(1360, 0, 7),
    digit(1402, 1, 0), digit(1403, 1, 1), digit(1404, 1, 2), op(1414, 1, 3), op(1276, 1, 4), op(1277, 1, 5),
    fn(1068, 1, 6), fn(1421, 1, 7),
    digit(1405, 2, 0), digit(1406, 2, 1), digit(1407, 2, 2), op(1415, 2, 3), fn(1032, 2, 4), fn(1033, 2, 5),
    fn(1279, 2, 6), fn(1248, 2, 7),
    digit(1408, 3, 0), digit(1409, 3, 1), digit(1410, 3, 2), op(1416, 3, 3), fn(1038, 3, 4), fn(1039, 3, 5),
    fn(1508, 3, 6), state(1362, 3, 7),
    digit(1411, 4, 0, 2), digit(1413, 4, 2), op(1417, 4, 3), equals(1023, 4, 4, 4),
};
// clang-format on

constexpr ViewKey s_view_keys[] = {
    {KEY_ADD_UNIT, {L"+Unit", L"+Einh"}},          {KEY_DELETE_UNIT, {L"\u2212Unit", L"\u2212Einh"}},
    {KEY_ADD_GROUP, {L"+Grp", L"+Grp"}},           {KEY_DELETE_GROUP, {L"\u2212Grp", L"\u2212Grp"}},
    {KEY_RESET_UNITS, {L"Reset", L"Reset"}, true}, {KEY_SWAP, {L"\u21C4", L"\u21C4"}, true},
};

QComboBox* makeList(QWidget* parent, int id, const QFont& font) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::number(id));
    list->setFont(font);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(6);
    list->setMaxVisibleItems(12);
    return list;
}

// Chooses the entry with that text, or the first when there is none.
void choose(QComboBox& list, const QString& text) {
    list.setCurrentIndex(std::max(list.findText(text, Qt::MatchExactly), 0));
}
} // namespace

CConverterCalculatorView::CConverterCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::CONVERTER, parent) {
    buildControls();
    installKeypadFor(s_keys, COLUMNS, ROWS);
    connectKeys(*this, s_view_keys, [this](int id) { ownKey(id); });
    fillLists();
}

void CConverterCalculatorView::buildControls() {
    m_groups = makeList(this, GROUP_LIST, resultFont());
    m_from = makeList(this, FROM_LIST, resultFont());
    m_to = makeList(this, TO_LIST, resultFont());
    auto* units = new QHBoxLayout;
    units->addWidget(m_from, 1);
    units->addWidget(m_to, 1);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(0, m_groups);
    layout->insertLayout(1, units);
    connect(m_groups, &QComboBox::activated, this, [this] { fillUnits(); });
}

// ---- Lists ----

void CConverterCalculatorView::fillLists() {
    const int group = std::max(m_groups->currentIndex(), 0);
    const QString from = m_from->currentText();
    const QString to = m_to->currentText();
    m_groups->clear();
    document().initConverter();
    for (int i = 0; i < document().getGroupSize(); ++i)
        m_groups->addItem(QString::fromStdWString(document().getGroup(i)));
    m_groups->setCurrentIndex(group < m_groups->count() ? group : 0);
    fillUnits();
    choose(*m_from, from);
    choose(*m_to, to);
}

void CConverterCalculatorView::fillUnits() {
    const int group = std::max(m_groups->currentIndex(), 0);
    m_from->clear();
    m_to->clear();
    for (int i = 0; i < document().getMetricSize(); ++i) {
        const Metric unit = document().getMetric(i);
        if (group != 0 && unit.kind != group) continue;
        m_from->addItem(QString::fromStdWString(unit.name));
        m_to->addItem(QString::fromStdWString(unit.name));
    }
    m_from->setCurrentIndex(m_from->count() ? 0 : -1);
    m_to->setCurrentIndex(m_to->count() ? 0 : -1);
}

std::vector<std::wstring> CConverterCalculatorView::groupNames(int first) const {
    std::vector<std::wstring> names;
    for (int i = first; i < document().getGroupSize(); ++i)
        names.push_back(document().getGroup(i));
    return names;
}

std::vector<std::wstring> CConverterCalculatorView::unitNames() const {
    std::vector<std::wstring> names;
    for (int i = 0; i < document().getMetricSize(); ++i)
        names.push_back(document().getMetric(i).name);
    return names;
}

void CConverterCalculatorView::languageChanged() {
    CCalculatorView::languageChanged();
    // The engine names the groups in the language.
    if (m_groups) fillLists();
}

void CConverterCalculatorView::refreshKeys(int group) {
    CCalculatorView::refreshKeys(group);
    labelKeys(*this, s_view_keys, document().m_language);
}

// ---- Converting ----

void CConverterCalculatorView::calculateInput() {
    std::wstring input = inputText();
    const std::wstring shown = input;
    std::wstring from = m_from->currentText().toStdWString();
    std::wstring to = m_to->currentText().toStdWString();
    std::wstring result;
    document().calculateConverter(input, from, to, result);
    showCalculation(shown, result);
}

void CConverterCalculatorView::swapUnits() {
    const int from = m_from->currentIndex();
    m_from->setCurrentIndex(m_to->currentIndex());
    m_to->setCurrentIndex(from);
    if (!inputText().empty()) calculateInput();
}

// ---- Editing the units ----

void CConverterCalculatorView::ownKey(int id) {
    if (id == KEY_SWAP)
        swapUnits();
    else if (id == KEY_RESET_UNITS)
        resetUnits();
}

void CConverterCalculatorView::converterHook(int id) {
    switch (id) {
    case KEY_ADD_UNIT:
        addUnit();
        break;
    case KEY_DELETE_UNIT:
        deleteUnit();
        break;
    case KEY_ADD_GROUP:
        addGroup();
        break;
    case KEY_DELETE_GROUP:
        deleteGroup();
        break;
    default:
        break;
    }
}

// Each edit refills the lists only when the engine made and stored the
// change; a refused or failed one has shown its message and left the units
// as they were.

void CConverterCalculatorView::resetUnits() {
    if (Platform::messageBox().show(this, message(MSG_RESET_UNITS), L"Orvanta", MessageIcon::Stop,
                                    MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if (document().resetMetrics()) fillLists();
}

void CConverterCalculatorView::addUnit() {
    // Group 0 holds every unit and is no group a unit can join.
    const std::vector<std::wstring> groups = groupNames(1);
    // Beside each group its base unit: the unit whose factor is exactly 1.
    std::vector<std::wstring> bases(groups.size());
    for (int i = document().getMetricSize() - 1; i >= 0; --i) {
        const Metric unit = document().getMetric(i);
        if (unit.factor == 1.0 && unit.kind >= 1 && unit.kind <= static_cast<int>(groups.size()))
            bases[static_cast<std::size_t>(unit.kind - 1)] = unit.name;
    }
    std::wstring name;
    std::wstring group;
    double factor = 0.0;
    LodrinStarter starter(this);
    if (!starter.showAddMetric(groups, bases, name, group, factor)) return;
    if (document().addMetric(name, group, factor)) fillLists();
}

void CConverterCalculatorView::deleteUnit() {
    std::wstring name;
    LodrinStarter starter(this);
    if (!starter.showDelMetric(unitNames(), name)) return;
    if (document().deleteMetric(name)) fillLists();
}

void CConverterCalculatorView::addGroup() {
    std::wstring name;
    std::wstring base;
    LodrinStarter starter(this);
    if (!starter.showAddMetricKind(groupNames(0), name, base)) return;
    if (document().addMetricKind(name, base)) fillLists();
}

void CConverterCalculatorView::deleteGroup() {
    // Deleting the pseudo-group of all units would shift every unit into
    // the wrong group.
    std::wstring name;
    LodrinStarter starter(this);
    if (!starter.showDelMetricKind(groupNames(1), name)) return;
    if (document().deleteMetricKind(name)) fillLists();
}
