#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "DataFolderFixture.h"

namespace {
using Icon = OrvantaCalcBase::MessageIcon;

class StoreTest : public DataFolderTest {
protected:
    // A second engine reading what the first one stored.
    std::unique_ptr<OrvantaCalcBase> reloaded() const {
        auto other = std::make_unique<OrvantaCalcBase>();
        other->setDataFolder(folder);
        other->initConverter();
        return other;
    }
    static int find(const OrvantaCalcBase& engine, const std::wstring& name) {
        for (int i = 0; i < engine.getMetricSize(); ++i) {
            if (engine.getMetric(i).name == name) return i;
        }
        return -1;
    }
    static std::map<int, int> unitsPerKind(const OrvantaCalcBase& engine) {
        std::map<int, int> counts;
        for (int i = 0; i < engine.getMetricSize(); ++i)
            ++counts[engine.getMetric(i).kind];
        return counts;
    }
    void expectBox(const std::wstring& text, Icon icon) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].icon, icon);
        EXPECT_EQ(OrvantaCalcBase::getLastError(), text);
    }
};

TEST_F(StoreTest, FirstStartWritesTheDefaultsByteForByte) {
    calc->initConverter();
    EXPECT_EQ(calc->getGroupSize(), 10);
    EXPECT_EQ(calc->getMetricSize(), 66);
    const std::string base = readFile("base.dat");
    EXPECT_EQ(base, DataFile::encodeUtf16Le(
                        L"All;Distance;Weight;Volumina;Speed;Area;Power;Temperature;Time;Pressure;"));
    const std::string metrics = readFile("metrics.dat");
    const std::string start = DataFile::encodeUtf16Le(L"kilometer,1000.000000,1;meter,1.000000,1;");
    EXPECT_EQ(metrics.substr(0, start.size()), start); // no byte-order mark, no line breaks
    EXPECT_NE(readText("metrics.dat").find(L"kilometers/hour,0.277778,4;"), std::wstring::npos);
    EXPECT_NE(readText("metrics.dat").find(L"Pound/in² (psi),0.068950,9;"), std::wstring::npos);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StoreTest, ReloadKeepsSixDecimalsAndEveryUnit) {
    calc->initConverter();
    auto other = reloaded();
    ASSERT_EQ(other->getMetricSize(), 66);
    for (int i = 0; i < 66; ++i) {
        EXPECT_EQ(other->getMetric(i).name, calc->getMetric(i).name);
        EXPECT_EQ(other->getMetric(i).kind, calc->getMetric(i).kind);
        EXPECT_NEAR(other->getMetric(i).factor, calc->getMetric(i).factor, 5e-7);
    }
    EXPECT_EQ(other->getMetric(find(*other, L"kilometers/hour")).factor, 0.277778);
}

TEST_F(StoreTest, DefaultGroupNamesFollowTheLanguage) {
    calc->initConverter();
    ASSERT_TRUE(calc->addMetricKind(L"Radioactivity", L"becquerel"));
    OrvantaCalcBase::setLanguage(1);
    auto german = reloaded();
    EXPECT_EQ(german->getGroup(0), L"Alle");
    EXPECT_EQ(german->getGroup(5), L"Fläche");
    EXPECT_EQ(german->getGroup(10), L"Radioactivity");
    ASSERT_TRUE(german->storeMetrics());
    OrvantaCalcBase::setLanguage(0);
    EXPECT_EQ(reloaded()->getGroup(5), L"Area");
}

TEST_F(StoreTest, GroupNamesLoseALeadingQuestionMark) {
    calc->initConverter();
    writeText("base.dat", L"?All;Distance;?Weight;");
    writeText("metrics.dat", L"meter,1.000000,1;gram,1.000000,2;");
    calc->loadMetrics();
    EXPECT_EQ(calc->getGroup(0), L"All");
    EXPECT_EQ(calc->getGroup(2), L"Weight");
}

