#include <fstream>
#include <functional>

#include "AppTest.h"
#include "COrvantaDoc.h"
#include "Complex.h"
#include "EngineTables.h"
#include "RegistryNames.h"

namespace R = RegistryNames;

namespace {
const std::wstring ROOT = R::ROOT;
const std::wstring OPTIONS = R::OPTIONS;
const std::wstring CONSTANTS = R::CONSTANTS;
const std::wstring EQUATIONS = R::EQUATIONS;
const std::wstring HISTORY = R::HISTORY;
const std::wstring MISSING = L"<missing>";

std::wstring historyName(int i) {
    return L"History" + std::to_wstring(i);
}

using DocumentTest = AppTest;
} // namespace

TEST_F(DocumentTest, TheFirstStartWritesEveryDefault) {
    struct Expected {
        std::wstring key, name, value;
    };
    const Expected defaults[] = {
        {ROOT, L"Mode", L"1"},
        {ROOT, L"My1", L"perc(x,y)=x/y*100"},
        {ROOT, L"My1Text", L"perc"},
        {ROOT, L"My2", L"^(1/3)"},
        {ROOT, L"My2Text", L"cur"},
        {ROOT, L"My14InvText", L""},
        {OPTIONS, L"Language", L"0"},
        {OPTIONS, L"BackgroundColor", L"16711680"},
        {OPTIONS, L"BackgroundColor2D", L"8957567"},
        {OPTIONS, L"FunctionColor2D_1", L"0"},
        {OPTIONS, L"FunctionColor2D_2", L"255"},
        {OPTIONS, L"FunctionColor2D_3", L"65280"},
        {OPTIONS, L"FunctionColor2D_4", L"16711680"},
        {OPTIONS, L"StdBackground", L"1"},
        {OPTIONS, L"UseJ", L"0"},
        {OPTIONS, L"ResultInInput", L"0"},
        {OPTIONS, L"UseRPN", L"0"},
        {CONSTANTS, L"MyConst1Key", L""},
        {CONSTANTS, L"MyConst14Val", L""},
        {EQUATIONS, L"MyEquation0Name", L"phytagoras"},
        {EQUATIONS, L"MyEquation0Equation", L"a^2+b^2=c^2"},
        {EQUATIONS, L"MyEquation0Params", L"a;b;c"},
        {EQUATIONS, L"MyEquation1Name", L"2 functions interception"},
        {EQUATIONS, L"MyEquation1Equation", L"x^2-3=x+1"},
        {EQUATIONS, L"MyEquation2Equation", L"r=U/(2*PI)"},
        {EQUATIONS, L"MyEquation2Params", L"r;U"},
        {EQUATIONS, L"MyEquation6ParamValue", L""},
        {EQUATIONS, L"MyEquation7aramValue", L""},
        {EQUATIONS, L"MyEquation9aramValue", L""},
        // Read only when present, written by the Options dialog or at exit.
        {OPTIONS, L"NumMode", MISSING},
        {OPTIONS, L"Precision", MISSING},
        {OPTIONS, L"Mode", MISSING},
        {ROOT, L"LastView", MISSING},
        {EQUATIONS, L"MyEquation7ParamValue", MISSING},
    };
    COrvantaDoc document(store());
    for (const Expected& e : defaults)
        EXPECT_EQ(persisted(e.key, e.name), e.value) << e.name;
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(persisted(HISTORY, historyName(i)), L"") << i;
    for (const SlotTable& table :
         {EngineTables::functions(), EngineTables::constants(), EngineTables::equations()})
        for (int entry = 0; entry < table.size; ++entry)
            EXPECT_NE(persisted(table.key, table.name(entry)), MISSING) << table.name(entry);

    EXPECT_EQ(document.m_language, 0);
    EXPECT_EQ(document.m_mode, CalculatorModes::RAD);
    EXPECT_EQ(document.m_numMode, 0);
    EXPECT_EQ(document.m_precision, 10);
    EXPECT_EQ(document.m_stdBackground, 1);
    EXPECT_EQ(document.getHistorySize(), 0);
    EXPECT_EQ(document.engine().getExpression(0), L"perc(x,y)=x/y*100");
    EXPECT_EQ(document.engine().getDescription(2), L"cur");
    EXPECT_EQ(EngineTables::equations().get(document.engine(), 0), L"phytagoras");
}

