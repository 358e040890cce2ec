#include "SettingsStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Platform.h"

namespace fs = std::filesystem;

namespace {
// ---- UTF-8, strict both ways, so every wide text survives a round trip ----

bool isScalar(std::uint32_t c) {
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at pos; false for anything but well-formed UTF-8.
bool nextUtf8(const std::string& text, std::size_t& pos, std::uint32_t& c) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int extra = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F, extra = 1, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F, extra = 2, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07, extra = 3, minimum = 0x10000;
    } else {
        return false;
    }
    if (pos + extra >= text.size()) return false;
    for (int i = 1; i <= extra; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    if (extra > 0 && (c < minimum || !isScalar(c))) return false;
    pos += 1 + extra;
    return true;
}

// ---- Quoted texts: "..." with \\ \" \n \r \t and \UXXXXXXXX ----

std::string quote(const std::wstring& text) {
    std::string out = "\"";
    for (wchar_t wc : text) {
        const auto c = static_cast<std::uint32_t>(wc);
        switch (c) {
        case '\\':
            out += "\\\\";
            continue;
        case '"':
            out += "\\\"";
            continue;
        case '\n':
            out += "\\n";
            continue;
        case '\r':
            out += "\\r";
            continue;
        case '\t':
            out += "\\t";
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7F || !isScalar(c)) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\U%08X", static_cast<unsigned>(c));
            out += buffer;
        } else {
            appendUtf8(out, c);
        }
    }
    return out + "\"";
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted text starting at pos (on the opening quote); pos ends after
// the closing quote.
bool unquote(const std::string& line, std::size_t& pos, std::wstring& out) {
    if (pos >= line.size() || line[pos] != '"') return false;
    ++pos;
    out.clear();
    while (pos < line.size()) {
        const char ch = line[pos];
        if (ch == '"') {
            ++pos;
            return true;
        }
        if (ch == '\\') {
            if (pos + 1 >= line.size()) return false;
            const char e = line[pos + 1];
            pos += 2;
            switch (e) {
            case '\\':
                out += L'\\';
                break;
            case '"':
                out += L'"';
                break;
            case 'n':
                out += L'\n';
                break;
            case 'r':
                out += L'\r';
                break;
            case 't':
                out += L'\t';
                break;
            case 'U': {
                if (pos + 8 > line.size()) return false;
                std::uint32_t c = 0;
                for (int i = 0; i < 8; ++i) {
                    const int d = hexDigit(line[pos + i]);
                    if (d < 0) return false;
                    c = (c << 4) | static_cast<std::uint32_t>(d);
                }
                out += static_cast<wchar_t>(c);
                pos += 8;
                break;
            }
            default:
                return false;
            }
            continue;
        }
        std::uint32_t c = 0;
        if (!nextUtf8(line, pos, c)) return false;
        if (c < 0x20 && c != '\t') return false;
        out += static_cast<wchar_t>(c);
    }
    return false; // no closing quote
}

bool decodeUtf8(const std::string& text, std::wstring& out) {
    out.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::uint32_t c = 0;
        if (!nextUtf8(text, pos, c)) return false;
        out += static_cast<wchar_t>(c);
    }
    return true;
}

std::string encodeUtf8(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        appendUtf8(out, isScalar(static_cast<std::uint32_t>(c)) ? c : 0xFFFD);
    return out;
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// Key names may hold anything but line breaks, control characters and "]",
// so that they can stand unquoted between brackets.
bool validKey(const std::wstring& key) {
    if (key.empty()) return false;
    for (wchar_t c : key)
        if (static_cast<std::uint32_t>(c) < 0x20 || c == L']' || !isScalar(static_cast<std::uint32_t>(c)))
            return false;
    return true;
}

// Characters of the two-byte encoding the read buffers are measured in.
std::size_t twoByteUnits(const std::wstring& text) {
    std::size_t units = 0;
    for (wchar_t c : text)
        units += static_cast<std::uint32_t>(c) > 0xFFFF ? 2 : 1;
    return units;
}

fs::path fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

std::wstring wide(const fs::path& path) {
    std::wstring out;
    decodeUtf8(path.string(), out);
    return out;
}

// $HOME, else the user's entry in the password database.
fs::path homeFolder() {
    fs::path home = fromEnvironment("HOME");
    if (home.empty()) {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_dir)
            home = found->pw_dir;
    }
    return home.is_absolute() ? home : fs::path();
}

