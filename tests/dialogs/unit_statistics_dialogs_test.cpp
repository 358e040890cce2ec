#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CDlgAddMetric.h"
#include "CDlgAddMetricKind.h"
#include "CDlgDelMetric.h"
#include "CDlgDelMetricKind.h"
#include "CDlgItemSelection.h"
#include "CDlgRegressionModel.h"
#include "CDlgStatisticOptions.h"
#include "CDlgXPos.h"
#include "DialogTest.h"
#include "LodrinIds.h"

using namespace LodrinId;

namespace {
QComboBox* combo(const QWidget& root, int id) {
    return root.findChild<QComboBox*>(QString::number(id));
}
bool enabled(const QWidget& root, int id) {
    QWidget* w = root.findChild<QWidget*>(QString::number(id));
    return w && w->isEnabled();
}

const std::vector<std::wstring> KINDS{L"Length", L"Time", L"Mass"};
const std::vector<std::wstring> BASES{L"meter", L"Second", L"kilogram"};
} // namespace

// Add Metric.

TEST_F(DialogTest, AddMetricShowsBaseOfSelectedKind) {
    for (int language : {0, 1}) {
        LodrinStarter::setLanguage(language);
        std::wstring name, kind;
        double value = 0;
        onNextDialog<CDlgAddMetric>([this, language](CDlgAddMetric& d) {
            EXPECT_TRUE(d.isFullScreenDialog());
            const QString base = QString::fromStdWString(libraryText(42283, language));
            EXPECT_EQ(text(d, METRIC_BASE_LINE), base + "meter");
            combo(d, METRIC_KIND_LIST)->setCurrentIndex(1);
            EXPECT_EQ(text(d, METRIC_BASE_LINE), base + "Second");
            EXPECT_FALSE(enabled(d, OK)) << "no name yet";
            type(d, METRIC_NAME, "fortnight");
            EXPECT_TRUE(enabled(d, OK));
            type(d, METRIC_VALUE, "1209600");
            click(d, OK);
        });
        ASSERT_TRUE(LodrinStarter().showAddMetric(KINDS, BASES, name, kind, value));
        EXPECT_EQ(name, L"fortnight");
        EXPECT_EQ(kind, L"Time");
        EXPECT_EQ(value, 1209600.0);
    }
    EXPECT_EQ(libraryText(42283, 0), L"Base is ");
}

TEST_F(DialogTest, AddMetricRefusesBadValuesAndFileSeparators) {
    std::wstring name = L"kept", kind = L"kept";
    double value = 5;
    onNextDialog<CDlgAddMetric>([this](CDlgAddMetric& d) {
        EXPECT_EQ(text(d, METRIC_VALUE), "") << "no factor is offered";
        // The unit files separate fields with "," and records with ";".
        auto* nameEdit = d.findChild<QLineEdit*>("1094");
        QTest::keyClicks(nameEdit, "foot;pound,x");
        EXPECT_EQ(text(d, METRIC_NAME), "footpoundx");
        click(d, OK);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(lastMessage(), L"Please enter a number.");
        click(d, CANCEL);
    });
    EXPECT_FALSE(LodrinStarter().showAddMetric(KINDS, BASES, name, kind, value));
    EXPECT_EQ(std::tie(name, kind, value),
              std::make_tuple(std::wstring(L"kept"), std::wstring(L"kept"), 5.0));
    takeMessages();

    onNextDialog<CDlgAddMetric>([this](CDlgAddMetric& d) {
        type(d, METRIC_NAME, "x");
        EXPECT_FALSE(enabled(d, OK)) << "no kind to add it to";
        EXPECT_EQ(text(d, METRIC_BASE_LINE), "Base is ");
    });
    EXPECT_FALSE(LodrinStarter().showAddMetric({}, {}, name, kind, value));
}

// Add metric kind.

TEST_F(DialogTest, AddMetricKindRefusesExistingName) {
    struct Case {
        const char* kind;
        bool refused;
    };
    const Case cases[] = {{"Time", true}, {"time", false}, {"Time ", false}, {"Radioactivity", false}};
    for (int language : {0, 1}) {
        LodrinStarter::setLanguage(language);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.kind);
            std::wstring name, base;
            onNextDialog<CDlgAddMetricKind>([this, &c](CDlgAddMetricKind& d) {
                type(d, KIND_NAME, c.kind);
                EXPECT_FALSE(enabled(d, OK)) << "no base unit yet";
                type(d, KIND_BASE, "becquerel");
                click(d, OK);
                EXPECT_EQ(d.isVisible(), c.refused);
                if (d.isVisible()) click(d, CANCEL);
            });
            EXPECT_EQ(LodrinStarter().showAddMetricKind(KINDS, name, base), !c.refused);
            if (c.refused) {
                EXPECT_EQ(lastMessage(), libraryText(42299, language));
                EXPECT_EQ(m_platform.messageBox.shown().back().icon, MessageIcon::None);
                EXPECT_EQ(name, L"");
            } else {
                EXPECT_TRUE(m_platform.messageBox.shown().empty());
                EXPECT_EQ(name, QString(c.kind).toStdWString());
                EXPECT_EQ(base, L"becquerel");
            }
            takeMessages();
        }
    }
}

