#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "CDlgConstants.h"
#include "CDlgHistory.h"
#include "CDlgLoadEquation.h"
#include "CDlgMyFunctions.h"
#include "CDlgNewFunction.h"
#include "CDlgParameters.h"
#include "CDlgSelect.h"
#include "CDlgStoreEquation.h"
#include "DialogTest.h"
#include "LodrinIds.h"

using namespace LodrinId;

namespace {
QComboBox* combo(const QWidget& root, int id) {
    return root.findChild<QComboBox*>(QString::number(id));
}
QLineEdit* edit(const QWidget& root, int id) {
    return root.findChild<QLineEdit*>(QString::number(id));
}
// What a user's pick in a list does: select the entry and report it.
void choose(const QWidget& root, int id, int index) {
    QComboBox* list = combo(root, id);
    list->setCurrentIndex(index);
    emit list->activated(index);
}
QStringList items(const QWidget& root, int id) {
    QStringList out;
    if (QComboBox* list = combo(root, id))
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
    return out;
}

const std::vector<std::wstring> EXPRESSIONS{L"sq(x)=x^2", L"2*pi"};
const std::vector<std::wstring> CONSTANTS{L"{c}", L"{g}"};
} // namespace

// Select constant / expression.

TEST_F(DialogTest, SelectReturnsChoiceOrEditRequest) {
    struct Case {
        const char* name;
        std::function<void(DialogTest&, CDlgSelect&)> act;
        int result;
        std::wstring text;
    };
    const Case cases[] = {
        {"expression", [](DialogTest&, CDlgSelect& d) { combo(d, SEL_EXPRESSIONS)->setCurrentIndex(1); }, 0,
         L"2*pi"},
        {"constant", [](DialogTest&, CDlgSelect& d) { combo(d, SEL_CONSTANTS)->setCurrentIndex(0); }, 0,
         L"{c}"},
        {"the later pick wins",
         [](DialogTest&, CDlgSelect& d) {
             combo(d, SEL_CONSTANTS)->setCurrentIndex(1);
             combo(d, SEL_EXPRESSIONS)->setCurrentIndex(0);
             EXPECT_EQ(combo(d, SEL_CONSTANTS)->currentIndex(), -1);
         },
         0, L"sq(x)=x^2"},
        {"edit expressions", [](DialogTest& t, CDlgSelect& d) { t.click(d, SEL_EDIT_EXPRESSIONS); }, 1,
         L"kept"},
        {"edit constants with a choice made",
         [](DialogTest& t, CDlgSelect& d) {
             combo(d, SEL_EXPRESSIONS)->setCurrentIndex(1);
             t.click(d, SEL_EDIT_CONSTANTS);
         },
         2, L"kept"},
        {"cancel",
         [](DialogTest& t, CDlgSelect& d) {
             combo(d, SEL_CONSTANTS)->setCurrentIndex(0);
             t.click(d, CANCEL);
         },
         -1, L"kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring chosen = L"kept";
        onNextDialog<CDlgSelect>([this, &c](CDlgSelect& d) {
            EXPECT_EQ(items(d, SEL_EXPRESSIONS), QStringList({"sq(x)=x^2", "2*pi"}));
            EXPECT_EQ(text(d, SEL_EXPRESSIONS), "") << "nothing is chosen at first";
            c.act(*this, d);
            if (d.isVisible()) click(d, OK);
        });
        EXPECT_EQ(LodrinStarter().showSelect(chosen, EXPRESSIONS, CONSTANTS), c.result);
        EXPECT_EQ(chosen, c.text);
        EXPECT_TRUE(takeMessages().empty());
    }
}

TEST_F(DialogTest, SelectRefusesOkWithoutChoiceInBothLanguages) {
    for (int language : {0, 1}) {
        LodrinStarter::setLanguage(language);
        CDlgSelect dialog(nullptr);
        dialog.m_expressions = EXPRESSIONS;
        dialog.show();
        click(dialog, OK);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(m_platform.messageBox.shown().size(), 1u);
        EXPECT_EQ(m_platform.messageBox.shown()[0].text, libraryText(42277, language));
        EXPECT_EQ(m_platform.messageBox.shown()[0].icon, MessageIcon::Stop);
        takeMessages();
    }
    EXPECT_EQ(libraryText(42277, 1), L"Bitte wählen Sie eine Gleichung oder eine Konstante aus!");
}

// My Buttons / Functions.

TEST_F(DialogTest, MyFunctionsChecksTheNameInOrder) {
    struct Case {
        const char* expression;
        unsigned refusal; // 0: accepted
    };
    const Case cases[] = {
        {"f2(x)=x", 42281},
        {"(x)=x", 42280},
        {"g(x)=x+1", 0},
        {"f1a(x)=x", 42279},
        {"f(x)=2x+1", 0},           // digits after "=" are the formula's business
        {"2*x+1", 0},               // no "=": inserted as it stands
        {"(x+1)^2", 42280},         // starts with "(x"
        {"<name>(x,y)=x*y", 42280}, // the template left unfilled
        {"()=5", 42280},            // a definition without a name
        {"(w,x,y,z)=w", 42280},
        {"f2(x1)=x", 42281}, // ends-with-digit comes before contains-digit
        {"(x1)=x", 42280},   // no-name comes before contains-digit
        {"a1b=3", 42279},
        {"", 0}, // emptying a slot
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(CDlgMyFunctions::checkExpression(QString(c.expression).toStdWString()), c.refusal);
    }
    // The same through the dialog, in both languages.
    for (int language : {0, 1}) {
        LodrinStarter::setLanguage(language);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.expression << " language " << language);
            CDlgMyFunctions dialog(nullptr);
            dialog.m_descriptions = {L"a", L"b"};
            dialog.m_expressions = {L"a(x)=x", L"b(x)=x"};
            dialog.show();
            type(dialog, FUNC_EXPRESSION, c.expression);
            click(dialog, OK);
            const std::vector<std::wstring> messages = takeMessages();
            EXPECT_EQ(dialog.isVisible(), c.refusal != 0);
            if (c.refusal) {
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_EQ(messages[0], libraryText(c.refusal, language));
                EXPECT_EQ(dialog.m_expressions[0], L"a(x)=x") << "a refusal stores nothing";
            } else {
                EXPECT_TRUE(messages.empty());
                EXPECT_EQ(dialog.m_expressions[0], QString(c.expression).toStdWString());
            }
        }
    }
}

