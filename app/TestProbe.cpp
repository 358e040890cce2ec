#include "TestProbe.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QSocketNotifier>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <unistd.h>

namespace {
// A query line longer than this is nonsense; it is dropped, not kept growing.
constexpr int MAX_QUERY = 4096;
// Counting stops here: the tests ask "blank or drawn", not for a histogram.
constexpr int MAX_COLOURS = 4096;

// The visible widget with that name, preferring an open popup, then the
// modal dialog, over the windows below them.
QWidget* findWidget(const QString& name) {
    const QWidget* popup = QApplication::activePopupWidget();
    const QWidget* modal = QApplication::activeModalWidget();
    QWidget* best = nullptr;
    int bestRank = -1;
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->objectName() != name || !w->isVisible()) continue;
        const int rank = popup && w->window() == popup ? 2 : modal && w->window() == modal ? 1 : 0;
        if (rank > bestRank) best = w, bestRank = rank;
    }
    return best;
}

QRect globalRect(const QWidget* w, const QRect& local) {
    return QRect(w->mapToGlobal(local.topLeft()), local.size());
}

QString placeText(const QRect& r) {
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Where an action with that name is shown: its button on a toolbar or its
// line in an open menu or the menu bar.
std::optional<QRect> actionPlace(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        for (QAction* a : top->findChildren<QAction*>(name)) {
            for (QObject* shown : a->associatedObjects()) {
                auto* w = qobject_cast<QWidget*>(shown);
                if (!w || !w->isVisible()) continue;
                if (auto* bar = qobject_cast<QToolBar*>(w))
                    if (QWidget* button = bar->widgetForAction(a); button && button->isVisible())
                        return globalRect(button, button->rect());
                if (auto* menu = qobject_cast<QMenu*>(w)) return globalRect(menu, menu->actionGeometry(a));
                if (auto* bar = qobject_cast<QMenuBar*>(w)) return globalRect(bar, bar->actionGeometry(a));
            }
        }
    }
    return std::nullopt;
}

// A menu item by its caption; open menus come before the menu bar.
std::optional<QRect> menuPlace(const QString& caption) {
    std::optional<QRect> inBar;
    for (QWidget* w : QApplication::allWidgets()) {
        if (!w->isVisible()) continue;
        auto* menu = qobject_cast<QMenu*>(w);
        auto* bar = qobject_cast<QMenuBar*>(w);
        if (!menu && !bar) continue;
        for (QAction* a : w->actions()) {
            if (QString(a->text()).remove(QLatin1Char('&')) != caption) continue;
            if (menu) return globalRect(menu, menu->actionGeometry(a));
            inBar = globalRect(bar, bar->actionGeometry(a));
        }
    }
    return inBar;
}

QString tableText(const QTableWidget& table) {
    QStringList rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.columnCount(); ++c)
            cells << (table.item(r, c) ? table.item(r, c)->text() : QString());
        while (!cells.isEmpty() && cells.back().isEmpty())
            cells.removeLast();
        rows << cells.join(QLatin1Char('\t'));
    }
    while (!rows.isEmpty() && rows.back().isEmpty())
        rows.removeLast();
    return rows.join(QLatin1Char('\n'));
}

QString widgetText(const QWidget& w) {
    if (auto* line = qobject_cast<const QLineEdit*>(&w)) return line->text();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(&w)) return edit->toPlainText();
    if (auto* edit = qobject_cast<const QTextEdit*>(&w)) return edit->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
    if (auto* box = qobject_cast<const QComboBox*>(&w)) return box->currentText();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(&w)) return spin->text();
    if (auto* table = qobject_cast<const QTableWidget*>(&w)) return tableText(*table);
    if (w.isWindow()) return w.windowTitle();
    return QString();
}

QString itemsText(const QWidget& w) {
    QStringList items;
    if (auto* box = qobject_cast<const QComboBox*>(&w))
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
    if (auto* list = qobject_cast<const QListWidget*>(&w))
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
    return items.join(QLatin1Char('\n'));
}

QString colourCount(QWidget& w) {
    const QImage picture = w.grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height() && colours.size() < MAX_COLOURS; ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return QString::number(colours.size());
}

