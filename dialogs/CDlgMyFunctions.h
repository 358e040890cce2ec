#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

// Assigns a formula and a caption to one of the user keys. Slot 2k is key
// k + 1 in its normal state, slot 2k + 1 the same key with Inv active. The
// user picks a slot, edits its formula and caption, and OK stores them into
// that slot after checking the function name.
class CDlgMyFunctions : public CLodrinDialog {
    Q_OBJECT
public:
    static constexpr int MAX_EXPRESSION = 80;
    static constexpr int MAX_CAPTION = 4;

    explicit CDlgMyFunctions(QWidget* parent);

    // The input line's text, for "Copy expr. from input".
    std::wstring m_input;
    // One entry per slot, both of the same size.
    std::vector<std::wstring> m_descriptions;
    std::vector<std::wstring> m_expressions;

    // 0 when the formula may be stored, else the library text that tells
    // the user why not. The checks run in a fixed order, first hit wins.
    static unsigned checkExpression(const std::wstring& expression);

    // How many variables a definition "name(a,b)=..." has (the entry of the
    // variable-count list it matches), -1 for anything else.
    static int variableCount(const std::wstring& expression);

    // The list entry of a slot: "Button 3 Inv. sq: f(x)=x^2".
    std::wstring slotText(int slot) const;

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    void showSlot(int slot);
    void putTemplate(int variables);
};
