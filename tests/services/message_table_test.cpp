#include <gtest/gtest.h>

#include <set>
#include <string>

#include "MessageTable.h"

namespace {
constexpr unsigned int OFFSET = MessageTable::LANGUAGE_OFFSET;

bool isEnglish(unsigned int id) {
    return id >= MessageTable::FIRST_ENGLISH && id <= MessageTable::LAST_ENGLISH;
}
bool isGerman(unsigned int id) {
    return isEnglish(id - OFFSET);
}
} // namespace

TEST(MessageTable, EveryEntryIsANonEmptyEnglishOrGermanText) {
    std::set<unsigned int> english;
    std::set<unsigned int> german;
    for (const MessageText& entry : MessageTable::entries()) {
        ASSERT_TRUE(isEnglish(entry.id) || isGerman(entry.id)) << entry.id;
        ASSERT_NE(entry.text, nullptr) << entry.id;
        EXPECT_NE(*entry.text, L'\0') << entry.id;
        (isEnglish(entry.id) ? english : german).insert(entry.id);
    }
    EXPECT_EQ(english.size(), 206u);
    EXPECT_EQ(german.size(), 205u);
    for (unsigned int id : german)
        EXPECT_TRUE(english.count(id - OFFSET)) << "German text without English: " << id;
    for (unsigned int id : english) {
        if (id == 40235) continue; // shown in English in both languages
        EXPECT_TRUE(german.count(id + OFFSET)) << "English text without German: " << id;
    }
}

TEST(MessageTable, NumbersWithoutTextAreAbsent) {
    for (unsigned int id :
         {40099u, 40202u, 40204u, 40217u, 40233u, 40236u, 40245u, 40319u, 40325u, 41235u, 0u})
        EXPECT_EQ(MessageTable::find(id), nullptr) << id;
}

struct StoredText {
    unsigned int id;
    const wchar_t* text;
};

// Texts whose exact characters are easy to lose: spelling kept as shipped,
// line breaks, trailing spaces, umlauts, printf formats.
const StoredText kStoredTexts[] = {
    {40100, L"INV: Infinite value!"},
    {40101, L"Wrong expression:\n"},
    {41101, L"Ungültiger Ausdruck:\n"},
    {40103, L"Follwing metric is a base metric and cannot be deleted:"},
    {41103, L"Die folgende Metrik ist eine Basismetrik und kann nicht gelöscht werden: "},
    {40104, L"Following metric does already exist: "},
    {40107, L"Matrix seems to have %d rows and %d columns, but not all cells are filled."},
    {40122, L"There is nothing to calculate..."},
    {41122, L"Es gibt nichts zu berechnenen..."},
    {41145, L"Es gibt nichts zu berechnen..."},
    {40153, L"An operation leeds to an invalid result according to IEEE!"},
    {41153, L"Eine Operation fürht zu einer ungültigen Zahl (nach IEEE)!"},
    {41148, L"arccoth ist nur für |x|>1 definiert"},
    {40177, L"Cannot calculate integral!\nFunction has undefined points in the given range!"},
    {40191, L"It is not allowed to\r\nuse parameters in parameters!"},
    {41191, L"Es ist nicht erlaubt, Paramterer\r\nin Parametern zu benutzen!"},
    {40224, L" is not valid!"},
    {41269, L"Fehler beim Öffnen der Datei!"},
    {41111, L"Die Größe der Matriz muss mind. 2x2 sein!"},
    {40235, L"2D-Function-Plotting cannot be mixed with other function-types."},
    {40323, L"The expression is not a valid input for a polynom division! "},
    {40324, L"pol is only possible in RAD mode!"},
    {41324, L"pol ist nur im RAD modus möglich!"},
};

TEST(MessageTable, KeepsTextsCharacterForCharacter) {
    for (const StoredText& expected : kStoredTexts) {
        const wchar_t* text = MessageTable::find(expected.id);
        ASSERT_NE(text, nullptr) << expected.id;
        EXPECT_EQ(std::wstring(text), std::wstring(expected.text)) << expected.id;
    }
}
