#pragma once
#include <string>

#include "CLodrinDialog.h"

// Shows a (possibly long) result text; OK and Cancel both close it.
class CDlgResult : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CDlgResult(QWidget* parent);

    std::wstring m_text;

protected:
    void OnInitDialog() override;
};
