#pragma once
#include <QStringList>

class SettingsStore;

// "orvanta --export-plot OUT [options] FUNCTION...": draws what a plot
// window with a client area of the given size draws, writes it as PNG, BMP
// or SVG by the extension, and ends. No display is needed.
namespace PlotExport {
inline constexpr const char* OPTION = "--export-plot";
inline constexpr int EXIT_OK = 0;
inline constexpr int EXIT_REFUSED =
    1; // the set check refused the functions, or the file could not be written
inline constexpr int EXIT_USAGE = 2;

// Whether the command line asks for an export.
bool requested(int argc, char** argv);
// The lines of --help that describe the export.
const char* usage();
// Runs the export; the application object must exist. Messages go to
// standard error.
int run(const QStringList& arguments, SettingsStore& store);
} // namespace PlotExport