// Delete Metric, Delete metric kind.

TEST_F(DialogTest, DeleteDialogsReturnTheSelectedName) {
    std::wstring name = L"kept";
    onNextDialog<CDlgDelMetric>([this](CDlgDelMetric& d) {
        EXPECT_EQ(combo(d, METRIC_LIST)->count(), 3);
        EXPECT_EQ(combo(d, METRIC_LIST)->currentIndex(), -1) << "nothing is deleted by accident";
        combo(d, METRIC_LIST)->setCurrentIndex(2);
        click(d, OK);
    });
    ASSERT_TRUE(LodrinStarter().showDelMetric(BASES, name));
    EXPECT_EQ(name, L"kilogram");

    onNextDialog<CDlgDelMetricKind>([this](CDlgDelMetricKind& d) {
        combo(d, METRIC_KIND_LIST)->setCurrentIndex(1);
        click(d, OK);
    });
    ASSERT_TRUE(LodrinStarter().showDelMetricKind(KINDS, name));
    EXPECT_EQ(name, L"Time");

    onNextDialog<CDlgDelMetricKind>([this](CDlgDelMetricKind& d) { click(d, OK); });
    EXPECT_FALSE(LodrinStarter().showDelMetricKind(KINDS, name)) << "nothing selected";
    onNextDialog<CDlgDelMetric>([this](CDlgDelMetric& d) {
        combo(d, METRIC_LIST)->setCurrentIndex(0);
        click(d, CANCEL);
    });
    EXPECT_FALSE(LodrinStarter().showDelMetric(BASES, name));
    EXPECT_EQ(name, L"Time");
}

// Statistic calculator settings.