TEST(MyFunctionsText, VariableCountOfADefinition) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"f()=1", 0},           {L"f(x)=x", 1}, {L"f(x,y)=x", 2}, {L"f(w,x,y,z)=w", 4},
        {L"f(a,b,c,d,e)=a", -1}, {L"2*x", -1},   {L"", -1},        {L"f)=(x", -1},
    };
    for (const auto& [expression, count] : cases)
        EXPECT_EQ(CDlgMyFunctions::variableCount(expression), count)
            << QString::fromWCharArray(expression).toStdString();
}

TEST_F(DialogTest, ShowMyFunctionsStoresTheSelectedSlotOnlyAfterOk) {
    LodrinStarter starter;
    for (int slot = 0; slot < LodrinStarter::FUNCTION_SLOTS; ++slot)
        starter.initFunctions(slot, L"k" + std::to_wstring(slot),
                              L"f" + std::wstring(1, L'a' + slot % 26) + L"(x)=x");

    onNextDialog<CDlgMyFunctions>([this](CDlgMyFunctions& d) {
        EXPECT_TRUE(d.isFullScreenDialog());
        const QStringList list = items(d, FUNC_SLOTS);
        ASSERT_EQ(list.size(), 28);
        EXPECT_EQ(list[0], "Button 1 Nor. k0: fa(x)=x");
        EXPECT_EQ(list[5], "Button 3 Inv. k5: ff(x)=x");
        EXPECT_EQ(list[27], "Button 14 Inv. k27: fb(x)=x");
        combo(d, FUNC_SLOTS)->setCurrentIndex(5);
        EXPECT_EQ(text(d, FUNC_CAPTION), "k5");
        EXPECT_EQ(text(d, FUNC_EXPRESSION), "ff(x)=x");
        EXPECT_EQ(text(d, FUNC_VARIABLES), "One Variable") << "what the slot's function takes";
        click(d, FUNC_COPY_INPUT);
        EXPECT_EQ(text(d, FUNC_EXPRESSION), "sin(x)^2");
        choose(d, FUNC_VARIABLES, 2);
        EXPECT_EQ(text(d, FUNC_EXPRESSION), "<name>(x,y)=");
        choose(d, FUNC_VARIABLES, 2);
        EXPECT_EQ(text(d, FUNC_EXPRESSION), "<name>(x,y)=") << "the same choice again";
        type(d, FUNC_EXPRESSION, "hyp(x,y)=sqrt(x^2+y^2)");
        type(d, FUNC_CAPTION, "hypot"); // four characters at most
        EXPECT_EQ(text(d, FUNC_CAPTION), "hypo");
        click(d, OK);
    });
    m_platform.inputPanel.show();
    ASSERT_TRUE(starter.showMyFunctions(L"sin(x)^2", 28));
    EXPECT_FALSE(m_platform.inputPanel.visible()) << "OK hides the input panel";
    EXPECT_EQ(starter.getExpression(5), L"hyp(x,y)=sqrt(x^2+y^2)");
    EXPECT_EQ(starter.getDescription(5), L"hypo");
    EXPECT_EQ(starter.getExpression(4), L"fe(x)=x");
    EXPECT_EQ(starter.getDescription(27), L"k27");

    onNextDialog<CDlgMyFunctions>([this](CDlgMyFunctions& d) {
        type(d, FUNC_EXPRESSION, "q(x)=1");
        click(d, CANCEL);
    });
    EXPECT_FALSE(starter.showMyFunctions(L"", 28));
    EXPECT_EQ(starter.getExpression(0), L"fa(x)=x");
}

