#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <cwchar>

#include "AppTest.h"
#include "CCalculatorView.h"
#include "CDlgHistory.h"
#include "CDlgOptions.h"
#include "CDlgParameters.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "KeyButton.h"
#include "KeyIds.h"
#include "LodrinIds.h"
#include "MenuResources.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "Screen.h"
#include "TextFit.h"

namespace {
using namespace ModeTable;

class KeypadTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_app = start();
        frame().show();
    }
    void TearDown() override {
        m_app.reset();
        AppTest::TearDown();
    }
    CMainFrame& frame() { return *m_app->frame(); }
    COrvantaDoc& doc() { return *m_app->document(); }
    CCalculatorView& view(int mode = SCIENTIFIC) {
        frame().switchMode(mode);
        return *frame().activeView();
    }
    KeyButton* keyOf(CCalculatorView& v, int id) { return v.findChild<KeyButton*>(QString::number(id)); }
    // Clicks keys as the user would; every key must be on the keypad.
    void press(CCalculatorView& v, const std::vector<int>& ids) {
        for (int id : ids) {
            KeyButton* k = keyOf(v, id);
            ASSERT_NE(k, nullptr) << "key " << id;
            QTest::mouseClick(k, Qt::LeftButton);
        }
    }
    int caret(CCalculatorView& v) { return v.inputLine()->textCursor().position(); }
    void select(CCalculatorView& v, int from, int to) {
        QTextCursor c = v.inputLine()->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        v.inputLine()->setTextCursor(c);
    }

    std::unique_ptr<OrvantaApp> m_app;
};

using namespace KeyId;
constexpr int K0 = DIGIT_0, K1 = DIGIT_1, K2 = DIGIT_2, K3 = DIGIT_3, K4 = DIGIT_4, K5 = DIGIT_5;

TEST_F(KeypadTest, TemplatesGoAroundTheSelectionOrPutTheCaretInside) {
    struct Case {
        const char* name;
        const wchar_t* before;
        int selFrom, selTo;
        int key;
        const wchar_t* after;
        int caret;
    };
    const Case cases[] = {
        {"sin without selection", L"", 0, 0, SIN, L"sin()", 4},
        {"sin around a selection", L"2*x+1", 2, 5, SIN, L"2*sin(x+1)", 10},
        {"mod between ( and ,", L"", 0, 0, MOD, L"mod(,)", 4},
        {"plain text replaces the selection", L"123", 1, 2, K5, L"153", 2},
        {"line break", L"1", 1, 1, LINE_BREAK, L"1\r\n", 2},
    };
    CCalculatorView& v = view();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        v.setInputText(c.before);
        select(v, c.selFrom, c.selTo);
        v.onKey(c.key);
        EXPECT_EQ(v.inputText(), c.after);
        EXPECT_EQ(caret(v), c.caret);
    }
}

TEST_F(KeypadTest, InvAndHypChooseTheVariantAndRelabel) {
    CCalculatorView& v = view();
    const std::pair<std::vector<int>, const wchar_t*> cases[] = {
        {{}, L"sin()"}, {{INV}, L"arcsin()"}, {{HYP}, L"sinh()"}, {{INV, HYP}, L"arcsinh()"}};
    for (const auto& [states, text] : cases) {
        v.onKey(CLEAR);
        press(v, states);
        EXPECT_EQ(keyOf(v, INV)->pressedState(), doc().m_inv != 0);
        press(v, {SIN});
        EXPECT_EQ(v.inputText(), text);
        EXPECT_EQ(keyOf(v, SIN)->caption() == L"sin", states.size() == 0);
        press(v, states); // back off
    }
}

TEST_F(KeypadTest, BackspaceRemovesALineBreakWhole) {
    CCalculatorView& v = view();
    press(v, {K1});
    v.onKey(LINE_BREAK);
    ASSERT_EQ(v.inputText(), L"1\r\n");
    press(v, {BACK});
    EXPECT_EQ(v.inputText(), L"1");
    press(v, {BACK, BACK});
    EXPECT_EQ(v.inputText(), L"");
}

