#include "HelpLocation.h"

#include <QCoreApplication>
#include <QString>

#include "RegistryNames.h"
#include "SettingsStore.h"

namespace fs = std::filesystem;

namespace {
// A folder name may be longer than the usual read buffer: allow any path.
constexpr std::size_t PATH_BUFFER_BYTES = 2 * 4096;

// Paths are UTF-8 on disk; the settings hold wide text.
fs::path toPath(const std::wstring& text) {
    return fs::path(QString::fromStdWString(text).toStdString());
}
std::wstring toWide(const fs::path& path) {
    return QString::fromStdString(path.string()).toStdWString();
}

bool holdsHelp(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_regular_file(folder / HelpLocation::FILE_NAME, ec);
}
} // namespace

namespace HelpLocation {
std::vector<fs::path> candidateFolders() {
    const fs::path program = toPath(QCoreApplication::applicationDirPath().toStdWString());
    return {program, program.parent_path() / "share" / "orvanta"};
}

bool read(const SettingsStore& store, std::wstring& folder) {
    return store.readString(RegistryNames::HELP, RegistryNames::HELP_PATH, folder, PATH_BUFFER_BYTES);
}

bool helpFile(const SettingsStore& store, fs::path& file) {
    std::wstring folder;
    if (!read(store, folder) || !holdsHelp(toPath(folder))) return false;
    file = toPath(folder) / FILE_NAME;
    return true;
}

std::wstring notOpenedMessage(int language, const fs::path& file) {
    const wchar_t* text = language ? L"Die Hilfeseite konnte nicht ge\u00F6ffnet werden. Sie liegt hier:\n"
                                   : L"The help page could not be opened. It is here:\n";
    return text + toWide(file);
}

bool record(SettingsStore& store, const std::vector<fs::path>& candidates) {
    std::wstring folder;
    if (read(store, folder) && holdsHelp(toPath(folder))) return true;
    for (const fs::path& candidate : candidates) {
        if (!holdsHelp(candidate)) continue;
        std::error_code ec;
        const fs::path absolute = fs::weakly_canonical(fs::absolute(candidate, ec), ec);
        store.writeString(RegistryNames::HELP, RegistryNames::HELP_PATH, toWide(ec ? candidate : absolute));
        store.flush();
        return true;
    }
    return false;
}
} // namespace HelpLocation