// The end of a chain of symbolic links: where a write to file lands.
fs::path linkTarget(const fs::path& file) {
    constexpr int MAX_LINKS = 40;
    fs::path current = file;
    for (int i = 0; i < MAX_LINKS; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) break;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) break;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

void showBoth(const std::wstring& english, const std::wstring& german) {
    Platform::messageBox().show(nullptr, english + L"\n\n" + german, L"Orvanta", MessageIcon::Exclamation,
                                MessageButtons::Ok);
}

bool syncAndClose(int fd) {
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}
} // namespace

fs::path SettingsStore::defaultFolder() {
    if (fs::path dir = fromEnvironment("ORVANTA_CONFIG_DIR"); !dir.empty()) return dir;
    if (fs::path xdg = fromEnvironment("XDG_CONFIG_HOME"); !xdg.empty() && xdg.is_absolute())
        return xdg / "orvanta";
    if (fs::path home = homeFolder(); !home.empty()) return home / ".config" / "orvanta";
    return {};
}

SettingsStore::SettingsStore(fs::path folder) : m_folder(std::move(folder)) {
    load();
}

std::wstring SettingsStore::normalizeKey(const std::wstring& key) {
    std::wstring out;
    for (wchar_t c : key) {
        if (c == L'\\' && (out.empty() || out.back() == L'\\')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == L'\\')
        out.pop_back();
    return out;
}

bool SettingsStore::readString(const std::wstring& key, const std::wstring& name, std::wstring& value,
                               std::size_t bufferBytes) const {
    const Values* values = m_keys.find(normalizeKey(key));
    const std::wstring* stored = values ? values->find(name) : nullptr;
    if (!stored || (twoByteUnits(*stored) + 1) * 2 > bufferBytes) return false;
    value = *stored;
    return true;
}

bool SettingsStore::writeString(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
    const std::wstring k = normalizeKey(key);
    if (!validKey(k) || name.empty()) return false;
    Values& values = m_keys[k];
    const std::wstring* existing = values.find(name);
    if (existing && *existing == text) return true;
    values[name] = text;
    m_dirty = true;
    return true;
}

bool SettingsStore::deleteValue(const std::wstring& key, const std::wstring& name) {
    Values* values = m_keys.find(normalizeKey(key));
    if (!values || !values->erase(name)) return false;
    m_dirty = true;
    return true;
}

bool SettingsStore::hasValue(const std::wstring& key, const std::wstring& name) const {
    const Values* values = m_keys.find(normalizeKey(key));
    return values && values->find(name);
}

std::string SettingsStore::serialize() const {
    std::string out = "# Orvanta settings: [key] lines, each followed by its \"name\"=\"value\" lines.\n"
                      "# A file that cannot be read is moved aside and the defaults are used.\n";
    for (const auto& [key, values] : m_keys) {
        out += "\n[" + encodeUtf8(key) + "]\n";
        for (const auto& [name, value] : values)
            out += quote(name) + "=" + quote(value) + "\n";
    }
    return out;
}

bool SettingsStore::parse(const std::string& text, Keys& keys) {
    Keys parsed;
    Values* current = nullptr;
    std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = trim(line);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            std::wstring key;
            if (line.back() != ']' || !decodeUtf8(line.substr(1, line.size() - 2), key)) return false;
            key = normalizeKey(key);
            if (!validKey(key)) return false;
            current = &parsed[key];
            continue;
        }
        std::size_t pos = 0;
        std::wstring name, value;
        if (!current || !unquote(line, pos, name) || name.empty()) return false;
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        if (pos >= line.size() || line[pos] != '=') return false;
        ++pos;
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        if (!unquote(line, pos, value) || pos != line.size()) return false;
        (*current)[name] = value;
    }
    keys = std::move(parsed);
    return true;
}

