#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

// Chooses the slot an equation is stored into, under the name the user
// enters. Slots can be deleted on the way; the list then shows them without
// a name. Nothing is stored or deleted here: OK hands the choice back.
class CDlgStoreEquation : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CDlgStoreEquation(QWidget* parent);

    std::wstring m_equation;
    std::wstring m_name;
    // One entry per slot, both of the same size.
    std::vector<std::wstring> m_names;
    std::vector<bool> m_deleted;
    // After OK: the slot to store into.
    int m_selected = 0;

    // The list entry of a slot: "3: name", or "3: " once it is deleted.
    std::wstring slotText(int slot) const;

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    void fillList();
    void deleteSelected();
};
