#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Names with their entries, in the order they were first added: the
// settings file lists keys and values in the order the program writes them.
template <class T> class InsertionOrdered {
public:
    // Looked up through an index, so that loading a file with many names
    // stays linear.
    const T* find(const std::wstring& name) const {
        const auto it = m_index.find(name);
        return it == m_index.end() ? nullptr : &m_items[it->second].second;
    }
    T* find(const std::wstring& name) {
        return const_cast<T*>(static_cast<const InsertionOrdered&>(*this).find(name));
    }
    // The entry of name, appended empty when it is missing.
    T& operator[](const std::wstring& name) {
        if (T* existing = find(name)) return *existing;
        m_index.emplace(name, m_items.size());
        return m_items.emplace_back(name, T()).second;
    }
    bool erase(const std::wstring& name) {
        const auto it = m_index.find(name);
        if (it == m_index.end()) return false;
        // Rare (a deleted value): the positions behind it are counted anew.
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(it->second));
        reindex();
        return true;
    }
    void clear() {
        m_items.clear();
        m_index.clear();
    }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    void reindex() {
        m_index.clear();
        for (std::size_t i = 0; i < m_items.size(); ++i)
            m_index.emplace(m_items[i].first, i);
    }

    std::vector<std::pair<std::wstring, T>> m_items;
    std::unordered_map<std::wstring, std::size_t> m_index;
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
    // $XDG_CONFIG_HOME/orvanta, else HOME/.config/orvanta with HOME from the
    // environment or the password database; empty when no home is known.
    static std::filesystem::path defaultFolder();

    // Loads the settings file of folder (a missing file is an empty store).
    // Without a folder the settings live in memory only; the user is told
    // once.
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
    // The new text goes to a temporary file of its own in the same folder,
    // created exclusively, synced, then renamed over the file; a settings
    // file that is a symbolic link stays one (the file it names is replaced).
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
    bool writeTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) const;
    bool readFile(std::string& text);
    static std::wstring normalizeKey(const std::wstring& key);

    std::filesystem::path m_folder;
    Keys m_keys;
    bool m_dirty = false;
    bool m_writable = true;
    std::filesystem::path m_moved_aside;
    BeforeReplace m_before_replace;
};
