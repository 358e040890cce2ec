#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DataFolder.h"
#include "DataFolderFixture.h"
#include "IExpression.h"

namespace {
using IntegralTableTest = DataFolderTest;

const std::string kBom = "\xFF\xFE";

TEST_F(IntegralTableTest, RowsCarryTheirGroups) {
    writeFile("integrals.txt", kBom + DataFile::encodeUtf16Le(L"x^n;x^(n+1)/(n+1);Powers;1\r\n"
                                                              L"1/x;ln(abs(x));Powers;1\r\n"
                                                              L"sin(x);-cos(x);Trigonometry;2\r\n"));
    EXPECT_EQ(calc->getIntegralSize(), 3);
    EXPECT_EQ(calc->getIntegralGroupSize(), 2);
    EXPECT_EQ(calc->getIntegralGroup(1), L"Powers");
    EXPECT_EQ(calc->getIntegralGroup(2), L"Trigonometry");
    const Integral second = calc->getIntegral(1);
    EXPECT_EQ(second.function, L"1/x");
    EXPECT_EQ(second.integral, L"ln(abs(x))");
    EXPECT_EQ(second.number, 1);
}

TEST_F(IntegralTableTest, AMissingFileGivesAnEmptyTable) {
    EXPECT_EQ(calc->getIntegralSize(), 0);
    EXPECT_EQ(calc->getIntegralGroupSize(), 0);
    EXPECT_EQ(calc->getIntegralGroup(1), L"");
    EXPECT_EQ(calc->getIntegral(0).function, L"");
}

struct RowCase {
    const char* name;
    std::wstring text;
    int rows;
    int groups;
};

const RowCase kRowCases[] = {
    {"line breaks of every kind", L"a;b;G;1\nc;d;G;1\re;f;H;2", 3, 2},
    {"blank lines and spaces between rows", L"\r\n  \r\n  a;b;G;1\r\n\r\n   c;d;G;2  \r\n", 2, 2},
    {"empty group number", L"a;b;G;\r\nc;d;G;1\r\n", 1, 1},
    {"missing separators", L"a;b;G\r\na;b\r\nc;d;G;1\r\n", 1, 1},
    {"number truncated", L"a;b;G;2.9\r\n", 1, 2},
    {"number that is none", L"a;b;G;two\r\nc;d;G;1\r\n", 1, 1},
    {"number out of range", L"a;b;G;0\r\na;b;G;-3\r\na;b;G;1e9\r\nc;d;G;3\r\n", 1, 3},
    {"last line without break", L"a;b;G;1\r\nc;d;H;2", 2, 2},
};

class IntegralRowTest : public IntegralTableTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(IntegralRowTest, KeepsTheCompleteRows) {
    writeFile("integrals.txt", kBom + DataFile::encodeUtf16Le(GetParam().text));
    calc->loadIntegrals();
    EXPECT_EQ(calc->getIntegralSize(), GetParam().rows);
    EXPECT_EQ(calc->getIntegralGroupSize(), GetParam().groups);
}

INSTANTIATE_TEST_SUITE_P(Files, IntegralRowTest, ::testing::ValuesIn(kRowCases), caseName);

TEST_F(IntegralTableTest, AFileThatIsNotTextGivesAnEmptyTable) {
    writeFile("integrals.txt", std::string("a;b;G;1\r\n\0\0\0\0", 13));
    EXPECT_EQ(calc->getIntegralSize(), 0);
}

TEST_F(IntegralTableTest, PreparingTheFolderInstallsTheShippedTable) {
    calc->setDataFolder(folder / "nested" / "orvanta");
    ASSERT_TRUE(calc->prepareDataFolder());
    ASSERT_TRUE(std::filesystem::exists(folder / "nested" / "orvanta" / "integrals.txt"));
    EXPECT_EQ(calc->getIntegralGroupSize(), 7);
    EXPECT_GE(calc->getIntegralSize(), 50);
    for (int number = 1; number <= calc->getIntegralGroupSize(); ++number) {
        EXPECT_FALSE(calc->getIntegralGroup(number).empty()) << number;
    }
    EXPECT_EQ(calc->getIntegral(0).group, L"Powers and roots");
}

TEST_F(IntegralTableTest, AnExistingTableIsNeverReplaced) {
    writeFile("integrals.txt", kBom + DataFile::encodeUtf16Le(L"mine;mine;Mine;1\r\n"));
    ASSERT_TRUE(calc->prepareDataFolder());
    EXPECT_EQ(calc->getIntegralSize(), 1);
    EXPECT_EQ(calc->getIntegral(0).function, L"mine");
}

TEST_F(IntegralTableTest, AFolderThatCannotExistIsReported) {
    writeFile("plain", "x");
    calc->setDataFolder(folder / "plain" / "orvanta");
    EXPECT_FALSE(calc->prepareDataFolder());
}

// The default folder: ORVANTA_DATA_DIR, then XDG_DATA_HOME, then HOME.
class DefaultFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kVariables) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved)
            set(name, value ? value->c_str() : nullptr);
    }
    static void set(const char* name, const char* value) {
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    static constexpr const char* kVariables[] = {"ORVANTA_DATA_DIR", "XDG_DATA_HOME", "HOME"};
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
};

