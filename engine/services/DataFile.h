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
    enum class ReadResult {
        Read,      // bytes holds the file (up to the limit)
        Missing,   // nothing of that name
        Unreadable // there is something, but it cannot be read as a file
    };
    // Reads at most limit bytes of file into bytes. Only a regular file is
    // read: a pipe or device of that name would block or never end, so it
    // counts as unreadable, as do files without read permission.
    static ReadResult readFile(const std::filesystem::path& file, std::string& bytes, std::size_t limit);
    // The same, true only for Read.
    static bool readBytes(const std::filesystem::path& file, std::string& bytes, std::size_t limit);

    // Moves the files of a set aside together under the first suffix
    // ".corrupt", ".corrupt-2", ... that none of them has yet, never over an
    // existing file. Missing files are skipped. Returns the new names (empty
    // for a skipped file), or nothing when a file could not be moved; files
    // moved before the failure are then put back.
    static std::vector<std::filesystem::path> moveAside(const std::vector<std::filesystem::path>& files);

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
    // all are written and synced, renames them over their targets in order, so
    // a failed write or a crash before the renames leaves every target as it
    // was. Each temporary file has a name of its own, is created exclusively
    // and never through a link; a target that is a symbolic link stays one:
    // the file it points to is replaced.
    // Returns -1 on success, else the index of the replacement that failed
    // (when a rename fails, the ones before it have already been replaced).
    static int replaceFiles(const std::vector<Replacement>& replacements);

    // Tests only: runs after the temporary files are written and before the
    // first rename, to simulate the process dying at the worst moment.
    static std::function<void()> s_before_rename;

    // Where a write to file lands: the end of its chain of symbolic links.
    static std::filesystem::path linkTarget(const std::filesystem::path& file);

private:
    static bool writeTemporary(const std::filesystem::path& target, const std::string& bytes,
                               std::filesystem::path& temporary);
};
