#include <QSlider>
#include <QTabWidget>

#include "CColorButton.h"
#include "CDlgOptions.h"
#include "CPropPage3dOther.h"
#include "CPropPage3dRange.h"
#include "CPropPageComplexColors.h"
#include "CPropPageComplexStandard.h"
#include "CPropPagePlotterColors.h"
#include "CPropPagePlotterSettings.h"
#include "CPropSheetPlotteroptions.h"
#include "CPropSheetPlotteroptions3d.h"
#include "CPropSheetPlotteroptionsComplex.h"
#include "CRangeList.h"
#include "DialogTest.h"
#include "LodrinIds.h"

using namespace LodrinId;

namespace {
const std::wstring NO_INTEGER = L"The entered text is no integer number!";
const std::wstring TO_VALUES = L"To-values must be greater\nthan from-values!";
const std::wstring BLACK = L"Color black is not allowed!";
const std::wstring SAME_AS_BACKGROUND = L"The selected color is the same as the background color!";
constexpr ColorRef BLACK_REF = makeColorRef(0, 0, 0);

QComboBox* combo(const QWidget& root, int id) {
    return root.findChild<QComboBox*>(QString::number(id));
}
} // namespace

// Options.

TEST_F(DialogTest, OptionsEngineeringNeedsThreeDigits) {
    struct Case {
        int mode;
        int precisionItem;
        bool accepted;
    };
    const Case cases[] = {{2, 1, false}, {2, 0, false}, {2, 2, true}, {0, 0, true}, {1, 1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " precision " << c.precisionItem + 1);
        CDlgOptions dialog(nullptr);
        dialog.show();
        combo(dialog, OPT_MODE)->setCurrentIndex(c.mode);
        combo(dialog, OPT_PRECISION)->setCurrentIndex(c.precisionItem);
        click(dialog, OK);
        EXPECT_EQ(dialog.isVisible(), !c.accepted);
        EXPECT_EQ(lastMessage(),
                  c.accepted ? L"" : L"In engineering mode there must be at least 3 significant digits!");
        takeMessages();
        if (c.accepted) {
            EXPECT_EQ(dialog.m_precision, c.precisionItem + 1);
        }
    }
}

TEST_F(DialogTest, OptionsTakeAnyBackgroundColourWithBlackFirstInTable) {
    CDlgOptions dialog(nullptr);
    dialog.show();
    m_platform.colorPicker.answer(BLACK_REF);
    click(dialog, OPT_BACKGROUND_COLOR);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(dialog.findChild<CColorButton*>("1095")->colour(), BLACK_REF);
    ASSERT_EQ(m_platform.colorPicker.requests().size(), 1u);
    EXPECT_EQ(m_platform.colorPicker.requests()[0].customColors[0], BLACK_REF);
}

TEST_F(DialogTest, OptionsInGerman) {
    LodrinStarter::setLanguage(1);
    CDlgOptions dialog(nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Optionen");
    EXPECT_EQ(combo(dialog, OPT_MODE)->itemText(2), "technisch");
    EXPECT_EQ(combo(dialog, OPT_LANGUAGE)->itemText(1), "Deutsch");
    combo(dialog, OPT_MODE)->setCurrentIndex(2);
    combo(dialog, OPT_PRECISION)->setCurrentIndex(0);
    click(dialog, OK);
    EXPECT_EQ(lastMessage(),
              L"Im technischen Modus müssen mindestens 3 signifikante Stellen eingestellt sein!");
}

// Range lists.

TEST(RangeList, ItemsAreFormattedPerPage) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {-100, "-  100", "-100"}, {-99, "- 99", "-99"}, {-10, "- 10", "-10"},
        {-9, "-9", "-9"},         {0, "0", "0"},        {100, "100", "100"}};
    for (const auto& [value, editable, plain] : cases) {
        EXPECT_EQ(CRangeList::itemText(value, true), editable);
        EXPECT_EQ(CRangeList::itemText(value, false), plain);
    }
    CRangeList list(true, nullptr);
    EXPECT_EQ(list.count(), 201);
}