// Only a regular file is read, opened without blocking: a pipe or device of
// that name would wait for ever or never end.
bool SettingsStore::readFile(std::string& text) {
    text.clear();
    const int fd = ::open(filePath().c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) return true; // no file yet: an empty store
    struct stat status {};
    bool ok = fd >= 0 && ::fstat(fd, &status) == 0;
    if (ok && (!S_ISREG(status.st_mode) || static_cast<std::uintmax_t>(status.st_size) > MAX_FILE_BYTES)) {
        ::close(fd);
        setAside(S_ISREG(status.st_mode) ? L"it is too large" : L"it is not a file");
        return false;
    }
    char block[16384];
    while (ok && text.size() <= MAX_FILE_BYTES) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        text.append(block, static_cast<std::size_t>(n));
    }
    if (fd >= 0) ::close(fd);
    if (ok) return true;
    // Unreadable (permissions, I/O): keep it where it is and never write
    // over it, so nothing the user had is lost.
    m_writable = false;
    const std::wstring file = wide(filePath());
    showBoth(L"The settings file " + file +
                 L" cannot be read. Orvanta starts with its default settings and does not change the file.",
             L"Die Einstellungsdatei " + file +
                 L" kann nicht gelesen werden. Orvanta startet mit den Standardeinstellungen und ändert die "
                 L"Datei nicht.");
    return false;
}

void SettingsStore::load() {
    if (m_folder.empty()) {
        m_writable = false;
        showBoth(
            L"No folder for the settings is known (HOME is not set). Orvanta starts with its default "
            L"settings and stores nothing.",
            L"Es ist kein Ordner für die Einstellungen bekannt (HOME ist nicht gesetzt). Orvanta startet "
            L"mit den Standardeinstellungen und speichert nichts.");
        return;
    }
    std::string text;
    if (!readFile(text) || text.empty()) return;
    if (text.size() > MAX_FILE_BYTES) {
        setAside(L"it is too large");
        return;
    }
    if (!parse(text, m_keys)) setAside(L"it is damaged");
}

void SettingsStore::setAside(const std::wstring& reason) {
    m_keys.clear();
    const fs::path file = filePath();
    std::error_code ec;
    fs::path target = m_folder / (std::string(FILE_NAME) + ".corrupt");
    for (int n = 2; fs::exists(target, ec) && n <= 1000; ++n)
        target = m_folder / (std::string(FILE_NAME) + ".corrupt-" + std::to_string(n));
    fs::rename(file, target, ec);
    std::wstring english, german;
    if (ec || fs::exists(file)) {
        m_writable = false;
        english = L"The settings file " + wide(file) + L" cannot be used (" + reason +
                  L"). Orvanta starts with its default settings and does not change the file.";
        german =
            L"Die Einstellungsdatei " + wide(file) +
            L" ist unbrauchbar. Orvanta startet mit den Standardeinstellungen und ändert die Datei nicht.";
    } else {
        m_moved_aside = target;
        english = L"The settings file could not be used (" + reason + L") and was moved to " + wide(target) +
                  L". Orvanta starts with its default settings.";
        german = L"Die Einstellungsdatei war unbrauchbar und wurde nach " + wide(target) +
                 L" verschoben. Orvanta startet mit den Standardeinstellungen.";
    }
    showBoth(english, german);
}

bool SettingsStore::writeTemporary(const fs::path& target, fs::path& temporary) const {
    const std::string text = serialize();
    // A name of its own, created exclusively: two programs saving at once
    // never write into one file, and a link planted beside ours is never
    // followed.
    std::string name = target.string() + ".tmpXXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    temporary = name;
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0600;
    bool ok = ::fchmod(fd, mode) == 0;
    for (std::size_t written = 0; ok && written < text.size();) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) written += static_cast<std::size_t>(n);
    }
    if (!ok) {
        ::close(fd);
        return false;
    }
    return syncAndClose(fd);
}

bool SettingsStore::flush() {
    if (!m_writable) return false;
    if (!m_dirty) return true;
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    const fs::path target = linkTarget(filePath());
    fs::path temporary;
    bool ok = writeTemporary(target, temporary);
    if (ok && m_before_replace) ok = m_before_replace(temporary);
    if (ok) {
        fs::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok) {
        if (!temporary.empty()) fs::remove(temporary, ec);
        return false;
    }
    // Make the rename itself durable.
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    m_dirty = false;
    return true;
}