TEST_F(KeypadTest, KeysComputeInTheScientificView) {
    struct Case {
        std::vector<int> keys;
        std::wstring result;
    };
    const Case cases[] = {
        {{DEG, SIN, K3, K0}, L"0.5"},
        {{K2, POWER, K3, POWER, K2}, L"64"},
        {{K1, DIVIDE, K0}, engineText(40164)},
    };
    CCalculatorView& v = view();
    for (const Case& c : cases) {
        press(v, {CLEAR});
        press(v, c.keys);
        press(v, {EQUALS});
        EXPECT_EQ(v.resultText(), c.result) << QString::fromStdWString(v.inputText()).toStdString();
    }
    // An infinite value without a fault.
    v.setInputText(L"10^400");
    press(v, {EQUALS});
    EXPECT_EQ(v.resultText(), engineText(40100));
}

// The complex and programmer calculators, tapped as a user would: a result
// form or base key after "=" shows the same result in that form.
TEST_F(KeypadTest, KeysComputeInTheComplexAndProgrammerViews) {
    CCalculatorView& complex = view(COMPLEX);
    press(complex, {CLEAR, DEG, RECTANGULAR, K3, PLUS, K4, IMAGINARY, EQUALS});
    EXPECT_EQ(complex.resultText(), L"3+4i");
    press(complex, {POLAR});
    EXPECT_EQ(complex.resultText(), L"pol(5,53.1301023542)");

    CCalculatorView& programmer = view(COMPUTER);
    press(programmer, {CLEAR, DEC_INPUT, K5, PLUS, K5, EQUALS, TO_BIN});
    EXPECT_EQ(programmer.resultText(), L"bin: 1010");
    press(programmer, {TO_HEX});
    EXPECT_EQ(programmer.resultText(), L"hex: A");
    // Digits the input base does not have cannot be tapped.
    EXPECT_FALSE(keyOf(programmer, HEX_A)->isEnabled());
    press(programmer, {BIN_INPUT});
    EXPECT_FALSE(keyOf(programmer, K2)->isEnabled());
    EXPECT_TRUE(keyOf(programmer, K1)->isEnabled());
}

TEST_F(KeypadTest, ResultInInputContinuesFromTheResult) {
    doc().m_resultInInput = 1;
    CCalculatorView& v = view();
    press(v, {K2, PLUS, K3, EQUALS});
    EXPECT_EQ(v.inputText(), L"5");
    EXPECT_EQ(v.resultText(), L"2+3");
}

TEST_F(KeypadTest, HistoryKeepsTenDistinctCalculationsNewestFirst) {
    CCalculatorView& v = view();
    for (int i = 1; i <= 11; ++i) {
        v.setInputText(std::to_wstring(i) + L"+1");
        v.onKey(EQUALS);
    }
    ASSERT_EQ(doc().getHistorySize(), 10);
    EXPECT_EQ(doc().getHistory(0), L"11+1");
    EXPECT_EQ(doc().getHistory(9), L"2+1") << "the first calculation dropped";
    v.setInputText(L"5+1");
    v.onKey(EQUALS);
    EXPECT_EQ(doc().getHistory(0), L"11+1") << "a repeated calculation does not move";

    // Choosing an entry recalculates it at once.
    onNextDialog<CDlgHistory>([](CDlgHistory& d) {
        d.findChild<QComboBox*>(QString::number(LodrinId::HISTORY_LIST))->setCurrentIndex(2);
        d.accept();
    });
    v.onCommand(MenuResources::ID_HISTORY);
    EXPECT_EQ(v.inputText(), L"9+1");
    EXPECT_EQ(v.resultText(), L"10");
}

TEST_F(KeypadTest, UndoRestoresTheLineBeforeTheLastKey) {
    CCalculatorView& v = view();
    press(v, {K1, K2});
    v.onCommand(MenuResources::ID_UNDO);
    EXPECT_EQ(v.inputText(), L"1");
    v.onCommand(MenuResources::ID_UNDO);
    EXPECT_EQ(v.inputText(), L"1") << "one step only";
}

