#pragma once
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The engine's own data files (the unit lists and the integral table) are
// UTF-16 little-endian text. This class reads them with a size bound, converts
// between their bytes and wide strings, and replaces them all-or-nothing.
class DataFile {
public:
    // Reads at most limit bytes of file into bytes; false if it cannot be opened.
    static bool readBytes(const std::filesystem::path& file, std::string& bytes, std::size_t limit);

    // Decodes UTF-16 little-endian bytes; a byte-order mark at the start is
    // dropped and an odd last byte (a cut-off file) ignored. Returns false when
    // the bytes are not text: a NUL or another control character other than
    // tab, CR and LF.
    static bool decodeUtf16Le(std::string_view bytes, std::wstring& text);
    static std::string encodeUtf16Le(std::wstring_view text);

    struct Replacement {
        std::filesystem::path target;
        std::string bytes;
    };
    // Writes each replacement to a temporary file beside its target and, once
    // all are written, renames them over their targets in order, so a failed
    // write or a crash before the renames leaves every target as it was.
    // Returns -1 on success, else the index of the replacement that failed
    // (when a rename fails, the ones before it have already been replaced).
    static int replaceFiles(const std::vector<Replacement>& replacements);

    // Tests only: runs after the temporary files are written and before the
    // first rename, to simulate the process dying at the worst moment.
    static std::function<void()> s_before_rename;

private:
    static bool writeTemporary(const std::filesystem::path& temporary, const std::string& bytes);
    static std::filesystem::path temporaryFor(const std::filesystem::path& target);
};
