#include "QtColorPicker.h"

#include <QColorDialog>

bool QtColorPicker::chooseColor(QWidget* parent, ColorRef& colour, const CustomColors& customColors) {
    // The custom colours of the picker are process-wide in Qt; every caller
    // brings its own table, so set it each time.
    for (int i = 0; i < static_cast<int>(customColors.size()); ++i)
        QColorDialog::setCustomColor(i, toQColor(customColors[static_cast<std::size_t>(i)]));
    QColorDialog dialog(toQColor(colour), parent);
    dialog.setOption(QColorDialog::ShowAlphaChannel, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    colour = toColorRef(dialog.selectedColor());
    return true;
}
