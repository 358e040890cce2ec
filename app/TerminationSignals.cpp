#include "TerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int s_signals[] = {SIGTERM, SIGINT, SIGHUP};
// [0] is written by the handler, [1] read by the event loop. One process has
// one set of handlers, so the pair is process-wide too.
int s_pair[2] = {-1, -1};
// Modal dialogs may stack; each close ends one of them.
constexpr int MAX_MODAL_DIALOGS = 32;
} // namespace

TerminationSignals::TerminationSignals(std::function<void()> close, QObject* parent)
    : QObject(parent), m_close(std::move(close)) {
    if (s_pair[0] >= 0) return; // already installed by another instance
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, s_pair) != 0) return;
    m_notifier = new QSocketNotifier(s_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    struct sigaction action {};
    action.sa_handler = &TerminationSignals::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_installed = true;
    for (int number : s_signals)
        m_installed = ::sigaction(number, &action, nullptr) == 0 && m_installed;
}

TerminationSignals::~TerminationSignals() {
    if (!m_notifier) return;
    for (int number : s_signals)
        std::signal(number, SIG_DFL);
    delete m_notifier;
    ::close(s_pair[0]);
    ::close(s_pair[1]);
    s_pair[0] = s_pair[1] = -1;
}

// Async-signal-safe: one write, errno kept.
void TerminationSignals::onSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(s_pair[0], &byte, 1);
    errno = saved;
}

void TerminationSignals::readSignal() {
    char bytes[64];
    while (::read(s_pair[1], bytes, sizeof bytes) > 0) {
    }
    if (m_closing) return;
    m_closing = true;
    // A modal dialog runs its own event loop: it is cancelled first, as the
    // user would, and the program closes once that loop has ended.
    for (int i = 0; i < MAX_MODAL_DIALOGS; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->close()) break;
    }
    QTimer::singleShot(0, this, [this] { m_close(); });
}