TEST_F(KeypadTest, ClipboardRules) {
    CCalculatorView& v = view();
    QClipboard* clip = QApplication::clipboard();
    v.setInputText(L"1+2");
    v.inputLine()->setFocus();
    v.onCommand(MenuResources::ID_CUT); // cut without a selection
    EXPECT_EQ(clip->text(), "1+2");
    EXPECT_EQ(v.inputText(), L"1+2");

    select(v, 1, 3);
    v.onCommand(MenuResources::ID_CUT);
    EXPECT_EQ(clip->text(), "+2");
    EXPECT_EQ(v.inputText(), L"1");
    EXPECT_EQ(caret(v), 1);

    clip->setText("f(x)=x^2");
    v.setInputText(L"old");
    v.inputLine()->moveCursor(QTextCursor::Start);
    v.onCommand(MenuResources::ID_PASTE);
    EXPECT_EQ(v.inputText(), L"x^2") << "caret at 0 replaces the line";
    v.onCommand(MenuResources::ID_PASTE);
    EXPECT_EQ(v.inputText(), L"x^2x^2");
}

TEST_F(KeypadTest, UserKeysInsertTheirFunctionOrConstant) {
    OrvantaCalcBase& engine = doc().engine();
    engine.initFunctions(0, L"perc", L"perc(x,y)=x/y*100");
    engine.initFunctions(2, L"vol", L"vol(a,b,c)=a*b*c");
    engine.initFunctions(4, L"sq", L"sq(x)=x^2");
    engine.initFunctions(6, L"half", L"x/2");
    engine.setConst(0, L"g", L"9.81");
    CCalculatorView& v = view();
    v.refreshKeys(CCalculatorView::ALL_KEYS);
    EXPECT_EQ(keyOf(v, USER_1)->caption(), L"perc");

    const std::pair<int, const wchar_t*> cases[] = {
        {USER_1, L"perc(,)"}, {USER_2, L"vol(,,)"}, {USER_3, L"sq()"}, {USER_4, L"x/2"}};
    for (const auto& [id, text] : cases) {
        v.onKey(CLEAR);
        press(v, {id});
        EXPECT_EQ(v.inputText(), text);
    }
    v.onKey(CLEAR);
    press(v, {USER_1});
    EXPECT_EQ(caret(v), 5) << "caret after (";

    press(v, {BANK}); // constants
    EXPECT_EQ(keyOf(v, USER_1)->caption(), L"g");
    v.onKey(CLEAR);
    press(v, {USER_1});
    EXPECT_EQ(v.inputText(), L"{g}");
    press(v, {BANK, BANK}); // back to the functions
    EXPECT_EQ(keyOf(v, USER_1)->caption(), L"perc");
}

TEST_F(KeypadTest, ImaginaryKeyFollowsUseJ) {
    CCalculatorView& v = view(COMPLEX);
    press(v, {IMAGINARY});
    doc().setUseJ(true);
    press(v, {IMAGINARY});
    EXPECT_EQ(v.inputText(), L"ij");
}

TEST_F(KeypadTest, ResultFormKeysOnAnEmptyInputSayWhy) {
    CCalculatorView& c = view(COMPLEX);
    press(c, {POLAR});
    EXPECT_EQ(c.resultText(), engineText(40231));
    press(c, {RECTANGULAR});
    EXPECT_EQ(c.resultText(), engineText(40232));
    press(c, {K3, PLUS, K2, IMAGINARY, POLAR});
    EXPECT_EQ(doc().m_complexResult, CalculatorModes::POLAR);
    EXPECT_NE(c.resultText(), engineText(40231));

    CCalculatorView& p = view(COMPUTER);
    press(p, {TO_BIN});
    EXPECT_EQ(p.resultText(), engineText(40232));
    press(p, {DEC_INPUT, K5, PLUS, K5, TO_BIN});
    EXPECT_EQ(p.resultText(), L"bin: 1010");
    press(p, {TO_HEX});
    EXPECT_EQ(p.resultText(), L"hex: A");
    EXPECT_FALSE(keyOf(p, HEX_A)->isEnabled()) << "no A in decimal input";
}

TEST_F(KeypadTest, CancelledParameterDialogLeavesTheResult) {
    CCalculatorView& v = view();
    v.setResultText(L"before");
    v.setInputText(L"[x]^2");
    onNextDialog<CDlgParameters>([](CDlgParameters& d) { d.reject(); });
    press(v, {EQUALS});
    EXPECT_EQ(v.resultText(), L"before");
    EXPECT_EQ(v.inputText(), L"[x]^2");
}