TEST_F(StoreTest, DeletingAKindRemovesItsUnitsAndRenumbersTheRest) {
    calc->initConverter();
    const std::map<int, int> before = unitsPerKind(*calc);
    ASSERT_TRUE(calc->deleteMetricKind(L"Weight"));
    EXPECT_EQ(calc->getMetricSize(), 61);
    EXPECT_EQ(calc->getGroupSize(), 9);
    EXPECT_EQ(calc->getGroup(2), L"Volumina");
    std::map<int, int> expected;
    for (const auto& [kind, count] : before) {
        if (kind != 2) expected[kind > 2 ? kind - 1 : kind] = count;
    }
    EXPECT_EQ(unitsPerKind(*calc), expected);
    EXPECT_EQ(unitsPerKind(*reloaded()), expected);
    EXPECT_EQ(calc->getGroupBase(6), L"Celsius");
}

TEST_F(StoreTest, ThePseudoGroupAllCannotBeDeleted) {
    calc->initConverter();
    calc->deleteMetricKind(L"All");
    calc->deleteMetricKind(L"No such kind");
    EXPECT_EQ(calc->getGroupSize(), 10);
    EXPECT_EQ(calc->getMetricSize(), 66);
}

TEST_F(StoreTest, BaseUnitsCannotBeDeleted) {
    calc->initConverter();
    EXPECT_FALSE(calc->deleteMetric(L"meter"));
    expectBox(L"Follwing metric is a base metric and cannot be deleted:meter", Icon::Stop);
    EXPECT_GE(find(*reloaded(), L"meter"), 0);

    ASSERT_TRUE(calc->deleteMetric(L"yard"));
    EXPECT_EQ(find(*calc, L"yard"), -1);
    EXPECT_EQ(find(*reloaded(), L"yard"), -1);
    EXPECT_EQ(reloaded()->getMetricSize(), 65);
}

TEST_F(StoreTest, AddedUnitsAndKindsSurviveAReload) {
    calc->initConverter();
    ASSERT_TRUE(calc->addMetric(L"nanometer", L"Distance", 1e-9));
    ASSERT_TRUE(calc->addMetric(L"furlong", L"Distance", 201.168));
    ASSERT_TRUE(calc->addMetricKind(L"Radioactivity", L"becquerel"));
    ASSERT_TRUE(calc->addMetric(L"curie", L"Radioactivity", 3.7e10));
    auto other = reloaded();
    EXPECT_EQ(other->getGroupBase(10), L"becquerel");
    const Metric curie = other->getMetric(find(*other, L"curie"));
    EXPECT_EQ(curie.kind, 10);
    EXPECT_EQ(curie.factor, 3.7e10);
    // Six decimals would have stored a nanometer as 0.
    EXPECT_NEAR(other->getMetric(find(*other, L"nanometer")).factor, 1e-9, 1e-15);
    EXPECT_NE(readText("metrics.dat").find(L"furlong,201.168000,1;"), std::wstring::npos);
}

struct RefusedEdit {
    const char* name;
    bool (*edit)(OrvantaCalcBase&);
    const wchar_t* message;
};

const RefusedEdit kRefusedEdits[] = {
    {"existing unit", [](OrvantaCalcBase& c) { return c.addMetric(L"meter", L"Weight", 2); },
     L"Following metric does already exist: meter"},
    {"semicolon in unit", [](OrvantaCalcBase& c) { return c.addMetric(L"a;b", L"Distance", 2); }, L"a;b"},
    {"comma in unit", [](OrvantaCalcBase& c) { return c.addMetric(L"a,b", L"Distance", 2); }, L"a,b"},
    {"empty unit", [](OrvantaCalcBase& c) { return c.addMetric(L"", L"Distance", 2); }, nullptr},
    {"zero factor", [](OrvantaCalcBase& c) { return c.addMetric(L"nothing", L"Distance", 0); }, nullptr},
    {"unknown group", [](OrvantaCalcBase& c) { return c.addMetric(L"rod", L"Lengths", 5); }, L""},
    {"the pseudo-group", [](OrvantaCalcBase& c) { return c.addMetric(L"rod", L"All", 5); }, L""},
    {"semicolon in kind", [](OrvantaCalcBase& c) { return c.addMetricKind(L"Dose;x", L"gray"); }, L"Dose;x"},
    {"comma in base", [](OrvantaCalcBase& c) { return c.addMetricKind(L"Dose", L"gr,ay"); }, L"gr,ay"},
    {"existing kind", [](OrvantaCalcBase& c) { return c.addMetricKind(L"Time", L"tick"); }, L"Time"},
    {"existing base", [](OrvantaCalcBase& c) { return c.addMetricKind(L"Dose", L"gram"); },
     L"Following metric does already exist: gram"},
};