TEST_F(DialogTest, StatisticOptionsNeedFourDataPoints) {
    struct Case {
        const char* count;
        std::wstring message; // empty: accepted
        MessageIcon icon;
    };
    const std::wstring TOO_FEW = L"The statistic data must contain at least 4 elements.";
    const Case cases[] = {
        {"3", TOO_FEW, MessageIcon::Stop},
        {"4", L"", MessageIcon::None},
        {"0", TOO_FEW, MessageIcon::Stop},
        {"10000", L"", MessageIcon::None},
        {"10001", L"Please enter an integer between 0 and 10000.", MessageIcon::Exclamation},
        {"-5", L"Please enter an integer between 0 and 10000.", MessageIcon::Exclamation},
        {"99999999999999999999", L"Please enter an integer between 0 and 10000.", MessageIcon::Exclamation},
        {"4.5", L"Please enter an integer.", MessageIcon::Exclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        unsigned statType = 2;
        int count = 12;
        onNextDialog<CDlgStatisticOptions>([this, &c](CDlgStatisticOptions& d) {
            EXPECT_TRUE(d.isFullScreenDialog());
            EXPECT_EQ(text(d, STAT_TYPE), "2 Variable");
            EXPECT_EQ(text(d, STAT_COUNT), "12");
            combo(d, STAT_TYPE)->setCurrentIndex(0);
            type(d, STAT_COUNT, c.count);
            click(d, OK);
            EXPECT_EQ(d.isVisible(), !c.message.empty());
            if (d.isVisible()) click(d, CANCEL);
        });
        m_platform.inputPanel.show();
        EXPECT_EQ(LodrinStarter().showStatisticOptions(statType, count), c.message.empty());
        EXPECT_FALSE(m_platform.inputPanel.visible()) << "closing hides the input panel";
        if (c.message.empty()) {
            EXPECT_TRUE(m_platform.messageBox.shown().empty());
            EXPECT_EQ(statType, 1u);
            EXPECT_EQ(count, std::stoi(c.count));
        } else {
            ASSERT_EQ(m_platform.messageBox.shown().size(), 1u);
            EXPECT_EQ(lastMessage(), c.message);
            EXPECT_EQ(m_platform.messageBox.shown()[0].icon, c.icon);
            EXPECT_EQ(std::make_pair(statType, count), std::make_pair(2u, 12));
        }
        takeMessages();
    }
}

TEST_F(DialogTest, StatisticOptionsInGerman) {
    LodrinStarter::setLanguage(1);
    CDlgStatisticOptions dialog(nullptr);
    dialog.m_count = 3;
    dialog.show();
    EXPECT_EQ(text(dialog, STAT_TYPE), "1 Variable");
    click(dialog, OK);
    EXPECT_EQ(lastMessage(), L"Die Statistikdaten müssen mindestens 4 Elemente enthalten.");
}

// Regression model.

TEST_F(DialogTest, RegressionModelNeedsASelection) {
    for (int language : {0, 1}) {
        LodrinStarter::setLanguage(language);
        int model = -7;
        onNextDialog<CDlgRegressionModel>([this, language](CDlgRegressionModel& d) {
            EXPECT_EQ(combo(d, REGRESSION_LIST)->itemText(0), "y=ax + b");
            EXPECT_EQ(combo(d, REGRESSION_LIST)->itemText(1), "y=a*e^(bx)");
            click(d, OK);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(lastMessage(), libraryText(42278, language));
            EXPECT_EQ(m_platform.messageBox.shown().back().icon, MessageIcon::None);
            combo(d, REGRESSION_LIST)->setCurrentIndex(1);
            click(d, OK);
        });
        ASSERT_TRUE(LodrinStarter().showRegressionModel(model));
        EXPECT_EQ(model, 1);
        takeMessages();
    }
    int model = 5;
    onNextDialog<CDlgRegressionModel>([this](CDlgRegressionModel& d) {
        combo(d, REGRESSION_LIST)->setCurrentIndex(0);
        click(d, CANCEL);
    });
    EXPECT_FALSE(LodrinStarter().showRegressionModel(model));
    EXPECT_EQ(model, 5);
}

// X Position.

TEST_F(DialogTest, XPosKeypadTypesIntoTheOneField) {
    double x = 42;
    onNextDialog<CDlgXPos>([this](CDlgXPos& d) {
        EXPECT_EQ(d.keypadTarget(), XPOS) << "no need to touch the field first";
        click(d, KEY_MINUS);
        click(d, KEY_1);
        click(d, KEY_KOMMA);
        click(d, KEY_5);
        EXPECT_EQ(text(d, XPOS), "-1.5") << "the first key replaces the value shown";
        click(d, OK);
    });
    ASSERT_TRUE(LodrinStarter().showXPos(x));
    EXPECT_EQ(x, -1.5);

    onNextDialog<CDlgXPos>([this](CDlgXPos& d) {
        type(d, XPOS, "abc");
        click(d, OK);
        EXPECT_TRUE(d.isVisible());
        click(d, CANCEL);
    });
    EXPECT_FALSE(LodrinStarter().showXPos(x));
    EXPECT_EQ(x, -1.5);
    EXPECT_EQ(takeMessages(), std::vector<std::wstring>{L"Please enter a number."});
}

// Item selection.

TEST_F(DialogTest, ItemSelectionTitlesPromptsAndResults) {
    using Show = int (LodrinStarter::*)(const std::vector<std::wstring>&);
    struct Case {
        const char* name;
        Show show;
        unsigned title;
        unsigned prompt;
    };
    const Case cases[] = {
        {"structures", &LodrinStarter::showStructures, 42295, 42296},
        {"operator", &LodrinStarter::showOperator, 42291, 42294},
        {"logic", &LodrinStarter::showLogic, 42292, 42293},
        {"settings", &LodrinStarter::showProgramSettings, 42297, 42298},
    };
    const std::vector<std::wstring> items{L"if", L"while", L"for"};
    for (int language : {0, 1}) {
        LodrinStarter::setLanguage(language);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << " language " << language);
            struct Run {
                int pick;
                bool ok;
                int result;
            };
            for (const Run& run : {Run{2, true, 2}, Run{-1, true, -1}, Run{1, false, -1}}) {
                onNextDialog<CDlgItemSelection>([this, &c, &run, language](CDlgItemSelection& d) {
                    EXPECT_EQ(d.windowTitle().toStdWString(), libraryText(c.title, language));
                    EXPECT_EQ(text(d, PROMPT).toStdWString(), libraryText(c.prompt, language));
                    EXPECT_EQ(combo(d, ITEM_LIST)->count(), 3);
                    combo(d, ITEM_LIST)->setCurrentIndex(run.pick);
                    click(d, run.ok ? OK : CANCEL);
                });
                EXPECT_EQ((LodrinStarter().*c.show)(items), run.result);
            }
        }
    }
}
