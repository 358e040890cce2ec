#pragma once
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// The end-to-end tests run the built program as its user does: a process of
// its own on a virtual X display of the suite's own (Xvfb picks a free
// display number), settings and data in a temporary folder, and every input
// a real mouse click or key press sent through xdotool. What the program
// shows is read back by object name through its test probe (the program's
// standard input and output, switched on by ORVANTA_TEST_PROBE=1).

// The virtual display, started once per test program and stopped at its end.
class E2EDisplay : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
    // Empty when the display is up; else why the suite cannot run here.
    static QString missing() { return s_missing; }

private:
    static QString s_missing;
    std::unique_ptr<QProcess> m_server;
};

// Base of the end-to-end cases: a fresh settings and data folder, and the
// program started, driven, read and quit within the case's time limit.
class E2ETest : public ::testing::Test {
protected:
    // Every case ends within this, whatever hangs; ctest adds its own limit.
    static constexpr int CASE_LIMIT_MS = 150000;
    // How long one awaited change may take under the sanitizers.
    static constexpr int WAIT_MS = 20000;

    void SetUp() override;
    void TearDown() override;

    // Starts the program on the case's folders and clicks into its window.
    void start(const QStringList& arguments = {QStringLiteral("--screen"), QStringLiteral("480x640")});
    // File > Exit, as a user ends the program; it must end cleanly.
    void quit();
    bool running() const;

    // ---- Reading: the probe's answer, or nullopt when there is none ----
    std::optional<QString> ask(const QString& query);
    QString text(int id) { return text(QString::number(id)); }
    QString text(const QString& name);
    // Waits until the widget shows exactly that text; false after WAIT_MS.
    bool waitText(int id, const QString& expected) { return waitText(QString::number(id), expected); }
    bool waitText(const QString& name, const QString& expected);
    // Waits until a query answers at all (the widget shows) or no more.
    bool waitShown(const QString& name, bool shown = true, int ms = WAIT_MS);
    // The visible view's class: which mode the window shows.
    QString viewClass();
    QStringList windows();

    // ---- Input, through the X server ----
    void click(int id) { click(QString::number(id)); }
    void click(const QString& name);
    // Keys of the keypad, clicked one after the other.
    void keys(std::initializer_list<int> ids);
    void clickMenu(const QString& caption);
    void clickCell(int id, int row, int column);
    void clickAt(int x, int y);
    // Typed where the keyboard focus is; key() takes xdotool key names.
    void type(const QString& text);
    void key(const QString& names);
    // Replaces the whole text of a field with typed text.
    void retype(int id, const QString& text);
    // A menu command as the user gives it: the menu that holds it opened,
    // in whichever language the menu bar shows, then its item clicked.
    void menuCommand(int id);
    // The Calculator menu, then the item of the mode (its command id).
    void switchMode(int mode) { menuCommand(mode); }
    // A drop-down list: opened, the entry typed, taken with Enter.
    void choose(int id, const QString& entry) { choose(QString::number(id), entry); }
    void choose(const QString& name, const QString& entry);
    // The OK button of the dialog on top.
    void confirm();
    // The solver with an equation typed in and its parameter names taken,
    // the first ones given the tab-separated values.
    void enterEquation(const QString& equation, const QString& values);

    // With ORVANTA_E2E_SHOTS=FOLDER, a picture of the screen goes there (also when a case fails).
    void photograph(const QString& step);

    QString folder() const { return m_folder.path(); }
    // Fails the case when its time is up; the waits stop at that point too.
    int remainingMs() const;

private:
    void xdotool(const QStringList& arguments);
    std::optional<QString> readAnswer();
    QString log() const;

    QTemporaryDir m_folder;
    QElapsedTimer m_clock;
    std::unique_ptr<QProcess> m_program;
    int m_starts = 0;
};
