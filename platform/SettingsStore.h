#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Names with their entries, in the order they were first added: the
// settings file lists keys and values in the order the program writes them.
template <class T> class InsertionOrdered {
public:
    const T* find(const std::wstring& name) const {
        for (const auto& item : m_items)
            if (item.first == name) return &item.second;
        return nullptr;
    }
    T* find(const std::wstring& name) {
        return const_cast<T*>(static_cast<const InsertionOrdered&>(*this).find(name));
    }
    // The entry of name, appended empty when it is missing.
    T& operator[](const std::wstring& name) {
        if (T* existing = find(name)) return *existing;
        return m_items.emplace_back(name, T()).second;
    }
    bool erase(const std::wstring& name) {
        for (auto it = m_items.begin(); it != m_items.end(); ++it)
            if (it->first == name) {
                m_items.erase(it);
                return true;
            }
        return false;
    }
    void clear() { m_items.clear(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<std::pair<std::wstring, T>> m_items;
};

// The program's settings: string values under hierarchical keys such as
// "Software\Orvanta\Options", kept in memory and persisted as one
// human-readable text file in the config folder. The file is only ever
// replaced whole (written to a temporary file, then renamed over the old one),
// so a crash leaves either the old or the new settings, never half a file.
//
// A file that cannot be parsed is moved aside (kept for the user), the store
// starts empty, so every reader falls back to its defaults, and the user is
// told once in a message box.
class SettingsStore {
public:
    static constexpr const char* FILE_NAME = "settings.conf";
    // Settings are a few kilobytes; anything near this is not ours.
    static constexpr std::uintmax_t MAX_FILE_BYTES = 1 << 20;
    // Read buffers are counted in bytes of two-byte characters, terminator
    // included: 200 bytes hold 99 characters.
    static constexpr std::size_t DEFAULT_BUFFER_BYTES = 200;

    // Where the settings live: $ORVANTA_CONFIG_DIR, else
    // $XDG_CONFIG_HOME/orvanta, else ~/.config/orvanta.
    static std::filesystem::path defaultFolder();

    // Loads the settings file of folder (a missing file is an empty store).
    explicit SettingsStore(std::filesystem::path folder);
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Succeeds only if the key and the value exist and the text with its
    // terminator fits into bufferBytes; value is left alone otherwise.
    bool readString(const std::wstring& key, const std::wstring& name, std::wstring& value,
                    std::size_t bufferBytes = DEFAULT_BUFFER_BYTES) const;
    // Sets the value, creating the key when it is missing. False only for an
    // empty key or value name. Nothing reaches the file before flush().
    bool writeString(const std::wstring& key, const std::wstring& name, const std::wstring& text);
    bool deleteValue(const std::wstring& key, const std::wstring& name);
    bool hasValue(const std::wstring& key, const std::wstring& name) const;

    // Writes the whole store to the file if anything changed since the last
    // flush. False when the file could not be replaced (the old file stays).
    bool flush();

    const std::filesystem::path& folder() const { return m_folder; }
    std::filesystem::path filePath() const { return m_folder / FILE_NAME; }
    // Where an unreadable file was moved to; empty when none was.
    const std::filesystem::path& movedAside() const { return m_moved_aside; }
    // False when a settings file exists that could neither be read nor moved
    // aside: then nothing is written over it.
    bool writable() const { return m_writable; }

    // The text of the file for the current contents.
    std::string serialize() const;
    // Parses a settings text; false (and keys untouched) when it is malformed.
    using Values = InsertionOrdered<std::wstring>;
    using Keys = InsertionOrdered<Values>;
    static bool parse(const std::string& text, Keys& keys);

    // Runs after the temporary file is complete and before it replaces the
    // settings file; returning false abandons the replacement. For tests that
    // need a failure at the last moment.
    using BeforeReplace = std::function<bool(const std::filesystem::path& temporary)>;
    void setBeforeReplace(BeforeReplace hook) { m_before_replace = std::move(hook); }

private:
    void load();
    void setAside(const std::wstring& reason);
    bool writeTemporary(const std::filesystem::path& temporary) const;
    static std::wstring normalizeKey(const std::wstring& key);

    std::filesystem::path m_folder;
    Keys m_keys;
    bool m_dirty = false;
    bool m_writable = true;
    std::filesystem::path m_moved_aside;
    BeforeReplace m_before_replace;
};
