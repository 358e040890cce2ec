#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

namespace {
class DataFileFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("orvanta-data-file-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string read(const std::filesystem::path& file) const {
        std::string bytes;
        EXPECT_EQ(DataFile::readFile(file, bytes, 1000), DataFile::ReadResult::Read);
        return bytes;
    }
    std::filesystem::path folder;
};

TEST_F(DataFileFolder, AReplacedLinkStaysALinkAndItsTargetChanges) {
    const auto target = folder / "real.dat";
    const auto link = folder / "metrics.dat";
    std::ofstream(target) << "old";
    std::filesystem::create_symlink("real.dat", link);
    ASSERT_EQ(DataFile::replaceFiles({{link, "new"}}), -1);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(read(target), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2) << "no temporary file left";
}

TEST_F(DataFileFolder, OnlyRegularFilesAreRead) {
    std::string bytes;
    EXPECT_EQ(DataFile::readFile(folder / "none", bytes, 10), DataFile::ReadResult::Missing);
    EXPECT_EQ(DataFile::readFile(folder, bytes, 10), DataFile::ReadResult::Unreadable);
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(DataFile::readFile(folder / "pipe", bytes, 10), DataFile::ReadResult::Unreadable);
}
} // namespace
