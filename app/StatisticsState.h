#pragma once
#include <filesystem>
#include <string>
#include <vector>

class SettingsStore;

// The statistics grid as the user left it, kept from one session to the
// next: the cells in the data file format, in a file beside the settings
// file, and the mode and the number of points in the settings. The file
// holds every column up to the last one used, x before y, whatever the mode
// (x mode only hides the y values); an empty cell within is written as a
// single space, so that no point slides into its neighbour's place.
//
// A missing or unreadable file gives an empty grid without a word; an
// unreadable one is then left alone. A damaged one is moved aside (".corrupt")
// and the grid starts empty. Without a settings folder nothing is written.
class StatisticsState {
public:
    static constexpr const char* FILE_NAME = "statistics.csv";

    struct Grid {
        bool pairs = true;
        int points = 0; // the grid's size; 0 when none was kept
        std::vector<std::wstring> x, y;
    };

    explicit StatisticsState(SettingsStore& settings);

    // What the last session left.
    Grid load();
    // Replaces the kept grid (file written atomically, settings flushed);
    // false when nothing could be or was to be written.
    bool save(const Grid& grid);

    std::filesystem::path filePath() const;

private:
    SettingsStore& m_settings;
    // A file that could neither be read nor moved aside is never written over.
    bool m_keep_file = false;
};
