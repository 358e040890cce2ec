#include "E2ESession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>

#include "CCalculatorView.h"
#include "CMainFrame.h"
#include "CSolverCalculatorView.h"
#include "LodrinIds.h"
#include "MenuResources.h"
#include "ModeTable.h"

QString E2EDisplay::s_missing = QStringLiteral("not started");

namespace {
// The screen is larger than any emulated device screen and its dialogs.
const QString s_screen = QStringLiteral("1280x1024x24");
constexpr int SERVER_START_MS = 15000;
constexpr int TOOL_MS = 10000;
constexpr int POLL_MS = 100;
// Between typed keys: the program under the sanitizers keeps up with this.
const QString s_key_delay = QStringLiteral("40");

QString unescaped(const QByteArray& value) {
    QByteArray out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return QString::fromUtf8(out);
}

QString program() {
    const QByteArray given = qgetenv("ORVANTA_PROGRAM");
    return given.isEmpty() ? QStringLiteral(ORVANTA_PROGRAM_PATH) : QString::fromLocal8Bit(given);
}

void pause(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}
} // namespace

// ---- The display ----

void E2EDisplay::SetUp() {
    for (const char* tool : {"Xvfb", "xdotool"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            s_missing = QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
            return;
        }
    // Xvfb takes the first free display number and writes it to descriptor 3.
    const QString numberFile = QDir::temp().filePath(
        QStringLiteral("orvanta-e2e-display-%1").arg(QCoreApplication::applicationPid()));
    QFile::remove(numberFile);
    m_server = std::make_unique<QProcess>();
    m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server->start(QStringLiteral("sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("exec Xvfb -displayfd 3 -screen 0 %1 -nolisten tcp 3>\"$0\" 2>/dev/null")
                         .arg(s_screen),
                     numberFile});
    QElapsedTimer clock;
    clock.start();
    QByteArray number;
    while (clock.elapsed() < SERVER_START_MS && m_server->state() != QProcess::NotRunning) {
        QFile file(numberFile);
        if (file.open(QIODevice::ReadOnly)) number = file.readAll();
        if (number.endsWith('\n')) break;
        pause(POLL_MS);
    }
    QFile::remove(numberFile);
    if (!number.endsWith('\n')) {
        s_missing = QStringLiteral("Xvfb did not start");
        return;
    }
    qputenv("DISPLAY", ":" + number.trimmed());
    s_missing.clear();
}

void E2EDisplay::TearDown() {
    if (!m_server) return;
    m_server->terminate();
    if (!m_server->waitForFinished(SERVER_START_MS)) m_server->kill();
    m_server->waitForFinished(SERVER_START_MS);
}

// ---- A case ----

void E2ETest::SetUp() {
    if (!E2EDisplay::missing().isEmpty())
        GTEST_SKIP() << "no virtual display: " << qPrintable(E2EDisplay::missing());
    ASSERT_TRUE(m_folder.isValid());
    m_clock.start();
}

void E2ETest::TearDown() {
    if (HasFailure() && running()) {
        std::fprintf(stderr, "---- windows shown ----\n%s\n", qPrintable(windows().join(QLatin1Char('\n'))));
        photograph(QStringLiteral("failed"));
    }
    if (m_program && m_program->state() != QProcess::NotRunning) {
        m_program->kill();
        m_program->waitForFinished(TOOL_MS);
    }
    if (HasFailure()) std::fprintf(stderr, "---- program output ----\n%s\n", qPrintable(log()));
}

int E2ETest::remainingMs() const {
    const qint64 left = CASE_LIMIT_MS - m_clock.elapsed();
    if (left <= 0) {
        if (m_program && m_program->state() != QProcess::NotRunning) {
            ADD_FAILURE() << "the case ran out of time (" << CASE_LIMIT_MS << " ms)";
            m_program->kill();
        }
        return 0;
    }
    return static_cast<int>(left);
}

QString E2ETest::log() const {
    QString all;
    for (int i = 1; i <= m_starts; ++i) {
        QFile file(m_folder.filePath(QStringLiteral("orvanta-%1.log").arg(i)));
        if (file.open(QIODevice::ReadOnly)) all += QString::fromUtf8(file.readAll().right(4000));
    }
    return all;
}

