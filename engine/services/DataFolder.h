#pragma once
#include <filesystem>

// Where the engine keeps its data files ("metrics.dat", "base.dat",
// "integrals.txt"). The program and orvanta-calc resolve the same default so
// that both see the same units.
class DataFolder {
public:
    // Overrides the default folder when set and not empty.
    static constexpr const char* ENVIRONMENT_VARIABLE = "ORVANTA_DATA_DIR";

    // $ORVANTA_DATA_DIR, else $XDG_DATA_HOME/orvanta (only an absolute
    // XDG_DATA_HOME counts), else $HOME/.local/share/orvanta; empty when none
    // of them is known.
    static std::filesystem::path resolveDefault();

    // Creates folder and its parents when missing; true if it is a folder
    // afterwards.
    static bool ensure(const std::filesystem::path& folder);
};
