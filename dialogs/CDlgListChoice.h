#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

class QComboBox;

// What the dialogs that pick one entry of a list share: an optional prompt,
// an optional label, the list (filled from m_items when the dialog opens,
// with m_selected selected) and OK/Cancel. OK takes the selection over into
// m_selected; -1 means nothing was selected.
class CDlgListChoice : public CLodrinDialog {
    Q_OBJECT
public:
    std::vector<std::wstring> m_items;
    int m_selected = -1;

    // The selected item's text; empty when nothing valid is selected.
    std::wstring selectedText() const;

protected:
    CDlgListChoice(QWidget* parent, int listId);
    // Builds the controls; an empty prompt or label is left out.
    void buildLayout(const QString& title, const QString& prompt, const QString& label);

    void OnInitDialog() override;
    void OnOK() override;

    QComboBox* list() const;

private:
    int m_listId;
};
