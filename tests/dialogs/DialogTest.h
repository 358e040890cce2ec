#pragma once
#include <QString>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "CLodrinDialog.h"
#include "LodrinStarter.h"
#include "ScriptedPlatform.h"

#include <QTimer>

// Base of the dialog tests: forces the scripted platform, resets the
// dialogs' remembered values and the language, and fails fast when a dialog
// opens that the test did not expect, instead of blocking on it.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next dialog the launcher opens is handed to script (shown, not
    // executed); its result is what the script leaves: Rejected if it is
    // still open. A dialog of another class fails the test.
    template <class Dialog> void onNextDialog(std::function<void(Dialog&)> script) {
        m_expected.push_back([script](CLodrinDialog& dialog) {
            auto* typed = dynamic_cast<Dialog*>(&dialog);
            if (!typed) {
                ADD_FAILURE() << "unexpected dialog class " << dialog.metaObject()->className();
                return false;
            }
            script(*typed);
            return true;
        });
    }

    // Shows a dialog as the active window, so focus moves as on screen.
    static void showActive(QWidget& dialog);

    // Controls by id; a missing control fails the test.
    static QWidget* find(const QWidget& root, int id);
    static void type(const QWidget& root, int id, const QString& text);
    static QString text(const QWidget& root, int id);
    static void click(const QWidget& root, int id);
    static void focus(const QWidget& root, int id);

    // The texts of the message boxes shown so far, and forgets them.
    std::vector<std::wstring> takeMessages();
    std::wstring lastMessage() const;

    ScriptedPlatform m_platform;

private:
    std::deque<std::function<bool(CLodrinDialog&)>> m_expected;
    LodrinStarter::ModalRunner m_previousRunner;
    std::unique_ptr<QTimer> m_watchdog;
};

// Library text in the given language, for comparing with what was shown.
std::wstring libraryText(unsigned id, int language = 0);