TEST_F(DocumentTest, StoredSettingsAreReadAsTheyWereMeant) {
    struct Case {
        const char* what;
        std::function<void(SettingsStore&)> stored;
        std::function<void(COrvantaDoc&)> check;
    };
    const Case cases[] = {
        {"the precision belongs to a stored number mode",
         [](SettingsStore& s) { s.writeString(OPTIONS, L"Precision", L"4"); },
         [](COrvantaDoc& d) {
             EXPECT_EQ(d.m_numMode, 0);
             EXPECT_EQ(d.m_precision, 10);
         }},
        {"number mode and precision",
         [](SettingsStore& s) {
             s.writeString(OPTIONS, L"NumMode", L"2");
             s.writeString(OPTIONS, L"Precision", L"4");
         },
         [](COrvantaDoc& d) {
             EXPECT_EQ(d.m_numMode, 2);
             EXPECT_EQ(d.m_precision, 4);
         }},
        {"a text that is no number is 0",
         [](SettingsStore& s) {
             s.writeString(OPTIONS, L"NumMode", L"1");
             s.writeString(OPTIONS, L"Precision", L"abc");
         },
         [](COrvantaDoc& d) { EXPECT_EQ(d.m_precision, 0); }},
        {"any use-j text but 0 is on", [](SettingsStore& s) { s.writeString(OPTIONS, L"UseJ", L"yes"); },
         [](COrvantaDoc& d) {
             EXPECT_EQ(d.m_useJ, 1);
             EXPECT_TRUE(Complex::s_use_j);
         }},
        {"result in input and RPN",
         [](SettingsStore& s) {
             s.writeString(OPTIONS, L"ResultInInput", L"1");
             s.writeString(OPTIONS, L"UseRPN", L"0");
         },
         [](COrvantaDoc& d) {
             EXPECT_EQ(d.m_resultInInput, 1);
             EXPECT_EQ(d.m_useRPN, 0);
         }},
        {"standard background 0", [](SettingsStore& s) { s.writeString(OPTIONS, L"StdBackground", L"0"); },
         [](COrvantaDoc& d) {
             EXPECT_EQ(d.m_stdBackground, 0);
             EXPECT_EQ(d.viewBackground(), d.m_plot.background);
         }},
        {"standard background 2", [](SettingsStore& s) { s.writeString(OPTIONS, L"StdBackground", L"2"); },
         [](COrvantaDoc& d) { EXPECT_EQ(d.m_stdBackground, 0); }},
        {"only constant 3 lacks its value",
         [](SettingsStore& s) {
             for (int n = 1; n <= 14; ++n) {
                 s.writeString(CONSTANTS, L"MyConst" + std::to_wstring(n) + L"Key",
                               L"c" + std::to_wstring(n));
                 if (n != 3)
                     s.writeString(CONSTANTS, L"MyConst" + std::to_wstring(n) + L"Val", std::to_wstring(n));
             }
         },
         [](COrvantaDoc& d) {
             EXPECT_EQ(d.engine().getConstKey(2), L"");
             EXPECT_EQ(d.engine().getConstVal(2), L"");
             EXPECT_EQ(d.engine().getConstKey(1), L"c2");
             EXPECT_EQ(d.engine().getConstVal(13), L"14");
         }},
        {"equations 7 to 9 keep their values under the short names",
         [](SettingsStore& s) {
             for (int n = 0; n < 10; ++n) {
                 const std::wstring e = L"MyEquation" + std::to_wstring(n);
                 s.writeString(EQUATIONS, e + L"Name", L"n" + std::to_wstring(n));
                 s.writeString(EQUATIONS, e + L"Equation", L"x=" + std::to_wstring(n));
                 s.writeString(EQUATIONS, e + L"Params", L"x");
                 s.writeString(EQUATIONS, e + (n < 7 ? L"ParamValue" : L"aramValue"),
                               L"x:=" + std::to_wstring(n));
             }
         },
         [](COrvantaDoc& d) {
             const SlotTable t = EngineTables::equations();
             for (int n = 0; n < 10; ++n)
                 EXPECT_EQ(t.get(d.engine(), 4 * n + 3), L"x:=" + std::to_wstring(n)) << n;
         }},
        {"an equation without parameter names is dropped whole",
         [](SettingsStore& s) {
             for (const wchar_t* n : {L"0", L"1"}) {
                 const std::wstring e = std::wstring(L"MyEquation") + n;
                 s.writeString(EQUATIONS, e + L"Name", L"kept");
                 s.writeString(EQUATIONS, e + L"Equation", L"x=1");
                 s.writeString(EQUATIONS, e + L"ParamValue", L"x:=1");
             }
             s.writeString(EQUATIONS, L"MyEquation0Params", L"x");
         },
         [](COrvantaDoc& d) {
             const SlotTable t = EngineTables::equations();
             EXPECT_EQ(t.get(d.engine(), 0), L"kept");
             for (int i = 4; i < 8; ++i)
                 EXPECT_EQ(t.get(d.engine(), i), L"") << i;
         }},
        {"a long user function is not read back",
         [](SettingsStore& s) {
             s.writeString(ROOT, L"My1", L"perc(x,y)=x/y*100");
             s.writeString(ROOT, L"My3", std::wstring(100, L'x'));
         },
         [](COrvantaDoc& d) { EXPECT_EQ(d.engine().getExpression(4), L""); }},
        {"angle unit, language and colours",
         [](SettingsStore& s) {
             s.writeString(OPTIONS, L"Mode", L"2");
             s.writeString(OPTIONS, L"Language", L"1");
             s.writeString(OPTIONS, L"BackgroundColor", L"255");
             s.writeString(OPTIONS, L"FunctionColor2D_1", L"123");
         },
         [](COrvantaDoc& d) {
             EXPECT_EQ(d.m_mode, CalculatorModes::GRAD);
             EXPECT_EQ(d.m_language, 1);
             EXPECT_EQ(OrvantaCalcBase::s_language, 1);
             EXPECT_EQ(LodrinStarter::s_language, 1);
             EXPECT_EQ(d.m_plot.background, 255u);
             EXPECT_EQ(d.m_plot.functionColours[0], 123u);
             EXPECT_EQ(d.viewBackground(), 0x808080u);
         }},
        {"an angle unit that does not exist is radians",
         [](SettingsStore& s) { s.writeString(OPTIONS, L"Mode", L"7"); },
         [](COrvantaDoc& d) { EXPECT_EQ(d.m_mode, CalculatorModes::RAD); }},
        {"the history comes back in the order it was written",
         [](SettingsStore& s) {
             const wchar_t* stored[] = {L"1+1", L"", L"2*3", L"1+1", L"sin(x)", L"", L"", L"", L"", L""};
             for (int i = 0; i < 10; ++i)
                 s.writeString(HISTORY, historyName(i + 1), stored[i]);
         },
         [](COrvantaDoc& d) {
             ASSERT_EQ(d.getHistorySize(), 3);
             EXPECT_EQ(d.getHistory(0), L"1+1");
             EXPECT_EQ(d.getHistory(1), L"2*3");
             EXPECT_EQ(d.getHistory(2), L"sin(x)");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(configFolder());
        {
            SettingsStore prepared(configFolder());
            c.stored(prepared);
            prepared.flush();
        }
        SettingsStore settings(configFolder());
        COrvantaDoc document(settings);
        c.check(document);
        document.setLanguage(0);
        document.setUseJ(false);
    }
}

TEST_F(DocumentTest, AMissingFirstFunctionColourRestoresAllFour) {
    store().writeString(OPTIONS, L"FunctionColor2D_2", L"42");
    COrvantaDoc document(store());
    EXPECT_EQ(persisted(OPTIONS, L"FunctionColor2D_2"), L"255");
    EXPECT_EQ(document.m_plot.functionColours[1], 255u);
}

TEST_F(DocumentTest, TheHistoryKeepsTenDistinctCalculations) {
    COrvantaDoc document(store());
    for (int i = 1; i <= 10; ++i)
        document.addToHistory(std::to_wstring(i));
    document.addToHistory(L"5");
    EXPECT_EQ(document.getHistory(0), L"10") << "a repeated calculation does not move";
    document.addToHistory(L"11");
    ASSERT_EQ(document.getHistorySize(), 10);
    EXPECT_EQ(document.getHistory(0), L"11");
    EXPECT_EQ(document.getHistory(9), L"2") << "the oldest went";
    EXPECT_EQ(document.getHistory(10), L"");
}

TEST_F(DocumentTest, ExitWritesTheAngleUnitAndOnlyTheHistoryItHolds) {
    {
        COrvantaDoc document(store());
        for (const wchar_t* entry : {L"3", L"2", L"1"})
            document.addToHistory(entry);
        document.m_mode = CalculatorModes::DEG;
        // Older entries beyond the list stay as they are.
        for (int i = 4; i <= 10; ++i)
            store().writeString(HISTORY, historyName(i), L"old" + std::to_wstring(i));
    }
    EXPECT_EQ(persisted(OPTIONS, L"Mode"), L"0");
    EXPECT_EQ(persisted(HISTORY, L"History1"), L"1");
    EXPECT_EQ(persisted(HISTORY, L"History2"), L"2");
    EXPECT_EQ(persisted(HISTORY, L"History3"), L"3");
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ(persisted(HISTORY, historyName(i)), L"old" + std::to_wstring(i));

    SettingsStore again(configFolder());
    COrvantaDoc next(again);
    EXPECT_EQ(next.m_mode, CalculatorModes::DEG);
    EXPECT_EQ(next.getHistory(0), L"1") << "the most recent stays first";
}

TEST_F(DocumentTest, EditedSettingsAreWrittenAtOnce) {
    COrvantaDoc document(store());
    document.setUserKey(3, L"sq", L"sq(x)=x^2");
    EXPECT_EQ(persisted(ROOT, L"My2Inv"), L"sq(x)=x^2");
    EXPECT_EQ(persisted(ROOT, L"My2InvText"), L"sq");
    document.setConstant(2, L"g", L"9.81");
    EXPECT_EQ(persisted(CONSTANTS, L"MyConst3Key"), L"g");
    EXPECT_EQ(persisted(CONSTANTS, L"MyConst3Val"), L"9.81");
    document.setEquation(8, L"lever", L"a*b=c", L"a;b;c", L"a:=2");
    EXPECT_EQ(persisted(EQUATIONS, L"MyEquation8Name"), L"lever");
    EXPECT_EQ(persisted(EQUATIONS, L"MyEquation8aramValue"), L"a:=2");
    EXPECT_EQ(persisted(EQUATIONS, L"MyEquation8ParamValue"), MISSING);

    document.m_numMode = 1;
    document.m_precision = 6;
    document.m_stdBackground = 0;
    document.m_plot.background = 0x123456;
    document.setUseJ(true);
    document.m_resultInInput = 1;
    document.setLanguage(1);
    document.writeOptions();
    const std::pair<const wchar_t*, const wchar_t*> options[] = {
        {L"NumMode", L"1"},       {L"Precision", L"6"},
        {L"StdBackground", L"0"}, {L"BackgroundColor", L"1193046"},
        {L"UseJ", L"1"},          {L"ResultInInput", L"1"},
        {L"UseRPN", L"0"},        {L"Language", L"1"},
    };
    for (const auto& [name, value] : options)
        EXPECT_EQ(persisted(OPTIONS, name), value) << name;
    EXPECT_EQ(OrvantaCalcBase::s_language, 1);
    EXPECT_TRUE(Complex::s_use_j);
}

TEST_F(DocumentTest, EngineMessagesAppearInAMessageBox) {
    COrvantaDoc document(store());
    OrvantaCalcBase::showMessageBox(L"Bad cell", OrvantaCalcBase::MessageIcon::Stop);
    ASSERT_EQ(m_platform.messageBox.shown().size(), 1u);
    EXPECT_EQ(m_platform.messageBox.shown()[0].text, L"Bad cell");
    EXPECT_EQ(m_platform.messageBox.shown()[0].icon, MessageIcon::Stop);
}

namespace {
// Unit files that cannot be used are kept beside fresh ones, and the user
// hears once where they went.
TEST_F(DocumentTest, ADamagedUnitPairIsMovedAsideWithOneMessage) {
    const std::filesystem::path data = configFolder().parent_path() / "data";
    std::filesystem::create_directories(data);
    std::ofstream(data / "metrics.dat") << "user units";
    std::ofstream(data / "base.dat").flush();
    {
        COrvantaDoc document(store(), data);
        const std::vector<std::wstring> shown = takeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_NE(shown[0].find((data / "metrics.dat.corrupt").wstring()), std::wstring::npos);
        EXPECT_EQ(document.getMetricSize(), 66);
    }
    EXPECT_TRUE(std::filesystem::exists(data / "base.dat.corrupt"));
    COrvantaDoc again(store(), data);
    EXPECT_TRUE(takeMessages().empty()) << "the fresh files are used without a word";
}
} // namespace