TEST_F(DialogTest, TwoDimensionalRangeTypedValues) {
    struct Case {
        const char* typed;
        bool accepted;
        double value;
    };
    const Case cases[] = {
        {"1.5", true, 1.5},
        {"1-2", true, 1}, // passes the character test; the number is what leads
        {"-2147483648", true, -2147483648.0},
        {"- 50", true, -50}, // an item typed as it is written
        {"-.5", true, -0.5},
        {"1..5", false, 0},
        {"--1", false, 0},
        {"1e3", false, 0},
        {"abc", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"2147483648", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        CPropSheetPlotteroptions sheet(nullptr);
        sheet.m_settings->m_xmax = 1e6;
        showActive(sheet);
        type(sheet, P2_XMIN, c.typed);
        click(sheet, OK);
        EXPECT_EQ(sheet.isVisible(), !c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(takeMessages().empty());
            EXPECT_EQ(sheet.m_settings->m_xmin, c.value);
        } else {
            ASSERT_EQ(m_platform.messageBox.shown().size(), 1u);
            EXPECT_EQ(m_platform.messageBox.shown()[0].text, NO_INTEGER);
            EXPECT_EQ(m_platform.messageBox.shown()[0].icon, MessageIcon::Exclamation);
            EXPECT_TRUE(sheet.findChild<QWidget*>("1022")->hasFocus()) << "the refused field gets the focus";
            EXPECT_EQ(sheet.m_settings->m_xmin, -10.0);
            takeMessages();
        }
    }
}

TEST_F(DialogTest, TwoDimensionalRangeShowsValuesNotInTheList) {
    CPropSheetPlotteroptions sheet(nullptr);
    sheet.m_settings->m_xmin = 1.5;
    sheet.m_settings->m_xmax = 500;
    sheet.m_settings->m_ymin = -42;
    sheet.show();
    EXPECT_EQ(text(sheet, P2_XMIN), "1.5") << "a fraction must not come back rounded";
    EXPECT_EQ(text(sheet, P2_XMAX), "500");
    EXPECT_EQ(text(sheet, P2_YMIN), "- 42");
    EXPECT_EQ(combo(sheet, P2_YMIN)->currentIndex(), 58);
    click(sheet, OK);
    EXPECT_EQ(sheet.m_settings->m_xmin, 1.5);
    EXPECT_EQ(sheet.m_settings->m_xmax, 500.0);
    EXPECT_EQ(sheet.m_settings->m_ymin, -42.0);
}

// Each sheet refuses an empty range with 42273.
TEST_F(DialogTest, EveryPlotSheetRefusesEmptyRange) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CLodrinDialog>()> make;
        int fromId;
        int toId;
    };
    const Case cases[] = {
        {"2D x", [] { return std::make_unique<CPropSheetPlotteroptions>(nullptr); }, P2_XMIN, P2_XMAX},
        {"2D y", [] { return std::make_unique<CPropSheetPlotteroptions>(nullptr); }, P2_YMIN, P2_YMAX},
        {"3D x", [] { return std::make_unique<CPropSheetPlotteroptions3d>(nullptr); }, P3_XMIN, P3_XMAX},
        {"3D z", [] { return std::make_unique<CPropSheetPlotteroptions3d>(nullptr); }, P3_ZMIN, P3_ZMAX},
        {"fractal re", [] { return std::make_unique<CPropSheetPlotteroptionsComplex>(nullptr); }, PC_REMIN,
         PC_REMAX},
        {"fractal im", [] { return std::make_unique<CPropSheetPlotteroptionsComplex>(nullptr); }, PC_IMMIN,
         PC_IMMAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CLodrinDialog> sheet = c.make();
        sheet->show();
        combo(*sheet, c.fromId)->setCurrentIndex(105); // 5
        combo(*sheet, c.toId)->setCurrentIndex(105);
        click(*sheet, OK);
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(takeMessages(), std::vector<std::wstring>{TO_VALUES});
        combo(*sheet, c.toId)->setCurrentIndex(106);
        click(*sheet, OK);
        EXPECT_FALSE(sheet->isVisible());
        EXPECT_TRUE(takeMessages().empty());
    }
}

