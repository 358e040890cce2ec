#pragma once
#include <string>

#include "CDlgListChoice.h"

// Shows a list the caller gives under the caller's title and prompt (program
// structures, operators, logical operators, settings); OK returns the index
// of the selected item, -1 when none is selected.
class CDlgItemSelection : public CDlgListChoice {
    Q_OBJECT
public:
    CDlgItemSelection(const std::wstring& title, const std::wstring& prompt, QWidget* parent);
};
