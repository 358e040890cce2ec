#pragma once
#include "IColorPicker.h"

class QtColorPicker : public IColorPicker {
public:
    bool chooseColor(QWidget* parent, ColorRef& colour, const CustomColors& customColors) override;
};
