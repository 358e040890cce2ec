#include "LodrinStrings.h"

#include <QFile>
#include <QString>
#include <cwctype>
#include <limits>
#include <optional>

namespace {
constexpr std::size_t MAX_ID_DIGITS = 9;

std::size_t skipBlanks(const std::wstring& line, std::size_t pos) {
    while (pos < line.size() && (line[pos] == L' ' || line[pos] == L'\t' || line[pos] == L'\r'))
        ++pos;
    return pos;
}

// The quoted text starting at pos (which holds the opening quote), or nothing
// if the quote is not closed or an escape is unknown.
std::optional<std::wstring> readQuoted(const std::wstring& line, std::size_t pos) {
    std::wstring out;
    for (++pos; pos < line.size(); ++pos) {
        const wchar_t c = line[pos];
        if (c == L'"') return out;
        if (c != L'\\') {
            out += c;
            continue;
        }
        if (++pos >= line.size()) return std::nullopt;
        switch (line[pos]) {
        case L'n':
            out += L'\n';
            break;
        case L'r':
            out += L'\r';
            break;
        case L't':
            out += L'\t';
            break;
        case L'"':
            out += L'"';
            break;
        case L'\\':
            out += L'\\';
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

struct Entry {
    unsigned id;
    std::wstring text;
};

std::optional<Entry> parseLine(const std::wstring& line) {
    std::size_t pos = skipBlanks(line, 0);
    const std::size_t digitsStart = pos;
    while (pos < line.size() && std::iswdigit(line[pos]))
        ++pos;
    const std::size_t digits = pos - digitsStart;
    if (digits == 0 || digits > MAX_ID_DIGITS) return std::nullopt;
    const unsigned id = static_cast<unsigned>(std::stoul(line.substr(digitsStart, digits)));
    pos = skipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != L'"') return std::nullopt;
    std::optional<std::wstring> text = readQuoted(line, pos);
    if (!text) return std::nullopt;
    return Entry{id, std::move(*text)};
}
} // namespace

LodrinStrings LodrinStrings::parse(const std::wstring& text) {
    LodrinStrings table;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring line = text.substr(start, end - start);
        const std::size_t first = skipBlanks(line, 0);
        if (first < line.size() && line[first] != L'#') {
            if (std::optional<Entry> entry = parseLine(line))
                table.m_texts[entry->id] = std::move(entry->text);
        }
        start = end + 1;
    }
    return table;
}

const LodrinStrings& LodrinStrings::embedded() {
    static const LodrinStrings table = [] {
        QFile file(QStringLiteral(":/lodrin/lodrin_strings.txt"));
        if (!file.open(QIODevice::ReadOnly)) return LodrinStrings{};
        return parse(QString::fromUtf8(file.readAll()).toStdWString());
    }();
    return table;
}

std::wstring LodrinStrings::load(unsigned id, int language) const {
    const long long localized =
        static_cast<long long>(id) + static_cast<long long>(LANGUAGE_OFFSET) * language;
    if (localized >= 0 && localized <= static_cast<long long>(std::numeric_limits<unsigned>::max())) {
        auto it = m_texts.find(static_cast<unsigned>(localized));
        if (it != m_texts.end()) return it->second;
    }
    auto it = m_texts.find(id);
    return it != m_texts.end() ? it->second : std::wstring();
}