QString windowList() {
    QStringList windows;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            windows << QStringLiteral("%1/%2/%3")
                           .arg(QLatin1String(top->metaObject()->className()), top->objectName(),
                                top->windowTitle());
    return windows.join(QLatin1Char('\n'));
}

QByteArray escaped(const QString& value) {
    QByteArray out;
    for (const char c : value.toUtf8()) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

using Query = std::function<std::optional<QString>(const QStringList&)>;

// A query on the named widget: its first argument is the name.
Query onWidget(std::function<QString(QWidget&)> read) {
    return [read](const QStringList& args) -> std::optional<QString> {
        QWidget* w = args.size() > 1 ? findWidget(args[1]) : nullptr;
        if (!w) return std::nullopt;
        return read(*w);
    };
}

std::optional<QString> place(const QStringList& args) {
    if (args.size() < 2) return std::nullopt;
    if (QWidget* w = findWidget(args[1])) return placeText(globalRect(w, w->rect()));
    if (const auto r = actionPlace(args[1])) return placeText(*r);
    return std::nullopt;
}

std::optional<QString> cellPlace(const QStringList& args) {
    auto* table = args.size() > 3 ? qobject_cast<QTableWidget*>(findWidget(args[1])) : nullptr;
    if (!table) return std::nullopt;
    const QModelIndex index = table->model()->index(args[2].toInt(), args[3].toInt());
    if (!index.isValid()) return std::nullopt;
    return placeText(globalRect(table->viewport(), table->visualRect(index)));
}

std::optional<QString> menuItem(const QStringList& args) {
    const auto r = menuPlace(args.mid(1).join(QLatin1Char(' ')));
    return r ? std::optional<QString>(placeText(*r)) : std::nullopt;
}

const std::map<QString, Query>& queries() {
    static const std::map<QString, Query> s_queries = {
        {QStringLiteral("text"), onWidget(widgetText)},
        {QStringLiteral("items"), onWidget(itemsText)},
        {QStringLiteral("class"),
         onWidget([](QWidget& w) { return QString::fromLatin1(w.metaObject()->className()); })},
        {QStringLiteral("colours"), onWidget(colourCount)},
        {QStringLiteral("where"), place},
        {QStringLiteral("cell"), cellPlace},
        {QStringLiteral("menu"), menuItem},
        {QStringLiteral("windows"), [](const QStringList&) { return std::optional<QString>(windowList()); }},
        {QStringLiteral("focus"),
         [](const QStringList&) -> std::optional<QString> {
             const QWidget* w = QApplication::focusWidget();
             if (!w) return std::nullopt;
             return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), w->objectName());
         }},
    };
    return s_queries;
}
} // namespace

std::unique_ptr<TestProbe> TestProbe::fromEnvironment() {
    const char* wanted = std::getenv("ORVANTA_TEST_PROBE");
    if (!wanted || std::strcmp(wanted, "1") != 0) return nullptr;
    return std::unique_ptr<TestProbe>(new TestProbe());
}

TestProbe::TestProbe() {
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TestProbe::readQueries);
}

TestProbe::~TestProbe() = default;

QByteArray TestProbe::answer(const QByteArray& query) {
    const QStringList args = QString::fromUtf8(query).trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (args.isEmpty()) return "none";
    const auto it = queries().find(args[0]);
    if (it == queries().end()) return "none";
    const std::optional<QString> value = it->second(args);
    return value ? "ok " + escaped(*value) : QByteArray("none");
}

void TestProbe::readQueries() {
    char buffer[1024];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) { // the test went away: stop listening
        m_notifier->setEnabled(false);
        return;
    }
    m_pending.append(buffer, static_cast<int>(got));
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QByteArray reply = answer(m_pending.left(end)) + '\n';
        m_pending.remove(0, end + 1);
        for (qsizetype done = 0; done < reply.size();) {
            const ssize_t put = ::write(STDOUT_FILENO, reply.constData() + done, reply.size() - done);
            if (put <= 0) return;
            done += put;
        }
    }
    if (m_pending.size() > MAX_QUERY) m_pending.clear();
}
