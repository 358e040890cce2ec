#include "ParameterPrompt.h"

#include "LodrinStarter.h"

// The dialog opens without a parent window, like every parameter question of
// a calculation.
bool askParameters(PlaceholderValues& values) {
    LodrinStarter starter(nullptr);
    double w = values.value[0], x = values.value[1], y = values.value[2], z = values.value[3];
    if (!starter.showParameters(values.present[0], values.present[1], values.present[2], values.present[3], w,
                                x, y, z))
        return false;
    values.value[0] = w;
    values.value[1] = x;
    values.value[2] = y;
    values.value[3] = z;
    return true;
}
