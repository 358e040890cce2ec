#include "QtFileDialog.h"

#include <QFileDialog>

namespace {
bool runFileDialog(QFileDialog& dialog, std::wstring& path) {
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return false;
    path = files.front().toStdWString();
    return true;
}
} // namespace

bool QtFileDialog::openFile(QWidget* parent, const std::wstring& title, const std::wstring& filter,
                            std::wstring& path) {
    QFileDialog dialog(parent, QString::fromStdWString(title), QString::fromStdWString(path),
                       QString::fromStdWString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, path);
}

bool QtFileDialog::saveFile(QWidget* parent, const std::wstring& title, const std::wstring& filter,
                            const std::wstring& defaultSuffix, std::wstring& path) {
    QFileDialog dialog(parent, QString::fromStdWString(title), QString::fromStdWString(path),
                       QString::fromStdWString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdWString(defaultSuffix));
    return runFileDialog(dialog, path);
}