TEST_F(KeypadTest, LanguageSwitchRelabelsKeysAndMenu) {
    CCalculatorView& v = view();
    EXPECT_EQ(keyOf(v, CLEAR)->caption(), L"CLR");
    onNextDialog<CDlgOptions>([](CDlgOptions& d) {
        d.findChild<QComboBox*>(QString::number(LodrinId::OPT_LANGUAGE))->setCurrentIndex(1);
        d.accept();
    });
    v.onCommand(MenuResources::ID_OPTIONS);
    EXPECT_EQ(doc().m_language, 1);
    EXPECT_EQ(keyOf(v, CLEAR)->caption(), L"L\u00D6");
    EXPECT_EQ(frame().menuBar()->actions()[0]->text(), "Datei");
    EXPECT_EQ(persisted(L"Software\\Orvanta\\Options", L"Language"), L"1");
}

TEST_F(KeypadTest, DeviceKeyboard) {
    CCalculatorView& v = view();
    v.inputLine()->setFocus();
    QTest::keyClicks(v.inputLine(), "6*7");
    QTest::keyClick(v.inputLine(), Qt::Key_Return);
    EXPECT_EQ(v.resultText(), L"42");
    QTest::keyClick(v.inputLine(), Qt::Key_Backspace);
    EXPECT_EQ(v.inputText(), L"6*");
    QTest::keyClick(v.inputLine(), Qt::Key_Escape);
    EXPECT_EQ(v.inputText(), L"");
    EXPECT_EQ(v.resultText(), L"");
}

TEST_F(KeypadTest, MemoryListStoresAndInserts) {
    CCalculatorView& v = view();
    press(v, {K1, PLUS, K2, MEMORY_ADD, CLEAR, MEMORY_ADD});
    ASSERT_EQ(v.memoryList()->count(), 1) << "an empty line is not stored";
    v.memoryList()->setCurrentIndex(0);
    press(v, {MEMORY_INSERT});
    EXPECT_EQ(v.inputText(), L"1+2");
    press(v, {MEMORY_DELETE});
    EXPECT_EQ(v.memoryList()->count(), 0);
}

// A calculation's result, not one of the engine's messages.
bool isValue(const std::wstring& result) {
    if (result.empty()) return false;
    for (unsigned id = 40100; id <= 40324; ++id)
        if (const std::wstring text = engineText(id); text.size() > 2 && result.rfind(text, 0) == 0)
            return false;
    return true;
}

// A key's text made into a whole calculation: a number before an operator,
// arguments in its parentheses.
std::wstring completed(std::wstring text, const std::wstring& argument) {
    const std::pair<const wchar_t*, std::wstring> holes[] = {
        {L"(,)", L"(" + argument + L",2)"}, {L"()", L"(" + argument + L")"}, {L"/)", L"/2)"}};
    for (const auto& [hole, filled] : holes)
        if (const std::size_t at = text.find(hole); at != std::wstring::npos)
            text.replace(at, std::wcslen(hole), filled);
    if (text == L")") return L"(4)";
    if (std::wstring(L"+-*/^!E.").find(text[0]) != std::wstring::npos) text = L"4" + text;
    if (std::wstring(L"+-*/^(E.").find(text.back()) != std::wstring::npos)
        text += text.back() == L'(' ? L"2)" : L"2";
    return text;
}

// Every key of the three calculator keypads, with every Inv and Hyp variant
// its keypad can reach, inserts a text that calculates in that mode.
TEST_F(KeypadTest, EveryKeyInsertsValidInputForItsMode) {
    struct Mode {
        int mode;
        std::vector<int> setUp;
    };
    const Mode modes[] = {{SCIENTIFIC, {DEG}}, {COMPLEX, {RAD}}, {COMPUTER, {HEX_INPUT}}};
    for (const Mode& m : modes) {
        CCalculatorView& v = view(m.mode);
        press(v, m.setUp);
        const bool inv = keyOf(v, INV) != nullptr, hyp = keyOf(v, HYP) != nullptr;
        for (KeyButton* key : v.findChildren<KeyButton*>()) {
            for (int variant = 0; variant < 4; ++variant) {
                doc().m_inv = variant & 1;
                doc().m_hyp = (variant & 2) ? 1 : 0;
                if ((doc().m_inv && !inv) || (doc().m_hyp && !hyp)) continue;
                std::wstring text;
                if (!v.keyText(key->id(), text) || text == L"\r\n") continue;
                SCOPED_TRACE(QString::fromStdWString(text).toStdString() + " in mode " +
                             std::to_string(m.mode));
                v.onKey(CLEAR);
                key->click();
                ASSERT_EQ(v.inputText(), text) << "key " << key->id();
                bool calculated = false;
                for (const wchar_t* argument : {L"0.5", L"2", L""}) {
                    v.setInputText(completed(text, argument));
                    if (text.front() == L'[')
                        onNextDialog<CDlgParameters>([](CDlgParameters& d) { d.accept(); });
                    press(v, {EQUALS});
                    calculated = calculated || isValue(v.resultText());
                }
                EXPECT_TRUE(calculated)
                    << QString::fromStdWString(v.inputText() + L" gives " + v.resultText()).toStdString();
            }
        }
        doc().m_inv = doc().m_hyp = 0;
    }
}

