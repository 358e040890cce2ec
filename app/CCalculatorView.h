#pragma once
#include <QFont>
#include <QWidget>
#include <string>
#include <vector>

#include "Screen.h"

class COrvantaDoc;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;

// The base of every mode view: the input line in which the user builds an
// expression, the result line below it, the memory list of stored values,
// and the room for the mode's keypad. The frame creates a view on the first
// switch to its mode and afterwards only hides and shows it, so whatever the
// user left in it is still there when they come back.
class CCalculatorView : public QWidget {
    Q_OBJECT
public:
    static constexpr int INPUT_LINE = 1401;
    static constexpr int RESULT_LINE = 1070;
    static constexpr int MEMORY_LIST = 1111;

    CCalculatorView(COrvantaDoc& document, int mode, QWidget* parent = nullptr);

    int mode() const { return m_mode; }
    COrvantaDoc& document() const { return m_document; }

    // Text handed over by a mode switch: a non-empty text replaces the input
    // line at the next initial update, an empty one leaves it alone.
    void setPendingText(const std::wstring& text) { m_pending_text = text; }
    // Runs every time the view is brought to the front.
    virtual void initialUpdate();
    // The language setting changed: texts follow at once.
    virtual void languageChanged();
    // The background follows the standard-background flag and colour.
    void refreshColours();

    // Whether the view acts on a frame command (Cut, Copy, Paste, Undo and
    // the Edit-menu dialogs); the frame greys those it does not.
    virtual bool handlesCommand(int id) const;
    virtual void onCommand(int id);

    // The fields, with line breaks as carriage return and line feed.
    std::wstring inputText() const;
    void setInputText(const std::wstring& text);
    std::wstring resultText() const;
    void setResultText(const std::wstring& text);
    std::vector<std::wstring> memoryEntries() const;
    // Adds entries the list does not hold yet, at its end.
    void addMemoryEntries(const std::vector<std::wstring>& entries);

    QPlainTextEdit* inputLine() const { return m_input; }
    QLineEdit* resultLine() const { return m_result; }
    QComboBox* memoryList() const { return m_memory; }
    const QFont& inputFont() const { return m_input_font; }
    const QFont& resultFont() const { return m_result_font; }
    ScreenClass screenClass() const { return m_screen_class; }
    // Only the small landscape screen uses the landscape layout.
    bool landscapeLayout() const { return m_screen_class == ScreenClass::QvgaLandscape; }

protected:
    // Where the mode's keypad goes. Until a mode has its own, it shows the
    // mode's name there, so nothing pretends to work.
    QWidget* keypadArea() const { return m_keypad_area; }

private:
    void buildLayout();

    COrvantaDoc& m_document;
    const int m_mode;
    const ScreenClass m_screen_class;
    QFont m_input_font;
    QFont m_result_font;
    std::wstring m_pending_text;

    QPlainTextEdit* m_input = nullptr;
    QLineEdit* m_result = nullptr;
    QComboBox* m_memory = nullptr;
    QWidget* m_keypad_area = nullptr;
    QLabel* m_mode_name = nullptr;
};
