#pragma once
#include <string>
#include <vector>

#include "CLodrinDialog.h"

// Builds the head of a new program function: its name and a list of
// parameters, each with an optional default value. The result reads
// "name(a,b=2)"; a text handed in in that form opens ready for editing.
class CDlgNewFunction : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CDlgNewFunction(QWidget* parent);

    // In: the function to edit (may be empty). Out after OK: the new one.
    std::wstring m_text;

    // "name(p1,p2=v)" split into the name and the parameter entries, the
    // parameters at the commas outside nested parentheses. A text without
    // "(" is all name.
    static void splitFunction(const std::wstring& text, std::wstring& name,
                              std::vector<std::wstring>& parameters);
    static std::wstring buildFunction(const std::wstring& name, const std::vector<std::wstring>& parameters);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    void addParameter();
    void deleteParameter();
    std::vector<std::wstring> parameterEntries() const;
};
