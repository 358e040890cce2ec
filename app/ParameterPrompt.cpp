#include "ParameterPrompt.h"

#include "LodrinStarter.h"

// The parameter dialog opens without a parent window.
bool askParameters(PlaceholderValues& values) {
    LodrinStarter starter(nullptr);
    return starter.showParameters(values.present[0], values.present[1], values.present[2], values.present[3],
                                  values.value[0], values.value[1], values.value[2], values.value[3]);
}