void E2ETest::start(const QStringList& arguments) {
    ASSERT_FALSE(running()) << "the program runs already";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVANTA_CONFIG_DIR"), m_folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("ORVANTA_DATA_DIR"), m_folder.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("xdg")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_folder.filePath(QStringLiteral("xdg")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
    environment.insert(QStringLiteral("ORVANTA_TEST_PROBE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The X libraries keep caches until exit; the leak check belongs to the unit suites.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:abort_on_error=0"));
    m_program = std::make_unique<QProcess>();
    m_program->setProcessEnvironment(environment);
    m_program->setStandardErrorFile(m_folder.filePath(QStringLiteral("orvanta-%1.log").arg(++m_starts)));
    m_program->start(program(), arguments);
    ASSERT_TRUE(m_program->waitForStarted(TOOL_MS)) << qPrintable(program());
    ASSERT_TRUE(waitShown(QStringLiteral("mainFrame"))) << "no window";
    // No window manager gives the window the focus: a click does, as on an
    // empty part of the menu bar.
    const QStringList place =
        ask(QStringLiteral("where mainFrame")).value_or(QString()).split(QLatin1Char(' '));
    ASSERT_EQ(place.size(), 4);
    clickAt(place[0].toInt() + place[2].toInt() - 4, place[1].toInt() + 4);
}

void E2ETest::photograph(const QString& step) {
    const QByteArray shots = qgetenv("ORVANTA_E2E_SHOTS");
    if (shots.isEmpty()) return;
    const QString name =
        QStringLiteral("%1-%2.png")
            .arg(QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name())
                     .replace('/', '-'),
                 step);
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                 QDir(QString::fromLocal8Bit(shots)).filePath(name)});
}

bool E2ETest::running() const {
    return m_program && m_program->state() != QProcess::NotRunning;
}

void E2ETest::quit() {
    ASSERT_TRUE(running());
    menuCommand(MenuResources::ID_EXIT);
    // waitForFinished answers false for a program that has ended already.
    const bool ended = !running() || m_program->waitForFinished(std::min(remainingMs(), WAIT_MS));
    ASSERT_TRUE(ended) << "the program did not end after File > Exit";
    EXPECT_EQ(m_program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_program->exitCode(), 0);
}

// ---- Reading ----

std::optional<QString> E2ETest::readAnswer() {
    while (running() && !m_program->canReadLine())
        if (!m_program->waitForReadyRead(std::min(remainingMs(), WAIT_MS))) break;
    if (!m_program || !m_program->canReadLine()) return std::nullopt;
    const QByteArray line = m_program->readLine().chopped(1);
    if (!line.startsWith("ok ")) return std::nullopt;
    return unescaped(line.mid(3));
}

std::optional<QString> E2ETest::ask(const QString& query) {
    if (!running()) return std::nullopt;
    m_program->write(query.toUtf8() + '\n');
    return readAnswer();
}

QString E2ETest::text(const QString& name) {
    return ask(QStringLiteral("text ") + name).value_or(QStringLiteral("<not shown>"));
}

bool E2ETest::waitText(const QString& name, const QString& expected) {
    QElapsedTimer clock;
    clock.start();
    QString seen;
    while (clock.elapsed() < WAIT_MS && remainingMs() > 0 && running()) {
        seen = text(name);
        if (seen == expected) return true;
        pause(POLL_MS);
    }
    ADD_FAILURE() << qPrintable(name) << " shows \"" << qPrintable(seen) << "\", not \""
                  << qPrintable(expected) << "\"";
    return false;
}

bool E2ETest::waitShown(const QString& name, bool shown, int ms) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        // A program that has ended shows nothing.
        if (ask(QStringLiteral("where ") + name).has_value() == shown) return true;
        if (!running() || clock.elapsed() > ms || remainingMs() <= 0) return false;
        pause(POLL_MS);
    }
}

QString E2ETest::viewClass() {
    return ask(QStringLiteral("class %1").arg(CMainFrame::MAIN_PANE)).value_or(QString());
}

