#include <QComboBox>
#include <QLineEdit>
#include <memory>

#include "CDlgIntegral.h"
#include "CDlgRange.h"
#include "CDlgRangeSolver.h"
#include "CDlgRangeSteps.h"
#include "DialogTest.h"
#include "LodrinIds.h"

using namespace LodrinId;

namespace {
const std::wstring NUMBER_RANGE_9999 = L"Please enter a number between -9999 and 9999.";

// CDlgRange and CDlgRangeSolver share their rules; each case runs on both.
struct RangeOkCase {
    const char* name;
    const char* from;
    const char* to;
    bool accepted;
    std::wstring message; // empty: none
};

const RangeOkCase RANGE_OK_CASES[] = {
    {"ordered", "-3", "4", true, L""},
    {"decimals_and_exponent", "-0.5", "1e3", true, L""},
    {"limits_inclusive", "-9999", "9999", true, L""},
    {"equal_refused", "5", "5", false, L"To-value must be greater\nthan from-value!"},
    {"reversed_refused", "4", "-3", false, L"To-value must be greater\nthan from-value!"},
    {"above_limit", "10000", "20000", false, NUMBER_RANGE_9999},
    {"below_limit_in_to", "1", "-10000", false, NUMBER_RANGE_9999},
    {"not_a_number", "abc", "4", false, L"Please enter a number."},
    {"empty", "", "4", false, L"Please enter a number."},
    {"no_nan_or_inf", "nan", "inf", false, L"Please enter a number."},
    {"comma_is_no_decimal_point", "1,5", "4", false, L"Please enter a number."},
};

template <class Dialog> struct RangeKind {
    using Type = Dialog;
    static double& lastFrom() { return Dialog::s_last_from; }
    static double& lastTo() { return Dialog::s_last_to; }
};

template <class Kind> class RangeDialogTest : public DialogTest {};
using RangeKinds = ::testing::Types<RangeKind<CDlgRange>, RangeKind<CDlgRangeSolver>>;
TYPED_TEST_SUITE(RangeDialogTest, RangeKinds);
} // namespace

TYPED_TEST(RangeDialogTest, OkRules) {
    for (const RangeOkCase& c : RANGE_OK_CASES) {
        SCOPED_TRACE(c.name);
        TypeParam::lastFrom() = -10.0;
        TypeParam::lastTo() = 10.0;
        typename TypeParam::Type dialog(L"Range of x:", nullptr);
        dialog.show();
        this->type(dialog, EDIT_FROMX, c.from);
        this->type(dialog, EDIT_TOX, c.to);
        this->click(dialog, OK);
        EXPECT_EQ(dialog.isVisible(), !c.accepted) << "a refusal keeps the dialog open";
        const std::vector<std::wstring> messages = this->takeMessages();
        if (c.message.empty()) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], c.message);
            // Typed values stay as the user left them.
            EXPECT_EQ(this->text(dialog, EDIT_FROMX), c.from);
        }
        if (c.accepted) {
            EXPECT_EQ(TypeParam::lastFrom(), dialog.m_from);
            EXPECT_EQ(TypeParam::lastTo(), dialog.m_to);
        } else {
            EXPECT_EQ(TypeParam::lastFrom(), -10.0) << "refusals leave the remembered range alone";
            EXPECT_EQ(TypeParam::lastTo(), 10.0);
        }
    }
}

TYPED_TEST(RangeDialogTest, OpensWithPromptAndRememberedRange) {
    TypeParam::lastFrom() = -3;
    TypeParam::lastTo() = 4.25;
    typename TypeParam::Type dialog(L"Where?", nullptr);
    dialog.show();
    EXPECT_EQ(this->text(dialog, PROMPT), "Where?");
    EXPECT_EQ(this->text(dialog, EDIT_FROMX), "-3");
    EXPECT_EQ(this->text(dialog, EDIT_TOX), "4.25");
}

TYPED_TEST(RangeDialogTest, CancelKeepsRememberedRange) {
    typename TypeParam::Type dialog(L"", nullptr);
    dialog.show();
    this->type(dialog, EDIT_FROMX, "1");
    this->type(dialog, EDIT_TOX, "2");
    this->click(dialog, CANCEL);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(TypeParam::lastFrom(), -10.0);
    EXPECT_EQ(TypeParam::lastTo(), 10.0);
}

TYPED_TEST(RangeDialogTest, DecimalKeyTypesPointIntoFieldThatLastHadFocus) {
    typename TypeParam::Type dialog(L"", nullptr);
    this->showActive(dialog);
    auto* from = dialog.template findChild<QLineEdit*>("1311");
    this->type(dialog, EDIT_FROMX, "12");
    this->focus(dialog, EDIT_FROMX);
    from->setCursorPosition(1);
    // Tapping a key takes the focus from the edit: the edit becomes the target.
    this->click(dialog, KEY_KOMMA);
    EXPECT_EQ(dialog.keypadTarget(), EDIT_FROMX);
    EXPECT_EQ(this->text(dialog, EDIT_FROMX), "1.2");
    this->click(dialog, KEY_5);
    EXPECT_EQ(this->text(dialog, EDIT_FROMX), "1.52") << "the caret moves on with the keys";
    EXPECT_EQ(this->text(dialog, EDIT_TOX), "10");
}

