#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

class QComboBox;

// Picks an expression (a user function) or a constant to insert into the
// input line. Each list has an "edit" button that closes the dialog at once
// so the caller can open the matching editor instead.
class CDlgSelect : public CLodrinDialog {
    Q_OBJECT
public:
    enum Edit { EDIT_NONE = 0, EDIT_EXPRESSIONS = 1, EDIT_CONSTANTS = 2 };

    explicit CDlgSelect(QWidget* parent);

    std::vector<std::wstring> m_expressions;
    std::vector<std::wstring> m_constants;
    // After OK: the chosen text, or which "edit" button closed the dialog.
    std::wstring m_text;
    Edit m_edit = EDIT_NONE;

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    QComboBox* addList(QBoxLayout* layout, int listId, int buttonId, const wchar_t* label,
                       const wchar_t* edit, Edit which);
};
