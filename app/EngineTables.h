#pragma once
#include <string>

#include "OrvantaCalcBase.h"

// A table of settings values that load into the engine's user slots: the user
// functions, the constants or the stored equations, with the key they are
// stored under. Entry i has its value name at entries[2i] and its first-start
// default at entries[2i + 1].
struct SlotTable {
    const wchar_t* key;
    int size;
    const wchar_t* const* entries;
    std::wstring (*get)(const OrvantaCalcBase& engine, int entry);
    void (*set)(OrvantaCalcBase& engine, int entry, const std::wstring& text);

    const wchar_t* name(int entry) const { return entries[2 * entry]; }
    const wchar_t* defaultText(int entry) const { return entries[2 * entry + 1]; }
};

namespace EngineTables {
SlotTable functions();
SlotTable constants();
SlotTable equations();
} // namespace EngineTables