class RefusedEditTest : public StoreTest, public ::testing::WithParamInterface<RefusedEdit> {};

TEST_P(RefusedEditTest, ChangesNeitherListsNorFiles) {
    calc->initConverter();
    const std::string metrics = readFile("metrics.dat");
    const std::string base = readFile("base.dat");
    EXPECT_FALSE(GetParam().edit(*calc));
    EXPECT_EQ(calc->getMetricSize(), 66);
    EXPECT_EQ(calc->getGroupSize(), 10);
    EXPECT_EQ(readFile("metrics.dat"), metrics);
    EXPECT_EQ(readFile("base.dat"), base);
    const wchar_t* message = GetParam().message;
    if (message != nullptr && *message == L'\0') {
        EXPECT_TRUE(boxes.empty()); // silently ignored, as before
    } else {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].icon, Icon::Stop);
        if (message != nullptr) {
            EXPECT_NE(boxes[0].text.find(message), std::wstring::npos) << boxes[0].text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, RefusedEditTest, ::testing::ValuesIn(kRefusedEdits), caseName);

struct MalformedCase {
    const char* name;
    std::string base;    // bytes of base.dat
    std::string metrics; // bytes of metrics.dat
    int groups;
    int units; // 66 and 10 groups: the defaults were rebuilt
};

std::string utf16(const std::wstring& text) {
    return DataFile::encodeUtf16Le(text);
}

const std::wstring kBase = L"All;Distance;Weight;";

std::string manyGroups() {
    std::wstring text = L"All;";
    for (int i = 0; i < 5000; ++i)
        text += L"g" + std::to_wstring(i) + L";";
    return utf16(text);
}

const MalformedCase kMalformedCases[] = {
    {"well formed", utf16(kBase), utf16(L"meter,1.000000,1;gram,1.000000,2;"), 3, 2},
    {"record without two commas", utf16(kBase), utf16(L"meter,1.000000;gram;gram,1.000000,2;"), 3, 1},
    {"factor not a number", utf16(kBase), utf16(L"meter,one,1;gram,1.000000,2;"), 3, 1},
    {"factor zero or negative", utf16(kBase), utf16(L"meter,0.000000,1;inch,-2,1;gram,1,2;"), 3, 1},
    {"kind not a number", utf16(kBase), utf16(L"meter,1.000000,x;gram,1.000000,2;"), 3, 1},
    {"kind outside the groups", utf16(kBase), utf16(L"meter,1,3;foot,1,0;gram,1,2;"), 3, 1},
    {"last record cut off", utf16(kBase), utf16(L"meter,1.000000,1;gram,1.00"), 3, 1},
    {"cut inside a character", utf16(kBase), utf16(L"meter,1,1;gram,1,2;").substr(0, 37), 3, 1},
    {"byte-order mark", "\xFF\xFE" + utf16(kBase), "\xFF\xFE" + utf16(L"meter,1,1;"), 3, 1},
    {"commas in the kind field", utf16(kBase), utf16(L"meter,1,1,2;gram,1,2;"), 3, 1},
    {"too many groups", manyGroups(), utf16(L"a,1,1;b,1,999;c,1,1000;"), OrvantaCalcBase::MAX_GROUPS, 2},
    {"no usable unit", utf16(kBase), utf16(L"meter;gram;"), 10, 66},
    {"empty files", "", "", 10, 66},
    {"eight-bit text", "All;Distance;", "meter,1.000000,1;", 10, 66},
    {"binary", std::string("\x01\x00\x02\x00", 4), std::string("\x00\x00\x00\x00", 4), 10, 66},
    {"only the pseudo-group", utf16(L"All;"), utf16(L"meter,1,1;"), 10, 66},
    {"empty base with the user's units", "", utf16(L"meter,1,1;furlong,201.168,1;"), 10, 66},
    {"one NUL", std::string(1, '\0'), utf16(L"meter,1,1;"), 10, 66},
    {"random bytes", "\x9c\x07\xe1\xff\x13", "\x80\x01\x02", 10, 66},
};

