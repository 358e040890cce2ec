#pragma once
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "CLodrinDialog.h"
#include "LodrinStarter.h"
#include "ScriptedPlatform.h"
#include "SettingsStore.h"

class CCalculatorView;
class OrvantaApp;

// Base of the program's tests: settings in a fresh temporary folder, the
// scripted platform, the language and screen reset, and a quick failure
// (instead of a hang) when a dialog or window opens that the test did not
// expect.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The settings folder of this test and a store on it.
    std::filesystem::path configFolder() const { return m_config; }
    SettingsStore& store();
    // What the settings file holds now, read by a store of its own.
    std::unique_ptr<SettingsStore> reread() const;
    // A value as the file holds it; "<missing>" when it does not.
    std::wstring persisted(const std::wstring& key, const std::wstring& name) const;

    // Starts the program on the test's settings; no help folders unless given.
    std::unique_ptr<OrvantaApp> start(std::vector<std::filesystem::path> helpFolders = {});
    // Starts the program into app (after ending the one it held), shows its
    // window in the given mode and returns that mode's view.
    CCalculatorView* startShown(std::unique_ptr<OrvantaApp>& app, int mode);

    // The next dialog the launcher opens goes to script; any other fails.
    template <class Dialog> void onNextDialog(std::function<void(Dialog&)> script) {
        m_expected.push_back([script](CLodrinDialog& dialog) {
            auto* typed = dynamic_cast<Dialog*>(&dialog);
            if (!typed) {
                ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className();
                return false;
            }
            script(*typed);
            return true;
        });
    }
    bool dialogsPending() const { return !m_expected.empty(); }

    std::vector<std::wstring> takeMessages();

    ScriptedPlatform m_platform;

private:
    QTemporaryDir m_temporary;
    std::filesystem::path m_config;
    QByteArray m_previous_data_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::deque<std::function<bool(CLodrinDialog&)>> m_expected;
    LodrinStarter::ModalRunner m_previous_runner;
    std::unique_ptr<QTimer> m_watchdog;
};

std::wstring engineText(unsigned id);
