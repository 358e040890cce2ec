#include "CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStackedLayout>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <cwchar>

#include "CCalculatorView.h"
#include "COrvantaDoc.h"
#include "HelpLocation.h"
#include "LodrinStarter.h"
#include "MenuResources.h"
#include "ModeTable.h"
#include "Platform.h"
#include "RegistryNames.h"
#include "Screen.h"
#include "SettingsStore.h"
#include "StartupProbe.h"
#include "ToolStrip.h"

namespace M = MenuResources;

namespace {
// The commands a view acts on; the frame only routes them.
constexpr int s_view_commands[] = {M::ID_CUT,     M::ID_COPY,      M::ID_PASTE,        M::ID_UNDO,
                                   M::ID_HISTORY, M::ID_CONSTANTS, M::ID_MY_FUNCTIONS, M::ID_OPTIONS};

struct ToolButton {
    int id;
    ToolStrip::Image image;
};
constexpr ToolButton s_tool_buttons[] = {{M::ID_CUT, ToolStrip::Image::Cut},
                                         {M::ID_COPY, ToolStrip::Image::Copy},
                                         {M::ID_PASTE, ToolStrip::Image::Paste}};

const std::wstring s_function_prefix = L"f(x)=";

bool isMode(int id) {
    return id >= ModeTable::FIRST && id <= ModeTable::LAST;
}
} // namespace

CMainFrame::CMainFrame(COrvantaDoc& document, SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), m_document(document), m_store(store) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Orvanta"));

    // The menu follows the stored language as it is now: English only for "0".
    std::wstring language;
    const bool english =
        m_store.readString(RegistryNames::OPTIONS, RegistryNames::LANGUAGE, language) && language == L"0";
    buildMenu(english ? M::ENGLISH_MENU : M::GERMAN_MENU);
    StartupProbe::mark("menu");
    buildCommandBar();
    StartupProbe::mark("command bar");

    m_pane = new QWidget(this);
    m_pane->setObjectName(QStringLiteral("pane"));
    m_stack = new QStackedLayout(m_pane);
    m_stack->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(m_pane);

    // Ctrl+A opens About even while an edit field, which would select all, has the focus.
    m_about_accelerator = addAccelerator(QKeySequence(Qt::CTRL | Qt::Key_A), M::ID_ABOUT);
    // Ctrl+Q quits as File > Exit does, as on every desktop.
    addAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Q), M::ID_EXIT);
    qApp->installEventFilter(this);

    if (Screen::emulated()) {
        // The client area is the device's screen.
        setFixedSize(Screen::width(), Screen::height());
    } else {
        // The keys' smallest readable size sets the window's minimum.
        resize(storedSize(m_store));
    }
}

QSize CMainFrame::storedSize(const SettingsStore& store) {
    const auto number = [&store](const wchar_t* name) {
        std::wstring text;
        if (!store.readString(RegistryNames::OPTIONS, name, text)) return 0L;
        return std::wcstol(text.c_str(), nullptr, 10);
    };
    const long width = number(RegistryNames::WINDOW_WIDTH);
    const long height = number(RegistryNames::WINDOW_HEIGHT);
    const auto fits = [](long side) { return side >= Screen::MIN_SIDE && side <= Screen::MAX_SIDE; };
    QSize size(Screen::DEFAULT_WIDTH, Screen::DEFAULT_HEIGHT);
    if (fits(width) && fits(height)) size = QSize(static_cast<int>(width), static_cast<int>(height));
    // A size left on a larger monitor, or the default on a small or scaled
    // one, shrinks to the screen the window opens on now.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    return size;
}

void CMainFrame::showAsLeft() {
    std::wstring maximized;
    if (!Screen::emulated() &&
        m_store.readString(RegistryNames::OPTIONS, RegistryNames::WINDOW_MAXIMIZED, maximized) &&
        maximized == L"1")
        showMaximized();
    else
        show();
}

void CMainFrame::saveWindowSize() {
    if (Screen::emulated()) return;
    // A maximised window keeps the size it returns to.
    const QSize size = isMaximized() || isFullScreen() ? normalGeometry().size() : this->size();
    if (size.isValid()) {
        m_store.writeString(RegistryNames::OPTIONS, RegistryNames::WINDOW_WIDTH, std::to_wstring(size.width()));
        m_store.writeString(RegistryNames::OPTIONS, RegistryNames::WINDOW_HEIGHT, std::to_wstring(size.height()));
    }
    m_store.writeString(RegistryNames::OPTIONS, RegistryNames::WINDOW_MAXIMIZED, isMaximized() ? L"1" : L"0");
    m_store.flush();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    saveWindowSize();
    QMainWindow::closeEvent(event);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
}