TYPED_TEST(RangeDialogTest, KeypadReplacesSelectionOfTarget) {
    typename TypeParam::Type dialog(L"", nullptr);
    this->showActive(dialog);
    this->focus(dialog, EDIT_TOX);
    dialog.template findChild<QLineEdit*>("1318")->selectAll();
    this->focus(dialog, EDIT_FROMX); // the to-field loses the focus with its selection
    EXPECT_EQ(dialog.keypadTarget(), EDIT_TOX);
    dialog.add2Input("7");
    EXPECT_EQ(this->text(dialog, EDIT_TOX), "7");
    EXPECT_EQ(this->text(dialog, EDIT_FROMX), "-10");
}

TYPED_TEST(RangeDialogTest, KeysDoNothingBeforeAnyFieldLostTheFocus) {
    typename TypeParam::Type dialog(L"", nullptr);
    dialog.show();
    dialog.add2Input("7");
    EXPECT_EQ(dialog.keypadTarget(), -1);
    EXPECT_EQ(this->text(dialog, EDIT_FROMX), "-10");
    EXPECT_EQ(this->text(dialog, EDIT_TOX), "10");
}

TEST_F(DialogTest, KeypadKeysInsertTheirDigits) {
    const std::pair<int, const char*> keys[] = {{KEY_0, "0"}, {KEY_1, "1"}, {KEY_2, "2"},    {KEY_3, "3"},
                                                {KEY_4, "4"}, {KEY_5, "5"}, {KEY_6, "6"},    {KEY_7, "7"},
                                                {KEY_8, "8"}, {KEY_9, "9"}, {KEY_MINUS, "-"}};
    CDlgRange dialog(L"", nullptr);
    showActive(dialog);
    type(dialog, EDIT_FROMX, "");
    focus(dialog, EDIT_FROMX);
    QString expected;
    for (const auto& [id, digit] : keys) {
        click(dialog, id);
        expected += digit;
    }
    EXPECT_EQ(text(dialog, EDIT_FROMX), expected);
}