class MalformedFileTest : public StoreTest, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedFileTest, KeepsWhatIsUsable) {
    writeFile("base.dat", GetParam().base);
    writeFile("metrics.dat", GetParam().metrics);
    calc->initConverter();
    EXPECT_EQ(calc->getGroupSize(), GetParam().groups);
    EXPECT_EQ(calc->getMetricSize(), GetParam().units);
    for (int i = 0; i < calc->getMetricSize(); ++i) {
        EXPECT_GE(calc->getMetric(i).kind, 1);
        EXPECT_LT(calc->getMetric(i).kind, calc->getGroupSize());
        EXPECT_GT(calc->getMetric(i).factor, 0.0);
    }
    // A pair that gave the defaults is kept whole beside the fresh files.
    const bool rebuilt = GetParam().units == 66;
    EXPECT_EQ(std::filesystem::exists(folder / "base.dat.corrupt"), rebuilt);
    if (rebuilt) {
        EXPECT_EQ(readFile("base.dat.corrupt"), GetParam().base);
        EXPECT_EQ(readFile("metrics.dat.corrupt"), GetParam().metrics);
        EXPECT_NE(calc->takeDataNotice().find(L"base.dat.corrupt"), std::wstring::npos);
        EXPECT_EQ(reloaded()->getMetricSize(), 66);
    }
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, MalformedFileTest, ::testing::ValuesIn(kMalformedCases), caseName);

TEST_F(StoreTest, MissingUnitListRebuildsTheDefaults) {
    writeText("base.dat", kBase);
    calc->initConverter();
    EXPECT_EQ(calc->getMetricSize(), 66);
    EXPECT_FALSE(readFile("metrics.dat").empty());
}

TEST_F(StoreTest, EveryDamagedPairIsKeptUnderANewNumber) {
    const std::string units = utf16(L"meter,1,1;furlong,201.168,1;");
    for (const char* suffix : {".corrupt", ".corrupt-2", ".corrupt-3"}) {
        writeFile("base.dat", "");
        writeFile("metrics.dat", units + suffix);
        calc->initConverter();
        EXPECT_EQ(readFile((std::string("metrics.dat") + suffix).c_str()), units + suffix);
        EXPECT_EQ(readFile((std::string("base.dat") + suffix).c_str()), "");
    }
    // Someone else's file under the next name is not overwritten: that
    // number is skipped for the whole pair.
    writeFile("base.dat.corrupt-4", "theirs");
    writeFile("metrics.dat", "damaged");
    calc->initConverter();
    EXPECT_EQ(readFile("base.dat.corrupt-4"), "theirs");
    EXPECT_EQ(readFile("metrics.dat.corrupt-5"), "damaged");
}

struct ReadOnlyCase {
    const char* name;
    std::string base;
    const wchar_t* notice; // part of the notice; nullptr: none
};

const ReadOnlyCase kReadOnlyCases[] = {
    {"missing files", "", nullptr},
    {"damaged pair", std::string("\0\0", 2), L"are damaged"},
    {"empty base", "-", L"are damaged"}, // "-" marks an empty base.dat
};

class ReadOnlyTest : public StoreTest, public ::testing::WithParamInterface<ReadOnlyCase> {};

TEST_P(ReadOnlyTest, ConvertsWithTheDefaultsAndWritesNothing) {
    const std::string units = utf16(L"meter,1,1;furlong,201.168,1;");
    if (!GetParam().base.empty()) {
        writeFile("base.dat", GetParam().base == "-" ? "" : GetParam().base);
        writeFile("metrics.dat", units);
    }
    auto listing = [this] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> before = listing();
    calc->initConverter(OrvantaCalcBase::DataAccess::ReadOnly);
    EXPECT_EQ(calc->getMetricSize(), 66);
    EXPECT_EQ(listing(), before);
    if (!GetParam().base.empty()) {
        EXPECT_EQ(readFile("metrics.dat"), units);
    }
    const std::wstring notice = calc->takeDataNotice();
    const std::wstring expected = GetParam().notice ? GetParam().notice : L"";
    EXPECT_EQ(notice.empty(), expected.empty());
    EXPECT_NE(notice.find(expected), std::wstring::npos);
    EXPECT_EQ(calc->takeDataNotice(), L"") << "said once";
}

INSTANTIATE_TEST_SUITE_P(Starts, ReadOnlyTest, ::testing::ValuesIn(kReadOnlyCases), caseName);

