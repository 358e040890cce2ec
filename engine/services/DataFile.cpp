#include "DataFile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>

std::function<void()> DataFile::s_before_rename;

namespace {
constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUnit(std::string& bytes, char32_t unit) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
}
} // namespace

bool DataFile::readBytes(const std::filesystem::path& file, std::string& bytes, std::size_t limit) {
    bytes.clear();
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    // Read in blocks so that a huge or endless file (a device, a pipe) stops
    // at the limit instead of filling the memory.
    char block[20000];
    while (bytes.size() < limit && in) {
        const std::size_t wanted = std::min(sizeof block, limit - bytes.size());
        in.read(block, static_cast<std::streamsize>(wanted));
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
    }
    return true;
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

std::filesystem::path DataFile::temporaryFor(const std::filesystem::path& target) {
    // A name of its own per write, so that two processes storing at once never
    // write into the same temporary file.
    static std::atomic<unsigned> s_counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path temporary = target;
    temporary += ".tmp" + std::to_string(stamp) + "-" + std::to_string(s_counter++);
    return temporary;
}

bool DataFile::writeTemporary(const std::filesystem::path& temporary, const std::string& bytes) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

int DataFile::replaceFiles(const std::vector<Replacement>& replacements) {
    std::vector<std::filesystem::path> temporaries;
    auto discard = [&temporaries] {
        std::error_code ignored;
        for (const auto& temporary : temporaries)
            std::filesystem::remove(temporary, ignored);
    };
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        temporaries.push_back(temporaryFor(replacements[i].target));
        if (!writeTemporary(temporaries.back(), replacements[i].bytes)) {
            discard();
            return static_cast<int>(i);
        }
    }
    if (s_before_rename) s_before_rename();
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        std::error_code error;
        std::filesystem::rename(temporaries[i], replacements[i].target, error);
        if (error) {
            temporaries.erase(temporaries.begin(), temporaries.begin() + static_cast<std::ptrdiff_t>(i));
            discard();
            return static_cast<int>(i);
        }
    }
    return -1;
}