QAction* CMainFrame::addAccelerator(const QKeySequence& keys, int id) {
    auto* accelerator = new QAction(this);
    accelerator->setShortcut(keys);
    accelerator->setShortcutContext(Qt::WindowShortcut);
    addAction(accelerator);
    connect(accelerator, &QAction::triggered, this, [this, id] { onCommand(id); });
    return accelerator;
}

void CMainFrame::buildMenu(int resource) {
    m_menu_resource = resource;
    const int language = resource == M::GERMAN_MENU ? 1 : 0;
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    m_actions.clear();
    for (const MenuText& menuText : M::menus()) {
        QMenu* menu = bar->addMenu(QString::fromWCharArray(language ? menuText.german : menuText.english));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
        for (const MenuItemText& item : menuText.items) {
            if (item.id == M::SEPARATOR) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(QString::fromWCharArray(language ? item.german : item.english));
            a->setObjectName(QString::number(item.id));
            a->setCheckable(isMode(item.id));
            const int id = item.id;
            connect(a, &QAction::triggered, this, [this, id] { onCommand(id); });
            m_actions[id] = a;
        }
    }
    setMenuBar(bar); // deletes the menu bar of the other language
    updateCommands();
}

void CMainFrame::buildCommandBar() {
    m_command_bar = new QToolBar(this);
    m_command_bar->setObjectName(QStringLiteral("commandBar"));
    m_command_bar->setMovable(false);
    m_command_bar->setFloatable(false);
    m_command_bar->setContextMenuPolicy(Qt::PreventContextMenu);
    const int size = Screen::HiRes() ? 30 : 16;
    m_command_bar->setIconSize(QSize(size, size));
    for (const ToolButton& button : s_tool_buttons) {
        QAction* a = m_command_bar->addAction(ToolStrip::icon(button.image, size), QString());
        const int id = button.id;
        connect(a, &QAction::triggered, this, [this, id] { onCommand(id); });
        m_command_bar->widgetForAction(a)->setObjectName(QString::number(id));
        m_tool_actions[id] = a;
    }
    addToolBar(Qt::TopToolBarArea, m_command_bar);
    relabelCommandBar();
}

void CMainFrame::relabelCommandBar() {
    const int language = m_menu_resource == M::GERMAN_MENU ? 1 : 0;
    for (const auto& [id, a] : m_tool_actions) {
        const QString text = QString::fromStdWString(M::itemText(id, language));
        a->setText(text);
        a->setToolTip(text);
    }
}

QAction* CMainFrame::action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

CCalculatorView* CMainFrame::activeView() const {
    return view(m_current_mode);
}

CCalculatorView* CMainFrame::view(int mode) const {
    const auto it = m_views.find(mode);
    return it == m_views.end() ? nullptr : it->second;
}

void CMainFrame::updateCommands() {
    for (const ModeInfo& mode : ModeTable::modes())
        if (QAction* a = action(mode.id)) a->setChecked(mode.id == m_current_mode);
    std::wstring folder;
    if (QAction* help = action(M::ID_OFFLINE_HELP)) help->setEnabled(HelpLocation::read(m_store, folder));
    const CCalculatorView* active = activeView();
    for (int id : s_view_commands) {
        const bool enabled = active && active->handlesCommand(id);
        if (QAction* a = action(id)) a->setEnabled(enabled);
        if (const auto tool = m_tool_actions.find(id); tool != m_tool_actions.end())
            tool->second->setEnabled(enabled);
    }
}

void CMainFrame::onCommand(int id) {
    if (isMode(id)) {
        switchMode(id);
    } else if (id == M::ID_OFFLINE_HELP) {
        showOfflineHelp();
    } else if (id == M::ID_EXIT) {
        close();
    } else if (id == M::ID_ABOUT) {
        showAbout();
    } else if (CCalculatorView* active = activeView(); active && active->handlesCommand(id)) {
        active->onCommand(id);
    }
}

void CMainFrame::languageChanged() {
    buildMenu(m_document.m_language ? M::GERMAN_MENU : M::ENGLISH_MENU);
    relabelCommandBar();
    if (CCalculatorView* active = activeView()) active->languageChanged();
}