TEST_F(DialogTest, MyFunctionsInGerman) {
    LodrinStarter::setLanguage(1);
    CDlgMyFunctions dialog(nullptr);
    dialog.m_descriptions = {L"a", L"b"};
    dialog.m_expressions = {L"a()=1", L"b()=2"};
    dialog.show();
    EXPECT_EQ(items(dialog, FUNC_VARIABLES), QStringList({"Keine Variable", "Eine Variable", "Zwei Variablen",
                                                          "Drei Variablen", "Vier Variablen"}));
    EXPECT_EQ(items(dialog, FUNC_SLOTS), QStringList({"Taste 1 Nor. a: a()=1", "Taste 1 Inv. b: b()=2"}));
    EXPECT_EQ(text(dialog, FUNC_VARIABLES), "Keine Variable");
    choose(dialog, FUNC_VARIABLES, 4);
    EXPECT_EQ(text(dialog, FUNC_EXPRESSION), "<name>(w,x,y,z)=");
}

// Constant editor.

TEST_F(DialogTest, ShowConstantsEditsSlotsAndCancelKeepsAll) {
    LodrinStarter starter;
    for (int slot = 0; slot < LodrinStarter::CONSTANT_SLOTS; ++slot)
        starter.setConst(slot, L"c" + std::to_wstring(slot), std::to_wstring(slot * 10));

    onNextDialog<CDlgConstants>([this](CDlgConstants& d) {
        EXPECT_EQ(items(d, CONST_LIST).size(), 14);
        EXPECT_EQ(text(d, CONST_NAME), "c0");
        combo(d, CONST_LIST)->setCurrentIndex(3);
        type(d, CONST_NAME, "rho");
        type(d, CONST_VALUE, "1.2");
        EXPECT_EQ(items(d, CONST_LIST)[3], "4: rho") << "the list follows the name";
        EXPECT_EQ(items(d, CONST_LIST)[13], "14: c13");
        combo(d, CONST_LIST)->setCurrentIndex(13);
        EXPECT_EQ(text(d, CONST_VALUE), "130");
        click(d, CANCEL);
    });
    EXPECT_FALSE(starter.showConstants(14));
    for (int slot = 0; slot < LodrinStarter::CONSTANT_SLOTS; ++slot) {
        EXPECT_EQ(starter.getConstKey(slot), L"c" + std::to_wstring(slot));
        EXPECT_EQ(starter.getConstVal(slot), std::to_wstring(slot * 10));
    }

    onNextDialog<CDlgConstants>([this](CDlgConstants& d) {
        combo(d, CONST_LIST)->setCurrentIndex(3);
        type(d, CONST_NAME, "rho");
        combo(d, CONST_LIST)->setCurrentIndex(4);
        type(d, CONST_VALUE, "-1");
        click(d, OK);
    });
    ASSERT_TRUE(starter.showConstants(14));
    EXPECT_EQ(starter.getConstKey(3), L"rho");
    EXPECT_EQ(starter.getConstVal(3), L"30");
    EXPECT_EQ(starter.getConstVal(4), L"-1");
    EXPECT_EQ(starter.getConstKey(4), L"c4");
}

