#pragma once
#include <string>

class QWidget;

// Moves values between members and the controls of a dialog or page, found
// by id. When saving, every value is validated: text that is not a number, or
// a number outside its limits, is refused with a message in the dialog's
// language, the control gets the focus with its text selected, and all
// further exchanges of this pass are skipped.
class DataExchange {
public:
    DataExchange(QWidget* root, int language, bool saveAndValidate);

    bool saving() const { return m_save; }
    bool failed() const { return m_failed; }

    void number(int id, double& value, double min, double max);
    // Any finite number.
    void number(int id, double& value);
    void integer(int id, int& value, int min, int max);
    void check(int id, int& value);
    void text(int id, std::wstring& value);

    // The validation rules on their own, for keypads and tests.
    static bool parseNumber(const std::wstring& text, double& value);
    static bool parseInteger(const std::wstring& text, long long& value);

private:
    void fail(QWidget* control, std::wstring message);

    QWidget* m_root;
    int m_language;
    bool m_save;
    bool m_failed = false;
};
