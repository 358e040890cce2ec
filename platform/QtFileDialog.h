#pragma once
#include "IFileDialog.h"

class QtFileDialog : public IFileDialog {
public:
    bool openFile(QWidget* parent, const std::wstring& title, const std::wstring& filter,
                  std::wstring& path) override;
    bool saveFile(QWidget* parent, const std::wstring& title, const std::wstring& filter,
                  const std::wstring& defaultSuffix, std::wstring& path) override;
};