// History.

TEST_F(DialogTest, ShowHistoryReturnsTheChosenEntry) {
    struct Case {
        const char* name;
        int pick; // -1: none
        bool ok;
        std::wstring expected;
    };
    const Case cases[] = {
        {"second entry", 1, true, L"2+2"},
        {"nothing selected", -1, true, L""},
        {"cancel", 0, false, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LodrinStarter starter;
        for (const wchar_t* entry : {L"1+1", L"2+2", L"sin(pi)"})
            starter.addHistory(entry);
        onNextDialog<CDlgHistory>([this, &c](CDlgHistory& d) {
            EXPECT_EQ(items(d, HISTORY_LIST), QStringList({"1+1", "2+2", "sin(pi)"}));
            combo(d, HISTORY_LIST)->setCurrentIndex(c.pick);
            click(d, c.ok ? OK : CANCEL);
        });
        EXPECT_EQ(starter.showHistory(), c.expected);
    }
    onNextDialog<CDlgHistory>([this](CDlgHistory& d) { click(d, OK); });
    EXPECT_EQ(LodrinStarter().showHistory(), L"") << "an empty history";
}

// Equations.

namespace {
void fillEquations(LodrinStarter& starter) {
    const wchar_t* names[] = {L"Ohm", L"Kepler", L"Ohm", L"", L"Gas"};
    for (int slot = 0; slot < LodrinStarter::EQUATION_SLOTS; ++slot)
        starter.initEquations(slot, slot < 5 ? names[slot] : L"E" + std::to_wstring(slot),
                              L"a" + std::to_wstring(slot) + L"=b");
}
} // namespace

TEST_F(DialogTest, ShowLoadEquationOffersTenSlots) {
    LodrinStarter starter;
    fillEquations(starter);
    onNextDialog<CDlgLoadEquation>([this](CDlgLoadEquation& d) {
        const QStringList list = items(d, EQ_LIST);
        ASSERT_EQ(list.size(), 10);
        EXPECT_EQ(list[1], "Kepler");
        EXPECT_EQ(list[9], "E9");
        EXPECT_EQ(text(d, OK), "Select");
        combo(d, EQ_LIST)->setCurrentIndex(4);
        EXPECT_EQ(text(d, EQ_TEXT), "a4=b");
        click(d, OK);
    });
    EXPECT_EQ(starter.showLoadEquation(), 4);

    onNextDialog<CDlgLoadEquation>([this](CDlgLoadEquation& d) {
        combo(d, EQ_LIST)->setCurrentIndex(2);
        click(d, CANCEL);
    });
    EXPECT_EQ(starter.showLoadEquation(), -1);
    onNextDialog<CDlgLoadEquation>([this](CDlgLoadEquation& d) { click(d, OK); });
    EXPECT_EQ(starter.showLoadEquation(), -1) << "nothing selected";
}

TEST_F(DialogTest, ShowStoreEquationMarksDeletedSlots) {
    LodrinStarter starter;
    fillEquations(starter);
    std::wstring name = L"Ohm";
    onNextDialog<CDlgStoreEquation>([this](CDlgStoreEquation& d) {
        EXPECT_TRUE(d.isFullScreenDialog());
        EXPECT_EQ(text(d, EQ_TEXT), "U=R*I");
        EXPECT_EQ(text(d, EQ_NAME), "Ohm");
        const QStringList list = items(d, EQ_LIST);
        ASSERT_EQ(list.size(), 10);
        EXPECT_EQ(list[0], "1: Ohm");
        EXPECT_EQ(list[3], "4: ");
        EXPECT_EQ(list[9], "10: E9");
        EXPECT_EQ(combo(d, EQ_LIST)->currentIndex(), 2) << "the last slot of that name";
        click(d, EQ_DELETE);
        EXPECT_EQ(items(d, EQ_LIST)[2], "3: ");
        combo(d, EQ_LIST)->setCurrentIndex(4);
        click(d, EQ_DELETE);
        EXPECT_EQ(items(d, EQ_LIST)[4], "5: ");
        combo(d, EQ_LIST)->setCurrentIndex(1);
        type(d, EQ_NAME, "Resistor");
        click(d, OK);
    });
    EXPECT_EQ(starter.showStoreEquation(L"U=R*I", name), 1);
    EXPECT_EQ(name, L"Resistor");
    for (int slot = 0; slot < LodrinStarter::EQUATION_SLOTS; ++slot)
        EXPECT_EQ(starter.isEquationDeleted(slot), slot == 2 || slot == 4) << slot;

    LodrinStarter fresh;
    fillEquations(fresh);
    std::wstring unchanged = L"New";
    onNextDialog<CDlgStoreEquation>([this](CDlgStoreEquation& d) {
        EXPECT_EQ(combo(d, EQ_LIST)->currentIndex(), 0) << "a new name starts at the first slot";
        click(d, EQ_DELETE);
        type(d, EQ_NAME, "Other");
        click(d, CANCEL);
    });
    EXPECT_EQ(fresh.showStoreEquation(L"x=1", unchanged), -1);
    EXPECT_EQ(unchanged, L"New");
    EXPECT_FALSE(fresh.isEquationDeleted(0)) << "Cancel deletes nothing";
}

// Parameters.

TEST_F(DialogTest, ParametersDisableUnusedFields) {
    struct Case {
        bool w, x, y, z;
    };
    const Case cases[] = {{true, false, false, false}, {false, true, false, true}, {true, true, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << c.x << c.y << c.z);
        double w = 9, x = 9, y = 9, z = 9;
        onNextDialog<CDlgParameters>([this, &c](CDlgParameters& d) {
            const std::pair<int, bool> fields[] = {
                {PARAM_W, c.w}, {PARAM_X, c.x}, {PARAM_Y, c.y}, {PARAM_Z, c.z}};
            for (const auto& [id, used] : fields) {
                EXPECT_EQ(find(d, id)->isEnabled(), used) << id;
                if (used) type(d, id, QString::number(id));
            }
            click(d, OK);
        });
        ASSERT_TRUE(LodrinStarter().showParameters(c.w, c.x, c.y, c.z, w, x, y, z));
        EXPECT_EQ(w, c.w ? 1316.0 : 0.0);
        EXPECT_EQ(x, c.x ? 1320.0 : 0.0);
        EXPECT_EQ(y, c.y ? 1102.0 : 0.0);
        EXPECT_EQ(z, c.z ? 1105.0 : 0.0);
    }
}

TEST_F(DialogTest, ParametersKeypadTypesIntoLastFocusedField) {
    CDlgParameters dialog(nullptr);
    dialog.m_useX = true;
    dialog.m_useZ = true;
    showActive(dialog);
    EXPECT_EQ(dialog.keypadTarget(), PARAM_X) << "the first field needed, from the start";
    click(dialog, KEY_7);
    EXPECT_EQ(text(dialog, PARAM_X), "7");
    focus(dialog, PARAM_Z);
    edit(dialog, PARAM_Z)->selectAll();
    click(dialog, KEY_MINUS);
    click(dialog, KEY_KOMMA);
    click(dialog, KEY_5);
    EXPECT_EQ(text(dialog, PARAM_Z), "-.5");
    EXPECT_EQ(text(dialog, PARAM_X), "7");
    click(dialog, OK);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_x, 7.0);
    EXPECT_EQ(dialog.m_z, -0.5);
}

