#pragma once
#include "EngineAdapter.h"

// Asks the user for the values of the placeholders marked present, in the
// parameter dialog; false when the user cancels.
bool askParameters(PlaceholderValues& values);
