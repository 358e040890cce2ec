#pragma once
#include <array>

#include "ColorRef.h"

class QWidget;

using CustomColors = std::array<ColorRef, 16>;

// The colour picker: solid colours only, with a table of 16 custom colours
// offered beside the basic ones. Returns false when the user cancels; colour
// then stays as it was.
class IColorPicker {
public:
    virtual ~IColorPicker() = default;
    virtual bool chooseColor(QWidget* parent, ColorRef& colour, const CustomColors& customColors) = 0;
};
