#pragma once
#include "IMessageBox.h"

class QtMessageBox : public IMessageBox {
public:
    MessageAnswer show(QWidget* parent, const std::wstring& text, const std::wstring& caption,
                       MessageIcon icon, MessageButtons buttons) override;
};
