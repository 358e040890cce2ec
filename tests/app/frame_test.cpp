#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <fstream>

#include "AppTest.h"
#include "CCalculatorView.h"
#include "CDlgAbout.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "ModeTable.h"
#include "OrvantaApp.h"
#include "RegistryNames.h"
#include "Screen.h"

namespace {
using namespace ModeTable;

QStringList menuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

// The items of one menu, separators as "-".
QStringList menuItems(const CMainFrame& frame, int index) {
    QStringList items;
    for (QAction* a : frame.menuBar()->actions()[index]->menu()->actions())
        items << (a->isSeparator() ? "-" : a->text());
    return items;
}

// Receives the help page the frame asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class FrameTest : public AppTest {
protected:
    void TearDown() override {
        m_app.reset();
        AppTest::TearDown();
    }

    CMainFrame& launch(std::vector<std::filesystem::path> helpFolders = {}) {
        m_app = start(std::move(helpFolders));
        return *m_app->frame();
    }
    COrvantaDoc& document() { return *m_app->document(); }

    std::unique_ptr<OrvantaApp> m_app;
};
} // namespace

TEST_F(FrameTest, StartsInTheModeUsedLast) {
    struct Case {
        const wchar_t* lastView; // nullptr: never written
        int mode;
        unsigned char angleFlag, programmerFlag;
    };
    const Case cases[] = {
        {nullptr, SCIENTIFIC, 1, 0},  {L"40043", CONVERTER, 0, 0}, {L"40045", COMPUTER, 0, 1},
        {L"40041", PLOTTER, 1, 0},    {L"40048", STATISTIC, 1, 0}, {L"40040", SCIENTIFIC, 1, 0},
        {L"40050", SCIENTIFIC, 1, 0}, {L"mode", SCIENTIFIC, 1, 0}, {L"4004300000", SCIENTIFIC, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lastView ? QString::fromWCharArray(c.lastView).toStdString() : "missing");
        std::filesystem::remove_all(configFolder());
        if (c.lastView) {
            SettingsStore prepared(configFolder());
            prepared.writeString(RegistryNames::ROOT, RegistryNames::LAST_VIEW, c.lastView);
            prepared.flush();
        }
        SettingsStore settings(configFolder());
        OrvantaApp app(settings);
        app.setHelpCandidates({});
        ASSERT_TRUE(app.initInstance());
        EXPECT_EQ(app.frame()->currentMode(), c.mode);
        ASSERT_NE(app.frame()->activeView(), nullptr);
        EXPECT_EQ(app.frame()->activeView()->mode(), c.mode);
        EXPECT_EQ(app.document()->m_angleFlag, c.angleFlag);
        EXPECT_EQ(app.document()->m_programmerFlag, c.programmerFlag);
    }
}

TEST_F(FrameTest, TheFirstStartShowsTheEnglishMenu) {
    CMainFrame& frame = launch();
    EXPECT_EQ(frame.menuResource(), 101);
    EXPECT_EQ(menuTitles(frame), QStringList({"File", "Calculator", "Edit", "?"}));
    EXPECT_EQ(menuItems(frame, 0), QStringList({"Exit"}));
    EXPECT_EQ(menuItems(frame, 1),
              QStringList({"Scientific Calculator", "-", "Function Plotter", "Function Calculator",
                           "Equation Solver", "-", "Matrix Calculator", "-", "Complex Calculator",
                           "Computer Calculator", "-", "Statistic Calculator", "Metrics Converter"}));
    EXPECT_EQ(menuItems(frame, 2), QStringList({"Cut", "Copy", "Paste", "-", "Undo", "-", "History", "-",
                                                "Constants", "My Buttons / Functions", "-", "Options"}));
    EXPECT_EQ(menuItems(frame, 3), QStringList({"About Orvanta", "-", "Offline Help"}));
    const int ids[] = {57665, 40047, 40041, 40044, 40049, 40042, 40046, 40045, 40048, 40043,
                       40053, 40056, 40058, 40070, 40072, 40068, 40069, 40071, 40002, 40078};
    for (int id : ids)
        EXPECT_NE(frame.action(id), nullptr) << id;
    EXPECT_EQ(frame.activeView()->findChild<QLabel*>("modeName")->text(), "Scientific Calculator");
}

