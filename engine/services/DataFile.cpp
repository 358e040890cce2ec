#include "DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

std::function<void()> DataFile::s_before_rename;

namespace {
constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Makes a rename in folder durable.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void appendUnit(std::string& bytes, char32_t unit) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
}
} // namespace

DataFile::ReadResult DataFile::readFile(const std::filesystem::path& file, std::string& bytes,
                                        std::size_t limit) {
    bytes.clear();
    // Without blocking: opening a pipe for reading would wait for a writer.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    struct stat status {};
    bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    // Read in blocks so that a huge file stops at the limit instead of filling
    // the memory.
    char block[20000];
    while (ok && bytes.size() < limit) {
        const ssize_t n = ::read(fd, block, std::min(sizeof block, limit - bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        bytes.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) bytes.clear();
    return ok ? ReadResult::Read : ReadResult::Unreadable;
}

bool DataFile::readBytes(const std::filesystem::path& file, std::string& bytes, std::size_t limit) {
    return readFile(file, bytes, limit) == ReadResult::Read;
}

std::vector<std::filesystem::path> DataFile::moveAside(const std::vector<std::filesystem::path>& files) {
    constexpr int MAX_SUFFIX = 1000;
    auto present = [](const std::filesystem::path& file) {
        struct stat status {};
        return ::lstat(file.c_str(), &status) == 0;
    };
    for (int n = 1; n <= MAX_SUFFIX; ++n) {
        const std::string suffix = n == 1 ? ".corrupt" : ".corrupt-" + std::to_string(n);
        std::vector<std::filesystem::path> moved(files.size());
        bool taken = false;
        for (std::size_t i = 0; i < files.size(); ++i) {
            moved[i] = files[i];
            moved[i] += suffix;
            taken = taken || present(moved[i]);
        }
        if (taken) continue;
        // A hard link never replaces an existing name; the originals go only
        // once every file has its new name.
        std::size_t linked = 0;
        for (; linked < files.size(); ++linked) {
            if (!present(files[linked])) {
                moved[linked].clear();
                continue;
            }
            if (::link(files[linked].c_str(), moved[linked].c_str()) != 0) break;
        }
        if (linked < files.size()) {
            const int reason = errno;
            for (std::size_t i = 0; i < linked; ++i)
                if (!moved[i].empty()) ::unlink(moved[i].c_str());
            if (reason == EEXIST) continue; // someone else took the name meanwhile
            return {};
        }
        for (std::size_t i = 0; i < files.size(); ++i)
            if (!moved[i].empty()) ::unlink(files[i].c_str());
        return moved;
    }
    return {};
}

bool DataFile::decodeUtf16Le(std::string_view bytes, std::wstring& text) {
    text.clear();
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i])) |
               static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i + 1])) << 8;
    };
    std::size_t i = units > 0 && unitAt(0) == 0xFEFF ? 1 : 0;
    text.reserve(units);
    for (; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit < 0x20 && unit != L'\t' && unit != L'\r' && unit != L'\n') return false;
        if (isHighSurrogate(unit) && i + 1 < units && isLowSurrogate(unitAt(i + 1))) {
            text.push_back(
                static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00)));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            text.push_back(static_cast<wchar_t>(REPLACEMENT_CHARACTER));
        } else {
            text.push_back(static_cast<wchar_t>(unit));
        }
    }
    return true;
}

std::string DataFile::encodeUtf16Le(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const wchar_t ch : text) {
        const auto code = static_cast<char32_t>(ch);
        if (code > 0x10FFFF || isHighSurrogate(code) || isLowSurrogate(code)) {
            appendUnit(bytes, REPLACEMENT_CHARACTER);
        } else if (code >= 0x10000) {
            appendUnit(bytes, 0xD800 + ((code - 0x10000) >> 10));
            appendUnit(bytes, 0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            appendUnit(bytes, code);
        }
    }
    return bytes;
}

std::filesystem::path DataFile::linkTarget(const std::filesystem::path& file) {
    constexpr int MAX_LINKS = 40; // as the kernel allows
    std::filesystem::path current = file;
    for (int i = 0; i < MAX_LINKS; ++i) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) break;
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error) break;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

bool DataFile::writeTemporary(const std::filesystem::path& target, const std::string& bytes,
                              std::filesystem::path& temporary) {
    // mkstemp picks a name of its own and creates it exclusively, so two
    // processes storing at once never share a file and a link planted under
    // a guessed name is never followed.
    std::string name = target.string() + ".tmpXXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    temporary = name;
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    bool ok = ::fchmod(fd, mode) == 0;
    for (std::size_t written = 0; ok && written < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) written += static_cast<std::size_t>(n);
    }
    // On disk before the rename, so that a power cut never leaves an empty file.
    ok = ::fsync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

int DataFile::replaceFiles(const std::vector<Replacement>& replacements) {
    std::vector<std::filesystem::path> temporaries;
    auto discard = [&temporaries] {
        std::error_code ignored;
        for (const auto& temporary : temporaries)
            std::filesystem::remove(temporary, ignored);
    };
    std::vector<std::filesystem::path> targets;
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        targets.push_back(linkTarget(replacements[i].target));
        std::filesystem::path temporary;
        const bool written = writeTemporary(targets.back(), replacements[i].bytes, temporary);
        if (!temporary.empty()) temporaries.push_back(temporary);
        if (!written) {
            discard();
            return static_cast<int>(i);
        }
    }
    if (s_before_rename) s_before_rename();
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        std::error_code error;
        std::filesystem::rename(temporaries[i], targets[i], error);
        if (error) {
            temporaries.erase(temporaries.begin(), temporaries.begin() + static_cast<std::ptrdiff_t>(i));
            discard();
            return static_cast<int>(i);
        }
    }
    for (const auto& target : targets)
        syncFolder(target.parent_path());
    return -1;
}
