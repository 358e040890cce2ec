#pragma once
#include <filesystem>
#include <string>
#include <vector>

class SettingsStore;

// Where the offline help page is. The settings keep its folder under
// Software\Orvanta\Help, value "Path"; the program records it the first
// time it finds the page, as an installation would.
namespace HelpLocation {
inline constexpr const char* FILE_NAME = "OrvantaHelp.html";

// The folders a built or installed program looks in: its own folder and
// ../share/orvanta beside it.
std::vector<std::filesystem::path> candidateFolders();

// The recorded folder; false when there is none.
bool read(const SettingsStore& store, std::wstring& folder);
// The help page in the recorded folder, if the page is there.
bool helpFile(const SettingsStore& store, std::filesystem::path& file);

// The message for a help page the desktop could not open, naming the page,
// in the language (0 English, else German).
std::wstring notOpenedMessage(int language, const std::filesystem::path& file);

// Records the first candidate folder that holds the help page, unless the
// recorded folder still holds it. Returns whether a help page is recorded.
bool record(SettingsStore& store, const std::vector<std::filesystem::path>& candidates);
} // namespace HelpLocation
