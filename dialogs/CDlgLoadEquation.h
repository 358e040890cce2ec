#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

// Picks a stored equation by its name; the field below the list shows the
// equation of the selected slot. "Select" returns the slot, -1 if none.
class CDlgLoadEquation : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CDlgLoadEquation(QWidget* parent);

    // One entry per slot, both of the same size.
    std::vector<std::wstring> m_names;
    std::vector<std::wstring> m_equations;
    int m_selected = -1;

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    void showEquation(int slot);
};