TEST_F(DialogTest, SolverReportsBadFieldAtNextKeyPress) {
    CDlgRangeSolver solver(L"", nullptr);
    showActive(solver);
    type(solver, EDIT_TOX, "x");
    focus(solver, EDIT_FROMX);
    click(solver, KEY_1);
    EXPECT_EQ(takeMessages(), std::vector<std::wstring>{L"Please enter a number."});

    // The analysis range does not check while typing.
    CDlgRange range(L"", nullptr);
    showActive(range);
    type(range, EDIT_TOX, "x");
    focus(range, EDIT_FROMX);
    click(range, KEY_1);
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(DialogTest, RangeDialogSpeaksGermanWhenLauncherDoes) {
    LodrinStarter::setLanguage(1);
    CDlgRange dialog(L"", nullptr);
    LodrinStarter::setLanguage(0); // an open dialog keeps its language
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Bereich festlegen");
    type(dialog, EDIT_FROMX, "2");
    type(dialog, EDIT_TOX, "1");
    click(dialog, OK);
    EXPECT_EQ(lastMessage(), L"Der Bis-Wert muss größer\nals der Von-Wert sein!");
    type(dialog, EDIT_TOX, "100000");
    click(dialog, OK);
    EXPECT_EQ(lastMessage(), L"Bitte geben Sie eine Zahl zwischen -9999 und 9999 ein.");
}

// f(t,x) steps.

namespace {
struct StepsCase {
    const char* name;
    const char* from;
    const char* to;
    const char* step;
    bool accepted;
    std::wstring message;
};
const StepsCase STEPS_CASES[] = {
    {"ordered", "-5", "5", "2", true, L""},
    {"limits", "-32768", "32767", "1000", true, L""},
    {"equal", "5", "5", "1", false, L"To-value must be greater\nthan from-value!"},
    {"step_zero", "1", "5", "0", false, L"Please enter an integer between 1 and 1000."},
    {"step_too_big", "1", "5", "1001", false, L"Please enter an integer between 1 and 1000."},
    {"beyond_short", "-32769", "5", "1", false, L"Please enter an integer between -32768 and 32767."},
    {"huge", "99999999999999999999999", "5", "1", false,
     L"Please enter an integer between -32768 and 32767."},
    {"decimal", "1.5", "5", "1", false, L"Please enter an integer."},
};
} // namespace

TEST_F(DialogTest, RangeStepsOkRules) {
    for (const StepsCase& c : STEPS_CASES) {
        SCOPED_TRACE(c.name);
        CDlgRangeSteps::s_last_from = -2;
        CDlgRangeSteps::s_last_to = 2;
        CDlgRangeSteps::s_last_stepwidth = 1;
        CDlgRangeSteps dialog(nullptr);
        dialog.show();
        type(dialog, EDIT_FROMX, c.from);
        type(dialog, EDIT_TOX, c.to);
        type(dialog, EDIT_STEPS, c.step);
        click(dialog, OK);
        EXPECT_EQ(dialog.isVisible(), !c.accepted);
        EXPECT_EQ(lastMessage(), c.message);
        takeMessages();
        if (c.accepted) {
            EXPECT_EQ(CDlgRangeSteps::s_last_from, QString(c.from).toInt());
            EXPECT_EQ(CDlgRangeSteps::s_last_to, QString(c.to).toInt());
            EXPECT_EQ(CDlgRangeSteps::s_last_stepwidth, QString(c.step).toInt());
        } else {
            EXPECT_EQ(CDlgRangeSteps::s_last_stepwidth, 1);
        }
    }
}

TEST_F(DialogTest, RangeStepsHasNoDecimalKey) {
    CDlgRangeSteps dialog(nullptr);
    EXPECT_EQ(dialog.findChild<QWidget*>("1413"), nullptr);
    EXPECT_NE(dialog.findChild<QWidget*>("1412"), nullptr);
}

// Integral.

namespace {
struct WidthCase {
    int item;
    int widthInt;
};
const WidthCase WIDTH_CASES[] = {{0, 100}, {1, 200}, {2, 500}, {3, 1000}, {4, 2000}, {5, 5000}};
} // namespace

TEST_F(DialogTest, IntegralWidthItemGivesStepAndIsRemembered) {
    for (const WidthCase& c : WIDTH_CASES) {
        SCOPED_TRACE(c.widthInt);
        {
            CDlgIntegral dialog(nullptr);
            dialog.show();
            dialog.findChild<QComboBox*>("1035")->setCurrentIndex(c.item);
            click(dialog, OK);
            ASSERT_FALSE(dialog.isVisible());
            EXPECT_EQ(CDlgIntegral::m_width_int, c.widthInt);
            EXPECT_DOUBLE_EQ(dialog.m_width, 1.0 / c.widthInt);
        }
        CDlgIntegral again(nullptr);
        again.show();
        EXPECT_EQ(again.findChild<QComboBox*>("1035")->currentIndex(), c.item);
    }
    EXPECT_EQ(CDlgIntegral::widthIndex(300), 5) << "an unknown width shows the last item";
}

TEST_F(DialogTest, IntegralRangeRules) {
    struct Case {
        const char* from;
        const char* to;
        bool accepted;
        std::wstring message;
    };
    const Case cases[] = {
        {"2", "2", true, L""}, // an empty range is allowed here
        {"-999", "999", true, L""},
        {"3", "2", false, L"To-value must be greater\nthan from-value!"},
        {"-1000", "2", false, L"Please enter a number between -999 and 999."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        CDlgIntegral dialog(nullptr);
        dialog.show();
        type(dialog, EDIT_FROMX, c.from);
        type(dialog, EDIT_TOX, c.to);
        click(dialog, OK);
        EXPECT_EQ(dialog.isVisible(), !c.accepted);
        EXPECT_EQ(lastMessage(), c.message);
        takeMessages();
    }
}

TEST_F(DialogTest, IntegralRefusedThenCancelledKeepsRememberedValues) {
    CDlgIntegral dialog(nullptr);
    dialog.show();
    type(dialog, EDIT_FROMX, "5");
    type(dialog, EDIT_TOX, "1");
    click(dialog, CHECK_AREA);
    click(dialog, OK); // refused: from > to
    click(dialog, CANCEL);
    EXPECT_EQ(CDlgIntegral::m_fromx, -10.0);
    EXPECT_EQ(CDlgIntegral::m_tox, 10.0);
    EXPECT_EQ(CDlgIntegral::m_absolut, 0);
}

TEST_F(DialogTest, IntegralInputPanelFollowsFocusAndCancel) {
    CDlgIntegral dialog(nullptr);
    showActive(dialog);
    focus(dialog, EDIT_TOX);
    EXPECT_TRUE(m_platform.inputPanel.visible());
    click(dialog, CANCEL);
    EXPECT_FALSE(m_platform.inputPanel.visible());
    EXPECT_GE(m_platform.inputPanel.hides(), 1);
}

TEST_F(DialogTest, IntegralGermanMethodNames) {
    LodrinStarter::setLanguage(1);
    CDlgIntegral dialog(nullptr);
    auto* methods = dialog.findChild<QComboBox*>("1038");
    ASSERT_EQ(methods->count(), 3);
    EXPECT_EQ(methods->itemText(0), "Rechteck");
    EXPECT_EQ(dialog.windowTitle(), "Integraldefinition");
}
