#pragma once
#include <string>
#include <vector>

#include "CCalculatorView.h"

// The unit converter: converts the value or expression of the input line
// from one unit to another of the same group. The groups and units are the
// engine's, which also keeps the units the user adds; the keys of this view
// add and delete units and groups through the unit dialogs, and reset them.
class CConverterCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    explicit CConverterCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);

    QComboBox* groupList() const { return m_groups; }
    QComboBox* fromList() const { return m_from; }
    QComboBox* toList() const { return m_to; }

    // Empties the three lists, has the engine reload its tables and fills
    // them again, keeping the group and units chosen where they remain.
    void fillLists();
    void calculateInput() override;
    void converterHook(int id) override;
    void languageChanged() override;
    void refreshKeys(int group) override;

private:
    void buildControls();
    void fillUnits();
    void ownKey(int id);
    void swapUnits();
    void resetUnits();
    void addUnit();
    void deleteUnit();
    void addGroup();
    void deleteGroup();
    // Group names from index `first` on.
    std::vector<std::wstring> groupNames(int first) const;
    std::vector<std::wstring> unitNames() const;

    QComboBox* m_groups = nullptr;
    QComboBox* m_from = nullptr;
    QComboBox* m_to = nullptr;
};
