#include <gtest/gtest.h>

#include <string>

#include "DataFile.h"

namespace {
TEST(DataFile, TextSurvivesTheRoundTrip) {
    const std::wstring texts[] = {L"", L"meter,1.000000,1;", L"Fläche;Pound/in² (psi)",
                                  L"≠ 𝑥 \U0001F600 end"};
    for (const std::wstring& text : texts) {
        std::wstring back;
        ASSERT_TRUE(DataFile::decodeUtf16Le(DataFile::encodeUtf16Le(text), back));
        EXPECT_EQ(back, text);
    }
    EXPECT_EQ(DataFile::encodeUtf16Le(L"a²"), std::string("a\0\xB2\0", 4));
    EXPECT_EQ(DataFile::encodeUtf16Le(L"\U0001F600").size(), 4u); // a surrogate pair
}

TEST(DataFile, DecodingRejectsWhatIsNotText) {
    struct Case {
        std::string bytes;
        bool text;
        std::wstring decoded;
    };
    const Case cases[] = {
        {std::string("a\0\0\0", 4), false, L""},               // NUL
        {std::string("a\0\x07\0", 4), false, L""},             // bell
        {std::string("a\0\t\0\r\0\n\0", 8), true, L"a\t\r\n"}, // white space is text
        {std::string("\xFF\xFE"
                     "a\0",
                     4),
         true, L"a"},                         // byte-order mark dropped
        {std::string("a\0b", 3), true, L"a"}, // cut-off last byte
        {std::string("\x00\xD8"
                     "a\0",
                     4),
         true,
         L"\uFFFD"
         L"a"}, // lone surrogate
    };
    for (const Case& c : cases) {
        std::wstring decoded;
        EXPECT_EQ(DataFile::decodeUtf16Le(c.bytes, decoded), c.text);
        if (c.text) {
            EXPECT_EQ(decoded, c.decoded);
        }
    }
}
} // namespace
