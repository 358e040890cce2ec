#include <gtest/gtest.h>

#include "LodrinStarter.h"
#include "LodrinStrings.h"

TEST(LodrinStrings, LoadPicksLanguageAndFallsBackToEnglish) {
    const LodrinStrings table = LodrinStrings::parse(L"# comment\n"
                                                     L"100 \"one\"\n"
                                                     L"1100 \"eins\"\n"
                                                     L"101 \"two\\nlines \\\"quoted\\\" \\\\ \"\n"
                                                     L"  102\t\"trailing space \"\r\n"
                                                     L"103 \"unterminated\n"
                                                     L"104 \"bad escape \\q\"\n"
                                                     L"x105 \"no id\"\n"
                                                     L"1234567890 \"id too long\"\n");
    EXPECT_EQ(table.load(100, 0), L"one");
    EXPECT_EQ(table.load(100, 1), L"eins");
    EXPECT_EQ(table.load(101, 1), L"two\nlines \"quoted\" \\ ") << "no German text: the English one";
    EXPECT_EQ(table.load(102, 0), L"trailing space ");
    EXPECT_EQ(table.load(999, 0), L"");
    EXPECT_EQ(table.load(100, -5000), L"one") << "a nonsense language falls back";
    EXPECT_EQ(table.size(), 4u) << "malformed lines are skipped";
}

TEST(LodrinStrings, EmbeddedTableHasEveryEnglishTextInGerman) {
    const LodrinStrings& table = LodrinStrings::embedded();
    ASSERT_GT(table.size(), 0u) << "the text table resource is missing";
    int english = 0;
    for (unsigned id = 42273; id <= 42299; ++id) {
        if (!table.contains(id)) continue;
        ++english;
        EXPECT_TRUE(table.contains(id + 1000)) << id;
        EXPECT_NE(table.load(id, 0), table.load(id, 1)) << id;
    }
    EXPECT_GE(english, 25);
}

TEST(LodrinStrings, LoadStringFollowsTheLauncherLanguage) {
    const std::pair<unsigned, const wchar_t*> english[] = {
        {42273, L"To-values must be greater\nthan from-values!"},
        {42274, L"The language will be changed after the next start of Orvanta."},
        {42276, L"In engineering mode there must be at least 3 significant digits!"},
        {42279, L"The name af a function must not contain numbers!"},
        {42283, L"Base is "},
        {42288, L"The selected color is the same as the background color!"},
        {42289, L"The entered text is no integer number!"},
        {42298, L"Please select the option which you want to set:"},
    };
    LodrinStarter::setLanguage(0);
    for (const auto& [id, text] : english)
        EXPECT_EQ(LodrinStarter::loadString(id), text) << id;
    LodrinStarter::setLanguage(1);
    EXPECT_EQ(LodrinStarter::loadString(42273), LodrinStarter::loadString(43273));
    EXPECT_EQ(LodrinStarter::loadString(42297), L"Einstellungen");
    EXPECT_EQ(LodrinStarter::loadString(42285), L"") << "an id without any text";
    LodrinStarter::setLanguage(0);
}
