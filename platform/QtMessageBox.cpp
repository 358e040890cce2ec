#include "QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageAnswer QtMessageBox::show(QWidget* parent, const std::wstring& text, const std::wstring& caption,
                                 MessageIcon icon, MessageButtons buttons) {
    const bool yesNo = buttons == MessageButtons::YesNo;
    // A box asked for without a window still opens over the program's window.
    if (!parent) parent = QApplication::activeWindow();
    QMessageBox box(toQtIcon(icon), QString::fromStdWString(caption), QString::fromStdWString(text),
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    const int answer = box.exec();
    if (!yesNo) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}
