#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM (logout, shutdown), SIGINT (Ctrl+C in a terminal) and SIGHUP (the
// terminal went away) end the program through the same path as File > Exit,
// so that everything the program saves on exit is saved. The handler only
// writes a byte into a socket pair; the event loop reads it and closes.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // close runs on the GUI thread once any modal dialog is closed.
    explicit TerminationSignals(std::function<void()> close, QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the socket pair or a handler could not be set up.
    bool installed() const { return m_installed; }

private:
    static void onSignal(int number);
    void readSignal();

    std::function<void()> m_close;
    QSocketNotifier* m_notifier = nullptr;
    bool m_installed = false;
    bool m_closing = false;
};