QStringList E2ETest::windows() {
    return ask(QStringLiteral("windows")).value_or(QString()).split(QLatin1Char('\n'));
}

// ---- Input ----

void E2ETest::xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral("xdotool"), arguments);
    const bool done = tool.waitForFinished(TOOL_MS);
    EXPECT_TRUE(done && tool.exitCode() == 0) << "xdotool " << qPrintable(arguments.join(QLatin1Char(' ')));
}

void E2ETest::clickAt(int x, int y) {
    // No --sync: it waits forever when the pointer is already there.
    xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(y), QStringLiteral("click"),
             QStringLiteral("1")});
}

namespace {
// The middle of an answer "x y width height".
std::optional<QPoint> middle(const std::optional<QString>& place) {
    const QStringList parts = place.value_or(QString()).split(QLatin1Char(' '));
    if (parts.size() != 4) return std::nullopt;
    return QPoint(parts[0].toInt() + parts[2].toInt() / 2, parts[1].toInt() + parts[3].toInt() / 2);
}
} // namespace

void E2ETest::click(const QString& name) {
    if (!waitShown(name)) {
        ADD_FAILURE() << "nothing named " << qPrintable(name) << " is shown";
        return;
    }
    if (const auto at = middle(ask(QStringLiteral("where ") + name))) clickAt(at->x(), at->y());
}

void E2ETest::keys(std::initializer_list<int> ids) {
    for (int id : ids)
        click(id);
}

void E2ETest::clickMenu(const QString& caption) {
    QElapsedTimer clock;
    clock.start();
    std::optional<QPoint> at;
    while (!(at = middle(ask(QStringLiteral("menu ") + caption))) && clock.elapsed() < WAIT_MS && running())
        pause(POLL_MS);
    if (!at) {
        ADD_FAILURE() << "no menu item " << qPrintable(caption);
        return;
    }
    clickAt(at->x(), at->y());
}

void E2ETest::clickCell(int id, int row, int column) {
    const auto at = middle(ask(QStringLiteral("cell %1 %2 %3").arg(id).arg(row).arg(column)));
    if (!at) {
        ADD_FAILURE() << "no cell " << row << "," << column << " in " << id;
        return;
    }
    clickAt(at->x(), at->y());
}

void E2ETest::type(const QString& text) {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), s_key_delay, QStringLiteral("--"), text});
}

void E2ETest::key(const QString& names) {
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), s_key_delay} +
            names.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void E2ETest::retype(int id, const QString& text) {
    click(id);
    key(QStringLiteral("End shift+Home BackSpace"));
    type(text);
}

void E2ETest::menuCommand(int id) {
    for (const MenuText& menu : MenuResources::menus()) {
        const bool holds = std::any_of(menu.items.begin(), menu.items.end(),
                                       [id](const MenuItemText& item) { return item.id == id; });
        if (!holds) continue;
        for (const wchar_t* caption : {menu.english, menu.german})
            if (ask(QStringLiteral("menu ") + QString::fromWCharArray(caption)))
                clickMenu(QString::fromWCharArray(caption));
    }
    click(id);
    if (!waitShown(QString::number(id), false)) ADD_FAILURE() << "the menu stays open after " << id;
}

void E2ETest::choose(const QString& name, const QString& entry) {
    click(name);
    // Keys typed before the list is open would go to the field under it.
    QElapsedTimer clock;
    clock.start();
    while (!windows().join(QLatin1Char('\n')).contains(QLatin1String("QComboBoxPrivateContainer")) &&
           clock.elapsed() < WAIT_MS && running())
        pause(POLL_MS);
    type(entry);
    key(QStringLiteral("Return"));
}

void E2ETest::confirm() {
    click(LodrinId::OK);
}

void E2ETest::enterEquation(const QString& equation, const QString& values) {
    switchMode(ModeTable::SOLVER);
    click(CCalculatorView::INPUT_LINE);
    type(equation);
    click(CSolverCalculatorView::NAMES_KEY);
    clickCell(CSolverCalculatorView::PARAMETER_GRID, 0, 0);
    type(values);
    key(QStringLiteral("Return"));
}