TEST_F(FrameTest, TheMenuFollowsTheLanguage) {
    store().writeString(RegistryNames::OPTIONS, RegistryNames::LANGUAGE, L"1");
    CMainFrame& frame = launch();
    EXPECT_EQ(frame.menuResource(), 487);
    EXPECT_EQ(menuTitles(frame), QStringList({"Datei", "Rechner", "Bearbeiten", "?"}));
    EXPECT_EQ(menuItems(frame, 1).first(), "Wissenschaftl. Rechner");
    EXPECT_EQ(menuItems(frame, 2), QStringList({"Ausschneiden", "Kopieren", "Einfügen", "-", "Rückgängig",
                                                "-", "Letzte Berechnungen", "-", "Konstanten",
                                                "Meine Buttons / Funktionen", "-", "Optionen"}));
    EXPECT_EQ(menuItems(frame, 3), QStringList({"Über Orvanta", "-", "Offline Hilfe"}));
    EXPECT_EQ(frame.activeView()->findChild<QLabel*>("modeName")->text(), "Wissenschaftl. Rechner");

    // The Options dialog chose English: the menu changes at once.
    document().setLanguage(0);
    frame.languageChanged();
    EXPECT_EQ(menuTitles(frame), QStringList({"File", "Calculator", "Edit", "?"}));
    EXPECT_EQ(frame.activeView()->findChild<QLabel*>("modeName")->text(), "Scientific Calculator");
    EXPECT_EQ(frame.commandBar()->findChild<QToolButton*>("40053")->toolTip(), "Cut");
}

TEST_F(FrameTest, OnlyTheCurrentModeIsChecked) {
    CMainFrame& frame = launch();
    frame.switchMode(MATRIX);
    frame.updateCommands();
    for (const ModeInfo& mode : ModeTable::modes())
        EXPECT_EQ(frame.action(mode.id)->isChecked(), mode.id == MATRIX) << mode.id;
}

TEST_F(FrameTest, SwitchingRecordsTheModeAndKeepsHiddenViews) {
    CMainFrame& frame = launch();
    CCalculatorView* scientific = frame.activeView();
    scientific->setInputText(L"1+2\r\n3");
    scientific->addMemoryEntries({L"42"});

    EXPECT_FALSE(frame.switchMode(SCIENTIFIC)) << "switching to the current mode does nothing";
    EXPECT_EQ(persisted(RegistryNames::ROOT, RegistryNames::LAST_VIEW), L"<missing>");

    ASSERT_TRUE(frame.switchMode(COMPLEX));
    EXPECT_EQ(persisted(RegistryNames::ROOT, RegistryNames::LAST_VIEW), L"40046");
    CCalculatorView* complex = frame.activeView();
    EXPECT_EQ(complex->mode(), COMPLEX);
    EXPECT_STREQ(complex->metaObject()->className(), "CComplexCalculatorView");
    EXPECT_EQ(complex->objectName(), "59648");
    EXPECT_EQ(scientific->objectName(), "40047");
    EXPECT_TRUE(scientific->isHidden());
    EXPECT_EQ(complex->inputText(), L"") << "no text travels between these modes";

    ASSERT_TRUE(frame.switchMode(SCIENTIFIC));
    EXPECT_EQ(frame.activeView(), scientific) << "the view is reused";
    EXPECT_EQ(scientific->inputText(), L"1+2\r\n3");
    EXPECT_EQ(scientific->memoryEntries(), std::vector<std::wstring>{L"42"});
    EXPECT_TRUE(complex->isHidden());
    EXPECT_FALSE(scientific->isHidden());
    EXPECT_EQ(frame.findChildren<CCalculatorView*>().size(), 2);
}

