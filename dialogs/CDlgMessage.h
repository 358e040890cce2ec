#pragma once
#include <string>

#include "CLodrinDialog.h"

// Shows a text with an OK button.
class CDlgMessage : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CDlgMessage(QWidget* parent);

    std::wstring m_text;

protected:
    void DoDataExchange(DataExchange& dx) override;
};