TEST_F(DialogTest, ParametersRefuseTextThatIsNoNumber) {
    double w = 0, x = 3, y = 0, z = 0;
    onNextDialog<CDlgParameters>([this](CDlgParameters& d) {
        type(d, PARAM_Y, "2,5");
        click(d, OK);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(lastMessage(), L"Please enter a number.");
        type(d, PARAM_Y, "1e999");
        click(d, OK);
        EXPECT_TRUE(d.isVisible()) << "too large for a double";
        click(d, CANCEL);
    });
    EXPECT_FALSE(LodrinStarter().showParameters(false, false, true, false, w, x, y, z));
    EXPECT_EQ(x, 3.0);
    takeMessages();
}

// New function.

TEST_F(DialogTest, NewFunctionBuildsNameAndParameters) {
    std::wstring function;
    onNextDialog<CDlgNewFunction>([this](CDlgNewFunction& d) {
        EXPECT_TRUE(d.isFullScreenDialog());
        type(d, NF_NAME, "area");
        type(d, NF_PARAM_NAME, "w");
        click(d, NF_ADD);
        type(d, NF_PARAM_NAME, "h");
        type(d, NF_PARAM_DEFAULT, "2");
        click(d, NF_ADD);
        click(d, NF_ADD); // no name: nothing added
        type(d, NF_PARAM_NAME, "tmp");
        click(d, NF_ADD);
        auto* list = d.findChild<QListWidget*>("1082");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(1)->text(), "h=2");
        list->setCurrentRow(2);
        click(d, NF_DELETE);
        click(d, OK);
    });
    EXPECT_EQ(LodrinStarter().showNewFunction(function), 1);
    EXPECT_EQ(function, L"area(w,h=2)");

    // What comes in opens ready for editing and goes out the same.
    onNextDialog<CDlgNewFunction>([this](CDlgNewFunction& d) {
        EXPECT_EQ(text(d, NF_NAME), "area");
        EXPECT_EQ(d.findChild<QListWidget*>("1082")->count(), 2);
        click(d, OK);
    });
    EXPECT_EQ(LodrinStarter().showNewFunction(function), 1);
    EXPECT_EQ(function, L"area(w,h=2)");

    onNextDialog<CDlgNewFunction>([this](CDlgNewFunction& d) { click(d, CANCEL); });
    EXPECT_EQ(LodrinStarter().showNewFunction(function), -1);
}

