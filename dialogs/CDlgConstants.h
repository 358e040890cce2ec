#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

// Edits the user constants: pick one in the list, change its name and value
// in the two fields below. Every change goes to the selected slot at once;
// OK returns all slots, Cancel none.
class CDlgConstants : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CDlgConstants(QWidget* parent);

    // One entry per slot, both of the same size.
    std::vector<std::wstring> m_keys;
    std::vector<std::wstring> m_values;

protected:
    void OnInitDialog() override;

private:
    void showSlot(int slot);
    void editSlot();
    // The list's line of a slot: its number and name.
    QString slotText(std::size_t slot) const;
};
