#include "DataFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

namespace {
const char* nonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}
} // namespace

std::filesystem::path DataFolder::resolveDefault() {
    if (const char* folder = nonEmptyVariable(ENVIRONMENT_VARIABLE)) return folder;
    if (const char* dataHome = nonEmptyVariable("XDG_DATA_HOME")) {
        const std::filesystem::path base(dataHome);
        if (base.is_absolute()) return base / "orvanta";
    }
    if (const std::filesystem::path home = homeFolder(); !home.empty()) return home / ".local/share/orvanta";
    return {};
}

std::filesystem::path DataFolder::homeFolder() {
    std::filesystem::path home;
    if (const char* variable = nonEmptyVariable("HOME")) {
        home = variable;
    } else {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_dir)
            home = found->pw_dir;
    }
    return home.is_absolute() ? home : std::filesystem::path();
}

bool DataFolder::ensure(const std::filesystem::path& folder) {
    if (folder.empty()) return false; // no folder: nothing is stored
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}
