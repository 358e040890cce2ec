#pragma once
#include <string>

class QWidget;

// Open and save file dialogs. The filter uses Qt's notation
// ("Data (*.txt);;All files (*)"). Both return false when the user cancels,
// and then leave path unchanged; path carries the proposed name in.
class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    virtual bool openFile(QWidget* parent, const std::wstring& title, const std::wstring& filter,
                          std::wstring& path) = 0;
    virtual bool saveFile(QWidget* parent, const std::wstring& title, const std::wstring& filter,
                          const std::wstring& defaultSuffix, std::wstring& path) = 0;
};
