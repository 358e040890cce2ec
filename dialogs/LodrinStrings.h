#pragma once
#include <map>
#include <string>

// The dialog library's text table: English texts under their ids, German ones
// under the id + 1000. The table is data (resources/lodrin_strings.txt),
// compiled into the library as a Qt resource.
class LodrinStrings {
public:
    static constexpr int LANGUAGE_OFFSET = 1000;

    // The table compiled into the library (empty if the resource is missing).
    static const LodrinStrings& embedded();

    // Lines of the form: <id> "<text>", with \n, \t, \" and \\ escapes.
    // Blank lines, lines starting with '#' and malformed lines are skipped.
    static LodrinStrings parse(const std::wstring& text);

    // The text of id + 1000 * language; if there is none, the text of id
    // itself; if neither exists, an empty string.
    std::wstring load(unsigned id, int language) const;

    bool contains(unsigned id) const { return m_texts.count(id) != 0; }
    std::size_t size() const { return m_texts.size(); }

private:
    std::map<unsigned, std::wstring> m_texts;
};
