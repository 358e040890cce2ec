#include "FuzzSupport.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace fuzz {
Input::Input(const std::uint8_t* data, std::size_t size, std::size_t settingsBytes) {
    const std::size_t taken = std::min(size, settingsBytes);
    for (std::size_t i = 0; i < taken; ++i)
        m_settings |= static_cast<unsigned>(data[i]) << (8 * i);
    if (size == taken) return;
    m_payload = std::string_view(reinterpret_cast<const char*>(data + taken), size - taken);
    std::string_view rest = m_payload;
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
        m_fields.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    m_fields.push_back(rest);
}

std::wstring toText(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        switch (b) {
        case 0x80:
            text.push_back(L'\u00B2');
            break;
        case 0x81:
            text.push_back(L'\u00B3');
            break;
        case 0x82:
            text.push_back(L'\u00B4');
            break;
        default:
            text.push_back(static_cast<wchar_t>(b));
            break;
        }
    }
    return text;
}

namespace {
// Made once per process under the temporary folder, removed when it ends.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanta-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data())) m_folder = pattern;
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }
    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};
} // namespace

const std::filesystem::path& freshDataFolder() {
    static ScratchFolder s_scratch;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(s_scratch.folder(), error))
        std::filesystem::remove_all(entry.path(), error);
    return s_scratch.folder();
}

void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
} // namespace fuzz