TEST_F(DefaultFolderTest, FollowsTheEnvironment) {
    struct Case {
        const char* override;
        const char* dataHome;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/srv/units", "/data", "/home/u", "/srv/units"},
        {"", "/data", "/home/u", "/data/orvanta"},
        {nullptr, "relative/path", "/home/u", "/home/u/.local/share/orvanta"},
        {nullptr, nullptr, "/home/u", "/home/u/.local/share/orvanta"},
        // Without HOME the password database knows the home folder; never
        // the current folder.
        {nullptr, nullptr, nullptr, nullptr},
    };
    const passwd* user = getpwuid(getuid());
    const std::string own = user ? std::string(user->pw_dir) + "/.local/share/orvanta" : "";
    for (const Case& c : cases) {
        set("ORVANTA_DATA_DIR", c.override);
        set("XDG_DATA_HOME", c.dataHome);
        set("HOME", c.home);
        EXPECT_EQ(DataFolder::resolveDefault(), std::filesystem::path(c.expected ? c.expected : own));
    }
}
} // namespace

namespace {
// Puts a value in place of a one-letter parameter wherever it stands alone.
std::wstring withParameter(std::wstring text, wchar_t name, const std::wstring& value) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool alone = text[i] == name && (i == 0 || !std::iswalpha(text[i - 1])) &&
                           (i + 1 == text.size() || !std::iswalpha(text[i + 1]));
        if (alone) {
            text.replace(i, 1, value);
            i += value.size() - 1;
        }
    }
    return text;
}

// One row of the table as a function of x, with a=2, b=1, n=3; the notes
// after the formula ("   (n≠-1)") are not part of it.
std::unique_ptr<IExpression> parseRowText(std::wstring text) {
    text = text.substr(0, text.find(L"   "));
    text = withParameter(withParameter(withParameter(text, L'a', L"2"), L'b', L"1"), L'n', L"3");
    return std::unique_ptr<IExpression>(IExpression::parseExpression(text, true));
}

// Every antiderivative of the shipped table, derived numerically, gives its
// function back wherever both are defined.
TEST_F(IntegralTableTest, TheShippedAntiderivativesAreRight) {
    IExpression::s_mode = CalculatorModes::RAD;
    IExpression::s_withex = false;
    ASSERT_TRUE(calc->prepareDataFolder());
    for (int i = 0; i < calc->getIntegralSize(); ++i) {
        const Integral row = calc->getIntegral(i);
        std::unique_ptr<IExpression> function = parseRowText(row.function);
        std::unique_ptr<IExpression> integral = parseRowText(row.integral);
        int checked = 0;
        for (const double x : {-0.6, 0.3, 0.7, 1.5, 2.5, 3.5}) {
            const double h = 1e-5;
            const double slope = (integral->calculate(x + h, 0) - integral->calculate(x - h, 0)) / (2 * h);
            const double expected = function->calculate(x, 0);
            if (!std::isfinite(slope) || !std::isfinite(expected)) continue;
            EXPECT_NEAR(slope, expected, 1e-5 * (1 + std::fabs(expected))) << "row " << i << " at x=" << x;
            ++checked;
        }
        EXPECT_GT(checked, 0) << "row " << i;
    }
}
} // namespace
