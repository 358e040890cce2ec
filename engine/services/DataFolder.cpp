#include "DataFolder.h"

#include <cstdlib>
#include <system_error>

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
    if (const char* home = nonEmptyVariable("HOME"))
        return std::filesystem::path(home) / ".local/share/orvanta";
    return {};
}

bool DataFolder::ensure(const std::filesystem::path& folder) {
    if (folder.empty()) return true; // the current folder
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}