TEST_F(StoreTest, AFileThatCannotBeReadIsNeverReplaced) {
    // A pipe would block a plain open for ever; it is no file of ours.
    const std::string units = utf16(L"meter,1,1;furlong,201.168,1;");
    writeFile("metrics.dat", units);
    ASSERT_EQ(mkfifo((folder / "base.dat").c_str(), 0600), 0);
    calc->initConverter();
    EXPECT_EQ(calc->getMetricSize(), 66);
    EXPECT_NE(calc->takeDataNotice().find(L"cannot be read"), std::wstring::npos);
    EXPECT_FALSE(calc->addMetric(L"league", L"Distance", 4828));
    EXPECT_EQ(readFile("metrics.dat"), units);
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "base.dat"));
    EXPECT_FALSE(std::filesystem::exists(folder / "metrics.dat.corrupt"));
}

TEST_F(StoreTest, WithoutAFolderNothingIsStored) {
    calc->setDataFolder({});
    calc->initConverter();
    EXPECT_EQ(calc->getMetricSize(), 66);
    EXPECT_NE(calc->takeDataNotice().find(L"HOME is not set"), std::wstring::npos);
    EXPECT_FALSE(calc->addMetric(L"league", L"Distance", 4828));
    EXPECT_FALSE(std::filesystem::exists(OrvantaCalcBase::METRICS_FILE)) << "never the current folder";
    EXPECT_EQ(calc->getIntegralSize(), 0);
}

TEST_F(StoreTest, AFailedStoreKeepsFilesAndListsAndSaysSo) {
    calc->initConverter();
    // A data folder below a plain file cannot be written, even by root.
    calc->setDataFolder(folder / "metrics.dat" / "sub");
    EXPECT_FALSE(calc->addMetric(L"furlong", L"Distance", 201.168));
    expectBox(L"Couldn't store the metrics! (" + (folder / "metrics.dat" / "sub").wstring() + L")",
              Icon::Exclamation);
    EXPECT_EQ(find(*calc, L"furlong"), -1);
    EXPECT_EQ(calc->getMetricSize(), 66);
}

TEST_F(StoreTest, AReadOnlyFolderKeepsTheOldFiles) {
    calc->initConverter();
    const std::string metrics = readFile("metrics.dat");
    std::filesystem::permissions(folder,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (std::ofstream(folder / "probe")) GTEST_SKIP() << "permissions do not stop this user (root)";
    EXPECT_FALSE(calc->deleteMetric(L"yard"));
    expectBox(L"Couldn't store the metrics! (" + folder.wstring() + L")", Icon::Exclamation);
    EXPECT_EQ(readFile("metrics.dat"), metrics);
    EXPECT_GE(find(*calc, L"yard"), 0);
}

TEST_F(StoreTest, ResetInAnUnwritableFolderStillGivesTheDefaults) {
    calc->setDataFolder(folder / "metrics.dat" / "sub");
    writeFile("metrics.dat", "");
    calc->initConverter();
    EXPECT_EQ(calc->getMetricSize(), 66);
    // Said once, by whoever starts the converter, naming the folder.
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(calc->takeDataNotice(),
              L"Couldn't store the metrics! (" + (folder / "metrics.dat" / "sub").wstring() + L")");
}

using StoreDeathTest = StoreTest;

TEST_F(StoreDeathTest, DyingBetweenWritingAndRenamingKeepsThePreviousFiles) {
    // The child is forked from this process: same engine, same folder.
    GTEST_FLAG_SET(death_test_style, "fast");
    calc->initConverter();
    const std::string metrics = readFile("metrics.dat");
    const std::string base = readFile("base.dat");
    EXPECT_EXIT(
        {
            DataFile::s_before_rename = [] { std::_Exit(3); };
            calc->deleteMetricKind(L"Weight");
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(readFile("metrics.dat"), metrics);
    EXPECT_EQ(readFile("base.dat"), base);
    EXPECT_EQ(reloaded()->getMetricSize(), 66);
    int leftovers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        leftovers += entry.path().filename().string().starts_with("metrics.dat.tmp");
    }
    EXPECT_EQ(leftovers, 1); // the dead store had written its new list
    // The next store goes through despite the temporary files left behind.
    ASSERT_TRUE(calc->deleteMetricKind(L"Weight"));
    EXPECT_EQ(reloaded()->getMetricSize(), 61);
}
} // namespace
