#pragma once
#include <initializer_list>

#include "CLodrinDialog.h"

class CKeypad;
class QLineEdit;

// A dialog with an on-screen keypad that types into the edit which last lost
// the focus (the keypad target). Before any edit has lost the focus there is
// no target and the keys do nothing.
class CKeypadDialog : public CLodrinDialog {
    Q_OBJECT
public:
    explicit CKeypadDialog(QWidget* parent);

    // The keypad action: replaces the selection of the target edit with text
    // (inserts at the caret when nothing is selected). After "()" the caret
    // goes one character left, after "(,)" two, so it lands between them.
    virtual void add2Input(const QString& text);

    int keypadTarget() const { return m_target; }

protected:
    struct Field {
        int id;
        const wchar_t* label;
    };
    // The common layout: prompt (static 1252), one labelled edit per field,
    // the keypad below them and the OK/Cancel image buttons beside.
    void buildKeypadLayout(const QString& prompt, std::initializer_list<Field> fields, bool withDecimalKey);

    // Makes the edit id the target as if it had just lost the focus, keeping
    // its current selection for the first key.
    void setKeypadTarget(int id);

    // Creates an edit that can become the keypad target.
    QLineEdit* createTargetEdit(int id);
    CKeypad* createKeypad(bool withDecimalKey);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recordTarget(QLineEdit* edit);

    int m_target = -1;
    // The selection of the target when it lost the focus; the edit itself
    // forgets it then.
    int m_selectionStart = 0;
    int m_selectionLength = 0;
};