TEST_F(KeypadTest, SquareAndCubeKeysCalculateAsPowers) {
    CCalculatorView& v = view();
    press(v, {K3, SQUARE, EQUALS});
    EXPECT_EQ(v.resultText(), L"9");
    EXPECT_EQ(keyOf(v, SQUARE)->caption(), L"x\u00B2");
    press(v, {CLEAR, K2, CUBE, EQUALS});
    EXPECT_EQ(v.resultText(), L"8");
}

TEST_F(KeypadTest, ChoosingAMemoryEntryInsertsIt) {
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame(), 2000));
    CCalculatorView& v = view();
    v.addMemoryEntries({L"1+2", L"7", L"3"});
    QComboBox* list = v.memoryList();
    v.setInputText(L"5*");
    // The mouse: open the list and click an entry.
    list->showPopup();
    const QRect item = list->view()->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(v.inputText(), L"5*7");
    EXPECT_EQ(v.undoText(), L"5*");

    // The keyboard: each step replaces the entry of the step before, and the
    // list keeps the focus for the next step.
    press(v, {CLEAR});
    v.setInputText(L"4-");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(v.inputText(), L"4-3");
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(v.inputText(), L"4-1+2");
    EXPECT_EQ(v.undoText(), L"4-");
    EXPECT_EQ(QApplication::focusWidget(), list);
}

// With the result in the input line the programmer view hands over the bare
// number in a base that reads it back; messages never carry a base name.
TEST_F(KeypadTest, ProgrammerResultsInTheInputLineCanBeCalculatedOn) {
    doc().m_resultInInput = 1;
    CCalculatorView& p = view(COMPUTER);
    press(p, {HEX_INPUT, TO_HEX, HEX_F, HEX_F, PLUS, K1, EQUALS});
    EXPECT_EQ(p.inputText(), L"100");
    EXPECT_EQ(p.resultText(), L"FF+1");
    press(p, {TO_BIN});
    EXPECT_EQ(p.inputText(), L"100000000");
    EXPECT_EQ(doc().m_computerMode, CalculatorModes::COMP_BIN);
    press(p, {TO_HEX});
    EXPECT_EQ(p.inputText(), L"100");

    doc().m_resultInInput = 0;
    press(p, {CLEAR, K1, DIVIDE, K0, EQUALS});
    std::wstring input = L"1/0", message;
    doc().calculateComputer(input, message);
    EXPECT_EQ(p.resultText(), message);
    EXPECT_TRUE(p.resultText().rfind(L"hex: ", 0) == std::wstring::npos);
}