TEST_F(FrameTest, FunctionsTravelBetweenTheFunctionCalculatorAndThePlotter) {
    struct Case {
        const char* what;
        int from, to;
        std::wstring input;
        std::vector<std::wstring> memory;
        std::wstring targetBefore;
        std::wstring expectedInput;
        std::vector<std::wstring> expectedMemory;
    };
    const Case cases[] = {
        {"to the plotter",
         FUNCTION_CALCULATOR,
         PLOTTER,
         L"sin(x)",
         {L"x^2", L"cos(x)"},
         L"f(x)=old",
         L"f(x)=sin(x)",
         {L"f(x)=x^2", L"f(x)=cos(x)"}},
        {"to the function calculator",
         PLOTTER,
         FUNCTION_CALCULATOR,
         L"f(x)=x^2",
         {L"f(x)=x", L"y", L"f(y)=a=b"},
         L"old",
         L"x^2",
         {L"x", L"y", L"a=b"}},
        {"a plot text without f(x)= is not taken",
         PLOTTER,
         FUNCTION_CALCULATOR,
         L"x^2",
         {},
         L"old",
         L"old",
         {}},
        {"other modes keep their own text",
         SCIENTIFIC,
         PLOTTER,
         L"1+1",
         {L"5"},
         L"f(x)=old",
         L"f(x)=old",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(configFolder());
        SettingsStore settings(configFolder());
        OrvantaApp app(settings);
        app.setHelpCandidates({});
        ASSERT_TRUE(app.initInstance());
        CMainFrame& frame = *app.frame();
        frame.switchMode(c.to);
        frame.activeView()->setInputText(c.targetBefore);
        frame.switchMode(c.from);
        frame.activeView()->setInputText(c.input);
        frame.activeView()->addMemoryEntries(c.memory);
        ASSERT_TRUE(frame.switchMode(c.to));
        EXPECT_EQ(frame.activeView()->inputText(), c.expectedInput);
        EXPECT_EQ(frame.activeView()->memoryEntries(), c.expectedMemory);
    }
}

TEST_F(FrameTest, EnteringAModeSetsItsAngleUnitAndFlags) {
    CMainFrame& frame = launch();
    COrvantaDoc& doc = document();
    doc.m_mode = CalculatorModes::GRAD;
    doc.m_inv = 1;
    frame.switchMode(COMPLEX);
    EXPECT_EQ(doc.m_mode, CalculatorModes::DEG);
    EXPECT_EQ(doc.m_inv, 0);
    EXPECT_EQ(doc.m_angleFlag, 1);

    doc.m_inv = 1;
    frame.switchMode(PLOTTER);
    EXPECT_EQ(doc.m_mode, CalculatorModes::RAD);
    EXPECT_EQ(doc.m_inv, 1) << "only the complex calculator clears Inv";

    struct Flags {
        int mode;
        unsigned char angle, programmer;
    };
    for (const Flags f : {Flags{COMPUTER, 0, 1}, Flags{STATISTIC, 0, 0}, Flags{CONVERTER, 0, 0},
                          Flags{SOLVER, 1, 0}, Flags{MATRIX, 1, 0}, Flags{FUNCTION_CALCULATOR, 1, 0}}) {
        doc.m_mode = CalculatorModes::GRAD;
        frame.switchMode(f.mode);
        EXPECT_EQ(doc.m_angleFlag, f.angle) << f.mode;
        EXPECT_EQ(doc.m_programmerFlag, f.programmer) << f.mode;
        EXPECT_EQ(doc.m_mode, CalculatorModes::GRAD) << "mode " << f.mode << " keeps the angle unit";
    }
}

TEST_F(FrameTest, EveryViewHasTheCommonFieldsAndItsName) {
    CMainFrame& frame = launch();
    for (const ModeInfo& mode : ModeTable::modes()) {
        frame.switchMode(mode.id);
        CCalculatorView* view = frame.activeView();
        ASSERT_NE(view, nullptr);
        EXPECT_NE(view->findChild<QPlainTextEdit*>(QString::number(CCalculatorView::INPUT_LINE)), nullptr) << mode.id;
        EXPECT_NE(view->findChild<QLineEdit*>(QString::number(CCalculatorView::RESULT_LINE)), nullptr) << mode.id;
        EXPECT_NE(view->findChild<QComboBox*>(QString::number(CCalculatorView::MEMORY_LIST)), nullptr) << mode.id;
        EXPECT_EQ(view->findChild<QLabel*>("modeName")->text(), QString::fromWCharArray(mode.english));
    }
    int visible = 0;
    for (CCalculatorView* view : frame.findChildren<CCalculatorView*>())
        visible += view->isVisibleTo(&frame);
    EXPECT_EQ(visible, 1);
}

TEST_F(FrameTest, OfflineHelpNeedsTheHelpPage) {
    CMainFrame& frame = launch();
    frame.updateCommands();
    EXPECT_FALSE(frame.action(40078)->isEnabled());
    frame.onCommand(40078);
    EXPECT_EQ(takeMessages(), std::vector<std::wstring>{L"No help-files found!"});

    document().setLanguage(1);
    frame.onCommand(40078);
    ASSERT_EQ(m_platform.messageBox.shown().size(), 1u);
    EXPECT_EQ(m_platform.messageBox.shown()[0].text, engineText(41272));
    EXPECT_EQ(m_platform.messageBox.shown()[0].icon, MessageIcon::Exclamation);
    m_platform.messageBox.clear();
    document().setLanguage(0);
}

TEST_F(FrameTest, TheFirstStartRecordsWhereTheHelpPageIsAndOpensIt) {
    const std::filesystem::path help = configFolder().parent_path() / "help";
    std::filesystem::create_directories(help);
    std::ofstream(help / "OrvantaHelp.html") << "<html></html>";
    CMainFrame& frame = launch({configFolder().parent_path() / "nowhere", help});
    EXPECT_EQ(persisted(RegistryNames::HELP, RegistryNames::HELP_PATH),
              std::filesystem::canonical(help).wstring());
    frame.updateCommands();
    EXPECT_TRUE(frame.action(40078)->isEnabled());

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    frame.onCommand(40078);
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toLocalFile().toStdString(),
              (std::filesystem::canonical(help) / "OrvantaHelp.html").string());
    EXPECT_TRUE(takeMessages().empty());
}

