#pragma once
#include <string>

class QWidget;

enum class MessageIcon { None, Exclamation, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A modal message box. Everything that tells the user something in a box goes
// through this, so tests can see what was shown and answer it.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual MessageAnswer show(QWidget* parent, const std::wstring& text, const std::wstring& caption,
                               MessageIcon icon, MessageButtons buttons) = 0;
};