TEST_F(KeypadTest, LongTextsAreShownWholeInSmallerFonts) {
    m_app.reset();
    Screen::setSize(240, 320);
    m_app = start();
    frame().show();
    CCalculatorView& v = view();
    QApplication::processEvents();
    const QFont normal = v.resultLine()->font();
    press(v, {K2, EQUALS});
    EXPECT_EQ(v.resultLine()->font().pixelSize(), normal.pixelSize()) << "a short result keeps the font";

    v.setInputText(L"binom(2.5,1)");
    press(v, {EQUALS});
    const std::wstring message = engineText(40136);
    ASSERT_EQ(v.resultText(), message);
    QLineEdit* result = v.resultLine();
    EXPECT_LT(result->font().pixelSize(), normal.pixelSize());
    EXPECT_GE(result->font().pixelSize(), 8);
    EXPECT_EQ(result->cursorPosition(), 0) << "read from the start";
    EXPECT_EQ(result->toolTip().toStdWString(), message);

    // The same in the input line, in German.
    doc().setLanguage(1);
    doc().m_resultInInput = 1;
    v.setInputText(L"binom(2.5,1)");
    press(v, {EQUALS});
    EXPECT_EQ(v.inputText(), engineText(41136));
    EXPECT_LT(v.inputLine()->font().pixelSize(), v.inputFont().pixelSize());
    EXPECT_EQ(v.inputLine()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(v.inputLine()->toolTip().toStdWString(), engineText(41136));
    press(v, {CLEAR, K1});
    EXPECT_EQ(v.inputLine()->font(), v.inputFont()) << "typing brings the normal font back";
    doc().setLanguage(0);
}

TEST_F(KeypadTest, DigitsStayTogetherAndCaptionsFitAtEveryScreen) {
    const QSize screens[] = {{240, 320}, {320, 240}, {480, 640}, {640, 480}};
    for (const QSize& screen : screens) {
        m_app.reset();
        Screen::setSize(screen.width(), screen.height());
        m_app = start();
        frame().show();
        for (int mode : {SCIENTIFIC, COMPLEX, COMPUTER}) {
            CCalculatorView& v = view(mode);
            QApplication::processEvents();
            SCOPED_TRACE(std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + " mode " +
                         std::to_string(mode));
            // The digit block is one piece: 1 to 9 in three rows over 0, in one half.
            const QRect seven = keyOf(v, DIGIT_7)->geometry(), three = keyOf(v, DIGIT_3)->geometry();
            const QRect zero = keyOf(v, DIGIT_0)->geometry();
            EXPECT_EQ(seven.left(), keyOf(v, DIGIT_1)->geometry().left());
            EXPECT_LT(seven.top(), three.top());
            EXPECT_LT(three.top(), zero.top());
            EXPECT_EQ(seven.left() < v.width() / 2, zero.left() < v.width() / 2);
            for (int inv : {0, 1}) {
                doc().m_inv = inv;
                v.refreshKeys(CCalculatorView::ALL_KEYS);
                for (const KeyButton* key : v.findChildren<KeyButton*>()) {
                    const QString caption = QString::fromStdWString(key->caption());
                    EXPECT_LE(TextFit::width(key->captionFont(), caption), key->captionArea().width())
                        << caption.toStdString() << " on key " << key->id();
                }
            }
            doc().m_inv = 0;
        }
    }
}

TEST_F(KeypadTest, TypingAfterAClickIntoTheResultLineGoesToTheInputLine) {
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame(), 2000));
    CCalculatorView& v = view();
    press(v, {K2, EQUALS});
    QTest::mouseClick(v.resultLine(), Qt::LeftButton);
    ASSERT_TRUE(v.resultLine()->hasFocus());
    QTest::keyClicks(v.resultLine(), "*3");
    EXPECT_EQ(v.inputText(), L"2*3");
    EXPECT_TRUE(v.inputLine()->hasFocus());

    QTest::mouseClick(v.resultLine(), Qt::LeftButton);
    press(v, {CLEAR});
    EXPECT_TRUE(v.inputLine()->hasFocus()) << "CLR";
    QTest::keyClicks(QApplication::focusWidget(), "5+5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(v.resultText(), L"10");
    QTest::mouseClick(v.resultLine(), Qt::LeftButton);
    press(v, {EQUALS});
    EXPECT_TRUE(v.inputLine()->hasFocus()) << "equals";
}

TEST_F(KeypadTest, TheBankKeyTellsWhichBankIsShown) {
    CCalculatorView& v = view();
    std::vector<std::wstring> captions;
    for (int i = 0; i < 3; ++i) {
        captions.push_back(keyOf(v, BANK)->caption());
        press(v, {BANK});
    }
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Fn", L"Const1", L"Const2"}));
}

// A dialog without a parent (the parameter question) opens over the window.
TEST_F(KeypadTest, ParentlessDialogsOpenOverTheMainWindow) {
    frame().move(40, 30);
    CCalculatorView& v = view();
    v.setInputText(L"[x]+1");
    QPoint centre;
    onNextDialog<CDlgParameters>([&](CDlgParameters& d) {
        d.show();
        centre = d.geometry().center();
        d.reject();
    });
    press(v, {EQUALS});
    EXPECT_LE((centre - frame().geometry().center()).manhattanLength(), 4);
}
} // namespace
