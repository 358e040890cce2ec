// The settings file as whatever bytes a disk may hold. A text the reader
// accepts must come back unchanged through a store: written value by value,
// saved as text, read again and saved once more, the two texts are the same
// and every value reads back as it was. Settings: a UTF-8 byte order mark in
// bit 0, line ends CR LF in bit 1. The payload is the file.
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "ScriptedPlatform.h"
#include "SettingsStore.h"

namespace {
[[noreturn]] void disagree(const char* what) {
    std::fprintf(stderr, "settings disagree: %s\n", what);
    std::abort();
}

// A store in a folder without a settings file, filled with keys; nothing is
// ever flushed, so the folder stays empty.
std::string storedText(const SettingsStore::Keys& keys) {
    SettingsStore store(fuzz::freshDataFolder());
    for (const auto& [key, values] : keys) {
        for (const auto& [name, value] : values) {
            if (!store.writeString(key, name, value)) disagree("a value read could not be written");
            std::wstring back;
            if (!store.readString(key, name, back, (value.size() * 2 + 1) * 2) || back != value)
                disagree("a value written reads back otherwise");
        }
    }
    return store.serialize();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Whatever the store would tell the user is answered without a window.
    static ScriptedPlatform* const s_platform = new ScriptedPlatform();
    Q_UNUSED(s_platform);
    const fuzz::Input input(data, size);
    std::string text = input.flag(0) ? "\xEF\xBB\xBF" : "";
    for (const char c : input.payload()) {
        if (c == '\n' && input.flag(1)) text += '\r';
        text += c;
    }
    SettingsStore::Keys keys;
    if (!SettingsStore::parse(text, keys)) return 0;
    const std::string first = storedText(keys);
    SettingsStore::Keys again;
    if (!SettingsStore::parse(first, again)) disagree("a saved text is refused");
    if (storedText(again) != first) disagree("a saved text reads back otherwise");
    return 0;
}
