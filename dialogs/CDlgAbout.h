#pragma once
#include "CLodrinDialog.h"

// The program's name, version and what it is.
class CDlgAbout : public CLodrinDialog {
    Q_OBJECT
public:
    static constexpr const wchar_t* VERSION = L"3.2";

    explicit CDlgAbout(QWidget* parent);
};
