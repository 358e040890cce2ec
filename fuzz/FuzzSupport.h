#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// What every fuzz target shares: turning the fuzzer's bytes into the texts a
// user or a file hands the engine.
namespace fuzz {
// The fuzzer's bytes: the first one (or two, for a target with more settings
// than eight bits hold) chooses settings, the rest is the payload. Settings
// bits are numbered from the first byte's lowest bit; a second byte holds
// bits 8 to 15.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size, std::size_t settingsBytes = 1);

    // The bits from `shift` on, as many as `choices` needs, as a number below
    // `choices`: every setting reads bits of its own, so that each meets every
    // value of the others.
    unsigned pick(unsigned shift, unsigned choices) const {
        return ((m_settings >> shift) & (std::bit_ceil(choices) - 1)) % choices;
    }
    bool flag(unsigned bit) const { return (m_settings >> bit) & 1u; }

    // The payload split at line breaks: field i, or the empty text.
    std::string_view field(std::size_t i) const { return i < m_fields.size() ? m_fields[i] : std::string_view(); }
    std::string_view payload() const { return m_payload; }

private:
    unsigned m_settings = 0;
    std::string_view m_payload;
    std::vector<std::string_view> m_fields;
};

// Bytes as the text a user types: ASCII as it is; 0x80, 0x81 and 0x82 stand
// for the three characters beyond ASCII that the keypad writes ("²", "³",
// "´"); the other bytes are Latin-1 characters.
std::wstring toText(std::string_view bytes);

// A folder of the process's own for data files, emptied before each use.
const std::filesystem::path& freshDataFolder();
void writeFile(const std::filesystem::path& file, std::string_view bytes);
} // namespace fuzz