// Without a program that opens pages, the user is told where the page is.
TEST_F(FrameTest, OfflineHelpWithoutABrowserNamesThePage) {
    const std::filesystem::path help = configFolder().parent_path() / "help";
    std::filesystem::create_directories(help);
    std::ofstream(help / "OrvantaHelp.html") << "<html></html>";
    CMainFrame& frame = launch({help});
    const QByteArray path = qgetenv("PATH"), browser = qgetenv("BROWSER");
    qputenv("PATH", "/nonexistent");
    qunsetenv("BROWSER");
    frame.onCommand(40078);
    qputenv("PATH", path);
    if (!browser.isEmpty()) qputenv("BROWSER", browser);
    const std::vector<std::wstring> shown = takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find((std::filesystem::canonical(help) / "OrvantaHelp.html").wstring()),
              std::wstring::npos);
}

TEST_F(FrameTest, ControlQQuitsLikeExit) {
    CMainFrame& frame = launch();
    frame.show();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame, 2000));
    frame.activeView()->inputLine()->setFocus();
    QTest::keyClick(frame.activeView()->inputLine(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(FrameTest, ControlAOpensAboutEvenInTheInputLine) {
    CMainFrame& frame = launch();
    frame.show();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame, 2000));
    QPlainTextEdit* input = frame.activeView()->inputLine();
    input->setFocus();
    input->setPlainText("1+2");
    bool shown = false;
    onNextDialog<CDlgAbout>([&](CDlgAbout&) { shown = true; });
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(input->textCursor().hasSelection()) << "the key did not select the text";
}

TEST_F(FrameTest, TheCommandBarHasCutCopyAndPaste) {
    CMainFrame& frame = launch();
    for (const char* id : {"40053", "40056", "40058"}) {
        auto* button = frame.commandBar()->findChild<QToolButton*>(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_EQ(frame.commandBar()->iconSize(), QSize(30, 30));
    EXPECT_EQ(frame.commandBar()->findChild<QToolButton*>("40056")->toolTip(), "Copy");
}

TEST_F(FrameTest, TheScreenChoosesSizeLayoutAndFonts) {
    struct Case {
        int width, height;
        ScreenClass screenClass;
        bool landscape;
        int inputPixels, resultPixels, toolSize;
    };
    const Case cases[] = {
        {240, 320, ScreenClass::Standard, false, 14, 13, 16},
        {320, 240, ScreenClass::QvgaLandscape, true, 14, 13, 16},
        {480, 640, ScreenClass::VgaPortrait, false, 28, 24, 30},
        {640, 480, ScreenClass::VgaLandscape, false, 28, 24, 30},
        {800, 600, ScreenClass::Standard, false, 14, 13, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        std::filesystem::remove_all(configFolder());
        ASSERT_TRUE(Screen::setSize(c.width, c.height));
        SettingsStore settings(configFolder());
        OrvantaApp app(settings);
        app.setHelpCandidates({});
        ASSERT_TRUE(app.initInstance());
        const CMainFrame& frame = *app.frame();
        EXPECT_EQ(frame.size(), QSize(c.width, c.height));
        const CCalculatorView* view = frame.activeView();
        EXPECT_EQ(view->screenClass(), c.screenClass);
        EXPECT_EQ(view->landscapeLayout(), c.landscape);
        EXPECT_EQ(view->inputFont().pixelSize(), c.inputPixels);
        EXPECT_EQ(view->resultFont().pixelSize(), c.resultPixels);
        EXPECT_EQ(view->inputLine()->font().pixelSize(), c.inputPixels);
        EXPECT_EQ(frame.commandBar()->iconSize(), QSize(c.toolSize, c.toolSize));
    }
}

TEST_F(FrameTest, ExitClosesTheWindowAndSavesTheSession) {
    CMainFrame& frame = launch();
    frame.show();
    frame.switchMode(PLOTTER);
    document().addToHistory(L"2+2");
    frame.onCommand(57665);
    EXPECT_FALSE(frame.isVisible());
    m_app.reset();
    EXPECT_EQ(persisted(RegistryNames::HISTORY, L"History1"), L"2+2");
    EXPECT_EQ(persisted(RegistryNames::OPTIONS, L"Mode"), L"1");
    EXPECT_EQ(persisted(RegistryNames::ROOT, RegistryNames::LAST_VIEW), L"40041");
}

#include "frame_test.moc"
