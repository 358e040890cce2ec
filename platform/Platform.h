#pragma once
#include "IColorPicker.h"
#include "IFileDialog.h"
#include "IInputPanel.h"
#include "IMessageBox.h"

// The services of the handheld platform that the dialogs and the program use.
// By default they are the Qt implementations; tests install scripted ones.
class Platform {
public:
    struct Services {
        IMessageBox* messageBox = nullptr;
        IColorPicker* colorPicker = nullptr;
        IFileDialog* fileDialog = nullptr;
        IInputPanel* inputPanel = nullptr;
    };

    static IMessageBox& messageBox();
    static IColorPicker& colorPicker();
    static IFileDialog& fileDialog();
    static IInputPanel& inputPanel();

    // Replaces the services; a null member selects the Qt implementation.
    // Returns the set that was in force, so a caller can put it back.
    static Services install(const Services& services);

private:
    static Services& current();
};
