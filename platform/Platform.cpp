#include "Platform.h"

#include "QtColorPicker.h"
#include "QtFileDialog.h"
#include "QtMessageBox.h"

namespace {
QtMessageBox& qtMessageBox() {
    static QtMessageBox instance;
    return instance;
}
QtColorPicker& qtColorPicker() {
    static QtColorPicker instance;
    return instance;
}
QtFileDialog& qtFileDialog() {
    static QtFileDialog instance;
    return instance;
}
DesktopInputPanel& desktopInputPanel() {
    static DesktopInputPanel instance;
    return instance;
}
} // namespace

Platform::Services& Platform::current() {
    static Services services;
    return services;
}

IMessageBox& Platform::messageBox() {
    IMessageBox* s = current().messageBox;
    return s ? *s : qtMessageBox();
}

IColorPicker& Platform::colorPicker() {
    IColorPicker* s = current().colorPicker;
    return s ? *s : qtColorPicker();
}

IFileDialog& Platform::fileDialog() {
    IFileDialog* s = current().fileDialog;
    return s ? *s : qtFileDialog();
}

IInputPanel& Platform::inputPanel() {
    IInputPanel* s = current().inputPanel;
    return s ? *s : desktopInputPanel();
}

Platform::Services Platform::install(const Services& services) {
    Services previous = current();
    current() = services;
    return previous;
}
