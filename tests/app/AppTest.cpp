#include "AppTest.h"

#include <QApplication>

#include "CMainFrame.h"
#include "Complex.h"
#include "DataFolder.h"
#include "OrvantaApp.h"
#include "OrvantaCalcBase.h"
#include "Screen.h"

std::wstring engineText(unsigned id) {
    return OrvantaCalcBase::loadString(id);
}

void AppTest::SetUp() {
    ASSERT_TRUE(m_temporary.isValid());
    m_config = std::filesystem::path(m_temporary.path().toStdString()) / "config";
    // The engine's unit files go to a temporary folder too.
    m_previous_data_dir = qgetenv(DataFolder::ENVIRONMENT_VARIABLE);
    qputenv(DataFolder::ENVIRONMENT_VARIABLE,
            QByteArray::fromStdString((m_config.parent_path() / "data").string()));
    OrvantaCalcBase::setLanguage(0);
    LodrinStarter::setLanguage(0);
    Complex::s_use_j = false;
    Screen::setSize(Screen::DEFAULT_WIDTH, Screen::DEFAULT_HEIGHT);

    m_previous_runner = LodrinStarter::setModalRunner([this](CLodrinDialog& dialog) {
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected modal dialog " << dialog.metaObject()->className();
            return static_cast<int>(QDialog::Rejected);
        }
        auto script = std::move(m_expected.front());
        m_expected.pop_front();
        dialog.show();
        if (!script(dialog)) return static_cast<int>(QDialog::Rejected);
        return dialog.isVisible() ? static_cast<int>(QDialog::Rejected) : dialog.result();
    });
    // Anything that still runs a real modal loop is closed and reported.
    m_watchdog = std::make_unique<QTimer>();
    m_watchdog->setInterval(50);
    QObject::connect(m_watchdog.get(), &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a real modal window opened: " << modal->metaObject()->className();
            modal->close();
        }
    });
    m_watchdog->start();
}

void AppTest::TearDown() {
    m_watchdog.reset();
    m_store.reset();
    if (m_previous_data_dir.isNull())
        qunsetenv(DataFolder::ENVIRONMENT_VARIABLE);
    else
        qputenv(DataFolder::ENVIRONMENT_VARIABLE, m_previous_data_dir);
    LodrinStarter::setModalRunner(std::move(m_previous_runner));
    EXPECT_TRUE(m_expected.empty()) << m_expected.size() << " expected dialog(s) never opened";
    for (const std::wstring& problem : m_platform.problems())
        ADD_FAILURE() << "platform: " << QString::fromStdWString(problem).toStdString();
    OrvantaCalcBase::setLanguage(0);
    LodrinStarter::setLanguage(0);
    Complex::s_use_j = false;
    Screen::setSize(Screen::DEFAULT_WIDTH, Screen::DEFAULT_HEIGHT);
}

SettingsStore& AppTest::store() {
    if (!m_store) m_store = std::make_unique<SettingsStore>(m_config);
    return *m_store;
}

std::unique_ptr<SettingsStore> AppTest::reread() const {
    return std::make_unique<SettingsStore>(m_config);
}

std::wstring AppTest::persisted(const std::wstring& key, const std::wstring& name) const {
    std::wstring value;
    return reread()->readString(key, name, value, 1 << 16) ? value : L"<missing>";
}

std::unique_ptr<OrvantaApp> AppTest::start(std::vector<std::filesystem::path> helpFolders) {
    auto app = std::make_unique<OrvantaApp>(store());
    app->setHelpCandidates(std::move(helpFolders));
    EXPECT_TRUE(app->initInstance());
    return app;
}

CCalculatorView* AppTest::startShown(std::unique_ptr<OrvantaApp>& app, int mode) {
    app.reset();
    app = start();
    app->frame()->show();
    app->frame()->switchMode(mode);
    return app->frame()->activeView();
}

std::vector<std::wstring> AppTest::takeMessages() {
    std::vector<std::wstring> out;
    for (const ShownMessage& m : m_platform.messageBox.shown())
        out.push_back(m.text);
    m_platform.messageBox.clear();
    return out;
}
