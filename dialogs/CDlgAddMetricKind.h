#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

// Adds a unit kind with the name of its base unit. A kind that exists
// already (same name, same case) is refused.
class CDlgAddMetricKind : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CDlgAddMetricKind(QWidget* parent);

    std::vector<std::wstring> m_kinds;
    // After OK: the new kind and its base unit.
    std::wstring m_name;
    std::wstring m_base;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    void updateOk();
};