TEST_F(DialogTest, LeavingAPageWithABadValueIsRefused) {
    CPropSheetPlotteroptions sheet(nullptr);
    showActive(sheet);
    auto* tabs = sheet.findChild<QTabWidget*>();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Settings");
    EXPECT_EQ(tabs->tabText(1), "Colors");
    type(sheet, P2_YMAX, "1..5");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(takeMessages(), std::vector<std::wstring>{NO_INTEGER});
    type(sheet, P2_YMAX, "20");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(sheet.m_settings->m_ymax, 20.0) << "leaving a page takes its values over";
}

// Colours.

TEST_F(DialogTest, TwoDimensionalColourRefusals) {
    CPropSheetPlotteroptions sheet(nullptr);
    sheet.m_colors->m_background = makeColorRef(255, 255, 255);
    sheet.m_colors->m_colours = {1, 2, 3, 4};
    sheet.show();
    auto* background = sheet.findChild<CColorButton*>("1044");
    auto* fn2 = sheet.findChild<CColorButton*>("1074");

    m_platform.colorPicker.answer(BLACK_REF);
    click(sheet, P2_BACKGROUND);
    EXPECT_EQ(takeMessages(), std::vector<std::wstring>{BLACK});
    EXPECT_EQ(background->colour(), makeColorRef(255, 255, 255));

    m_platform.colorPicker.answer(makeColorRef(255, 255, 255));
    click(sheet, P2_FN1 + 1);
    EXPECT_EQ(takeMessages(), std::vector<std::wstring>{SAME_AS_BACKGROUND});
    EXPECT_EQ(fn2->colour(), 2ul);

    // The check is against the background as it is now in the dialog.
    m_platform.colorPicker.answer(makeColorRef(0, 0, 128));
    click(sheet, P2_BACKGROUND);
    m_platform.colorPicker.answer(makeColorRef(0, 0, 128));
    click(sheet, P2_FN1 + 1);
    EXPECT_EQ(takeMessages(), std::vector<std::wstring>{SAME_AS_BACKGROUND});
    m_platform.colorPicker.answer(makeColorRef(255, 255, 255));
    click(sheet, P2_FN1 + 1);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(fn2->colour(), makeColorRef(255, 255, 255));

    m_platform.colorPicker.cancel();
    click(sheet, P2_FN1 + 3);
    EXPECT_EQ(sheet.findChild<CColorButton*>("1076")->colour(), 4ul) << "a cancelled picker changes nothing";

    ASSERT_FALSE(m_platform.colorPicker.requests().empty());
    EXPECT_EQ(m_platform.colorPicker.requests()[0].customColors, CColorButton::plotterCustomColors());
    EXPECT_EQ(CColorButton::plotterCustomColors()[0], makeColorRef(100, 100, 100));
    EXPECT_EQ(CColorButton::plotterCustomColors()[15], makeColorRef(128, 128, 255));

    click(sheet, OK);
    EXPECT_EQ(sheet.m_colors->m_background, makeColorRef(0, 0, 128));
    EXPECT_EQ(sheet.m_colors->m_colours[1], makeColorRef(255, 255, 255));
}

