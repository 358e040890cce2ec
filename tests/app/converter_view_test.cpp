#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "AppTest.h"
#include "CConverterCalculatorView.h"
#include "CDlgAddMetric.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "GridViewIds.h"
#include "KeyButton.h"
#include "LodrinIds.h"
#include "ModeTable.h"
#include "OrvantaApp.h"

namespace {
using namespace GridViewIds;

class ConverterViewTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        open();
    }
    void TearDown() override {
        m_app.reset();
        AppTest::TearDown();
    }
    // Starts the program (again) on the same settings and unit files.
    void open() {
        m_view = dynamic_cast<CConverterCalculatorView*>(startShown(m_app, ModeTable::CONVERTER));
        ASSERT_NE(m_view, nullptr);
    }
    void press(int id) {
        KeyButton* k = m_view->findChild<KeyButton*>(QString::number(id));
        ASSERT_NE(k, nullptr) << "key " << id;
        QTest::mouseClick(k, Qt::LeftButton);
    }
    void chooseGroup(int index) {
        m_view->groupList()->setCurrentIndex(index);
        emit m_view->groupList()->activated(index);
    }
    QStringList units(QComboBox* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    }
    // Adds a unit through the dialog, to the first group it offers.
    void addUnit(const QString& name, const QString& factor) {
        onNextDialog<CDlgAddMetric>([name, factor](CDlgAddMetric& d) {
            ASSERT_FALSE(d.m_kinds.empty());
            EXPECT_EQ(d.m_kinds.front(), L"Distance"); // never the group of all units
            EXPECT_EQ(d.m_bases.front(), L"meter");
            d.findChild<QComboBox*>(QString::number(LodrinId::METRIC_KIND_LIST))->setCurrentIndex(0);
            d.findChild<QLineEdit*>(QString::number(LodrinId::METRIC_NAME))->setText(name);
            d.findChild<QLineEdit*>(QString::number(LodrinId::METRIC_VALUE))->setText(factor);
            d.accept();
        });
        press(KEY_ADD_UNIT);
    }
    void convert(const std::wstring& value, const QString& from, const QString& to) {
        m_view->fromList()->setCurrentText(from);
        m_view->toList()->setCurrentText(to);
        m_view->setInputText(value);
        press(1023);
    }

    std::unique_ptr<OrvantaApp> m_app;
    CConverterCalculatorView* m_view = nullptr;
};

TEST_F(ConverterViewTest, GroupZeroListsEveryUnitAndAGroupOnlyItsOwn) {
    EXPECT_EQ(m_view->groupList()->count(), 10);
    EXPECT_EQ(m_view->fromList()->count(), 66);
    EXPECT_EQ(units(m_view->toList()), units(m_view->fromList()));
    chooseGroup(2);
    EXPECT_EQ(units(m_view->fromList()),
              (QStringList{"kilogram", "gram", "lbs(pound)", "ounce", "zentner(ger)"}));
    EXPECT_EQ(m_view->toList()->currentText(), "kilogram");
}

TEST_F(ConverterViewTest, ConvertsAndSwapsTheUnits) {
    chooseGroup(1);
    convert(L"5", "kilometer", "mile");
    EXPECT_EQ(m_view->resultText(), L"3.106940906");
    press(KEY_SWAP);
    EXPECT_EQ(m_view->fromList()->currentText(), "mile");
    EXPECT_EQ(m_view->toList()->currentText(), "kilometer");
    EXPECT_EQ(m_view->resultText(), L"8.0465");
}

TEST_F(ConverterViewTest, AUserUnitConvertsAndSurvivesARestart) {
    chooseGroup(1);
    addUnit("furlong", "201.168");
    EXPECT_EQ(m_view->groupList()->currentIndex(), 1); // the group stays chosen
    ASSERT_TRUE(units(m_view->fromList()).contains("furlong"));
    convert(L"1", "furlong", "meter");
    EXPECT_EQ(m_view->resultText(), L"201.168");
    open();
    EXPECT_TRUE(units(m_view->fromList()).contains("furlong"));
}

TEST_F(ConverterViewTest, ResetAsksFirstAndNoKeepsUserUnits) {
    addUnit("furlong", "201.168");
    m_platform.messageBox.answer(MessageAnswer::No);
    press(KEY_RESET_UNITS);
    const std::vector<std::wstring> asked = takeMessages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], engineText(40318));
    EXPECT_TRUE(units(m_view->fromList()).contains("furlong"));
    m_platform.messageBox.answer(MessageAnswer::Yes);
    press(KEY_RESET_UNITS);
    takeMessages();
    EXPECT_FALSE(units(m_view->fromList()).contains("furlong"));
    EXPECT_EQ(m_view->fromList()->count(), 66);
}

TEST_F(ConverterViewTest, ListsFollowTheLanguageAndKeepTheChoice) {
    chooseGroup(7);
    m_view->toList()->setCurrentText("Kelvin");
    m_app->document()->setLanguage(1);
    m_app->frame()->languageChanged();
    EXPECT_EQ(m_view->groupList()->currentText(), "Temperatur");
    EXPECT_EQ(m_view->toList()->currentText(), "Kelvin");
}
} // namespace
