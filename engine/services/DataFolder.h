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
    // XDG_DATA_HOME counts), else HOME/.local/share/orvanta; empty when none
    // of them is known. Never the current folder: files there are not ours.
    static std::filesystem::path resolveDefault();

    // $HOME, else the home folder the password database gives the user (a
    // service or "env -i" may start us without HOME); empty when neither is
    // an absolute path.
    static std::filesystem::path homeFolder();

    // Creates folder and its parents when missing; true if it is a folder
    // afterwards.
    static bool ensure(const std::filesystem::path& folder);
};