TEST_F(DialogTest, ThreeDimensionalAndFractalColoursRefuseBlack) {
    CPropSheetPlotteroptions3d sheet3d(nullptr);
    CPropSheetPlotteroptionsComplex fractal(nullptr);
    sheet3d.show();
    fractal.show();
    const std::pair<QWidget*, int> buttons[] = {
        {&sheet3d, P3_FORE}, {&sheet3d, P3_BACK}, {&fractal, PC_COLOR_ZERO}, {&fractal, PC_COLOR_MAX}};
    for (const auto& [root, id] : buttons) {
        SCOPED_TRACE(id);
        auto* button = root->findChild<CColorButton*>(QString::number(id));
        const ColorRef before = button->colour();
        m_platform.colorPicker.answer(BLACK_REF);
        click(*root, id);
        EXPECT_EQ(takeMessages(), std::vector<std::wstring>{BLACK});
        EXPECT_EQ(button->colour(), before);
        m_platform.colorPicker.answer(makeColorRef(1, 2, 3));
        click(*root, id);
        EXPECT_EQ(button->colour(), makeColorRef(1, 2, 3));
    }
}

// 3D page lists.

TEST_F(DialogTest, ThreeDimensionalRotationLists) {
    struct Case {
        int zItem;
        int yItem;
        int zRotation;
        int yRotation;
    };
    const Case cases[] = {{0, 0, 0, -90}, {9, 18, 90, 90}, {3, 9, 30, 0}};
    for (const Case& c : cases) {
        CPropSheetPlotteroptions3d sheet(nullptr);
        sheet.show();
        combo(sheet, P3_ZROT)->setCurrentIndex(c.zItem);
        combo(sheet, P3_YROT)->setCurrentIndex(c.yItem);
        click(sheet, OK);
        EXPECT_EQ(sheet.m_other->m_zRotation, c.zRotation);
        EXPECT_EQ(sheet.m_other->m_yRotation, c.yRotation);
    }
    EXPECT_EQ(combo(CPropSheetPlotteroptions3d(nullptr), P3_YROT)->count(), 19);
}

TEST_F(DialogTest, FixedListsKeepValuesTheyCannotShow) {
    CPropSheetPlotteroptions3d sheet(nullptr);
    sheet.m_range->m_xmin = -250;
    sheet.m_range->m_xmax = 0.5;
    sheet.m_other->m_zRotation = 45;
    sheet.show();
    EXPECT_EQ(combo(sheet, P3_XMIN)->currentIndex(), -1);
    click(sheet, OK);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.m_range->m_xmin, -250.0);
    EXPECT_EQ(sheet.m_range->m_xmax, 0.5);
    EXPECT_EQ(sheet.m_other->m_zRotation, 45);
}

// Fractal sliders.

TEST_F(DialogTest, FractalSlidersAndLiveLabels) {
    CPropSheetPlotteroptionsComplex sheet(nullptr);
    sheet.show();
    auto* border = sheet.findChild<QSlider*>("1034");
    auto* iterations = sheet.findChild<QSlider*>("1032");
    EXPECT_EQ(border->minimum(), 1);
    EXPECT_EQ(border->maximum(), 1000);
    EXPECT_EQ(iterations->maximum(), 100);
    border->setValue(40);
    EXPECT_EQ(text(sheet, PC_BORDER_LABEL), "4.0");
    border->setValue(1000);
    EXPECT_EQ(text(sheet, PC_BORDER_LABEL), "100.0");
    border->setValue(40);
    iterations->setValue(77);
    EXPECT_EQ(text(sheet, PC_ITERATIONS_LABEL), "77");
    click(sheet, OK);
    EXPECT_DOUBLE_EQ(sheet.m_standard->m_border, 4.0);
    EXPECT_EQ(sheet.m_standard->m_iterations, 77);
}

TEST_F(DialogTest, PlotSheetsInGerman) {
    LodrinStarter::setLanguage(1);
    CPropSheetPlotteroptions sheet(nullptr);
    showActive(sheet);
    auto* tabs = sheet.findChild<QTabWidget*>();
    EXPECT_EQ(tabs->tabText(0), "Einstellungen");
    EXPECT_EQ(tabs->tabText(1), "Farben");
    type(sheet, P2_XMIN, "1..5");
    click(sheet, OK);
    EXPECT_EQ(lastMessage(), L"Der eingegebene Text ist keine ganze Zahl!");
}