void CMainFrame::showOfflineHelp() {
    std::filesystem::path file;
    if (!HelpLocation::helpFile(m_store, file)) {
        Platform::messageBox().show(this, OrvantaCalcBase::loadString(M::MSG_NO_HELP), L"Orvanta",
                                    MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    // Without a browser the desktop opens nothing: the user learns where the page is.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string()))))
        Platform::messageBox().show(this, HelpLocation::notOpenedMessage(m_document.m_language, file),
                                    L"Orvanta", MessageIcon::Exclamation, MessageButtons::Ok);
}

void CMainFrame::showAbout() {
    LodrinStarter starter(this);
    starter.showAboutBox(true);
}

// ---- Views and mode switching ----

CCalculatorView* CMainFrame::createView(int mode) {
    const ModeInfo* info = ModeTable::find(mode);
    CCalculatorView* created = info ? info->create(m_document, m_pane) : nullptr;
    if (!created) return nullptr;
    m_stack->addWidget(created);
    m_views[mode] = created;
    return created;
}

void CMainFrame::activate(CCalculatorView* next) {
    next->initialUpdate();
    next->setObjectName(QString::number(MAIN_PANE));
    m_stack->setCurrentWidget(next); // hides the view that was visible
    // The window's minimum is the visible view's alone.
    m_stack->invalidate();
}

bool CMainFrame::createFirstView(int mode) {
    if (!ModeTable::find(mode)) mode = ModeTable::SCIENTIFIC;
    CCalculatorView* first = createView(mode);
    StartupProbe::mark("view created");
    if (!first) return false;
    activate(first);
    m_current_mode = mode;
    // At start-up only the programmer mode and the converter leave the angle keys.
    m_document.m_programmerFlag = mode == ModeTable::COMPUTER ? 1 : 0;
    m_document.m_angleFlag = mode == ModeTable::COMPUTER || mode == ModeTable::CONVERTER ? 0 : 1;
    updateCommands();
    return true;
}

void CMainFrame::setModeFlags(int mode) {
    const ModeInfo* info = ModeTable::find(mode);
    m_document.m_angleFlag = info->angleFlag ? 1 : 0;
    m_document.m_programmerFlag = info->programmerFlag ? 1 : 0;
    if (info->angleUnitOnEntry >= 0)
        m_document.m_mode = static_cast<CalculatorModes::MODE>(info->angleUnitOnEntry);
    if (info->clearsInv) m_document.m_inv = 0;
}

CMainFrame::HandOver CMainFrame::handOver(int from, int to, const CCalculatorView& view) {
    HandOver result;
    const std::wstring input = view.inputText();
    if (from == ModeTable::FUNCTION_CALCULATOR && to == ModeTable::PLOTTER) {
        result.text = s_function_prefix + input;
        for (const std::wstring& entry : view.memoryEntries())
            result.memory.push_back(s_function_prefix + entry);
    } else if (from == ModeTable::PLOTTER && to == ModeTable::FUNCTION_CALCULATOR) {
        if (input.find(s_function_prefix) == 0) result.text = input.substr(s_function_prefix.size());
        for (const std::wstring& entry : view.memoryEntries()) {
            const std::size_t equals = entry.find(L'=');
            result.memory.push_back(equals == std::wstring::npos ? entry : entry.substr(equals + 1));
        }
    }
    return result;
}

bool CMainFrame::switchMode(int mode) {
    if (mode == m_current_mode || !ModeTable::find(mode)) return false;
    CCalculatorView* previous = activeView();
    // Only the visible view may have the engine working for it.
    if (previous) previous->cancelWork();
    const HandOver carried = previous ? handOver(m_current_mode, mode, *previous) : HandOver{};
    // The pane's id goes to the new view; the old one takes back its own.
    if (previous) previous->setObjectName(QString::number(m_current_mode));

    // The next start opens the mode the user chose last.
    m_store.writeString(RegistryNames::ROOT, RegistryNames::LAST_VIEW, std::to_wstring(mode));
    m_store.flush();
    setModeFlags(mode);

    CCalculatorView* next = view(mode);
    if (!next) next = createView(mode);
    if (!next) {
        if (previous) previous->setObjectName(QString::number(MAIN_PANE));
        return false;
    }
    next->setPendingText(carried.text);
    next->addMemoryEntries(carried.memory);
    activate(next);
    m_current_mode = mode;
    updateCommands();
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        // Not accepting the override lets the accelerator run instead.
        if (widget && widget->window() == this &&
            key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_A))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