TEST_F(DialogTest, NewFunctionWithoutNameIsRefused) {
    for (int language : {0, 1}) {
        LodrinStarter::setLanguage(language);
        std::wstring function = L"kept";
        onNextDialog<CDlgNewFunction>([this, language](CDlgNewFunction& d) {
            type(d, NF_NAME, "  ");
            type(d, NF_PARAM_NAME, "a");
            click(d, NF_ADD);
            click(d, OK);
            EXPECT_TRUE(d.isVisible()) << "the user can still enter a name";
            EXPECT_EQ(lastMessage(), libraryText(42290, language));
            click(d, CANCEL);
        });
        EXPECT_EQ(LodrinStarter().showNewFunction(function), -1);
        EXPECT_EQ(function, L"kept");
        takeMessages();
    }
}

TEST(NewFunctionText, SplitsAtTopLevelCommas) {
    struct Case {
        const wchar_t* text;
        const wchar_t* name;
        std::vector<std::wstring> parameters;
    };
    const Case cases[] = {
        {L"", L"", {}},
        {L"main", L"main", {}},
        {L"f()", L"f", {}},
        {L"f(a, b=max(1,2) ,c)", L"f", {L"a", L"b=max(1,2)", L"c"}},
        {L"g(a,", L"g", {L"a"}},
        {L"(x)", L"", {L"x"}},
        {L"h(a))(", L"h", {L"a)"}},
    };
    for (const Case& c : cases) {
        std::wstring name;
        std::vector<std::wstring> parameters;
        CDlgNewFunction::splitFunction(c.text, name, parameters);
        EXPECT_EQ(name, c.name) << QString::fromWCharArray(c.text).toStdString();
        EXPECT_EQ(parameters, c.parameters) << QString::fromWCharArray(c.text).toStdString();
    }
}
