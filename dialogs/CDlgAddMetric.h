#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

// Adds a unit to a kind: its name and its factor to the kind's base unit,
// which the line under the value names for the kind selected.
class CDlgAddMetric : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CDlgAddMetric(QWidget* parent);

    // The kinds offered and, at the same index, each kind's base unit.
    std::vector<std::wstring> m_kinds;
    std::vector<std::wstring> m_bases;
    // After OK: the new unit.
    std::wstring m_name;
    std::wstring m_kind;
    double m_value = 0.0;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    void showBase(int kind);
    void updateOk();
};
