#pragma once
#include <QByteArray>
#include <QObject>
#include <memory>

class QSocketNotifier;
class QWidget;

// A way in for the end-to-end tests, which run the program as a separate
// process on a virtual display and drive it with real mouse clicks and key
// presses. With ORVANTA_TEST_PROBE=1 in the environment the program reads
// one query per line on its standard input and answers each with one line on
// its standard output; without it nothing here exists. Only visible widgets
// are looked at, the ones of a modal dialog or an open popup first, and
// nothing is ever changed:
//   text NAME           the text the widget with that object name shows
//   items NAME          the entries of a list or drop-down list
//   class NAME          the widget's class
//   where NAME          its place on the screen: "x y width height"
//   cell NAME ROW COL   the place of a table cell (0-based, headers apart)
//   menu TEXT           the place of a menu-bar or menu item by its caption
//   colours NAME        how many colours the widget's picture has
//   windows             the visible top-level windows: "class/name/title", ...
//   focus               the class and name of the widget with the keyboard focus
// An answer is "ok " and the value, or "none" when there is no such widget;
// line breaks and backslashes in a value are escaped as \n, \r and \\.
class TestProbe : public QObject {
    Q_OBJECT
public:
    // The probe when the environment asks for one, else nullptr.
    static std::unique_ptr<TestProbe> fromEnvironment();
    ~TestProbe() override;

    // The answer to one query line.
    static QByteArray answer(const QByteArray& query);

private:
    TestProbe();
    void readQueries();

    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_pending;
};
