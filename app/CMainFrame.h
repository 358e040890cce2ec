#pragma once
#include <QMainWindow>
#include <map>
#include <string>
#include <vector>

class CCalculatorView;
class COrvantaDoc;
class QAction;
class QKeySequence;
class QSize;
class QStackedLayout;
class QToolBar;
class SettingsStore;

// The main window: the menu bar in the user's language, the command bar with
// the Cut, Copy and Paste buttons, and the pane in which exactly one mode view
// is visible. Its client area is the emulated device screen.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The id the visible view carries; hidden views carry their mode's id.
    static constexpr int MAIN_PANE = 59648;

    CMainFrame(COrvantaDoc& document, SettingsStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Start-up: creates the view of the first mode and makes it current.
    bool createFirstView(int mode);
    // Switches to the mode with that command id; false when nothing changed.
    bool switchMode(int mode);
    int currentMode() const { return m_current_mode; }
    CCalculatorView* activeView() const;
    // The view of a mode, or nullptr when it was never shown.
    CCalculatorView* view(int mode) const;

    // The language setting changed: the menu is replaced at once and the
    // active view relabels itself.
    void languageChanged();
    int menuResource() const { return m_menu_resource; }

    // Runs a menu, accelerator or tool-button command.
    void onCommand(int id);
    // Sets check marks and enabled states as the menus show them.
    void updateCommands();
    QAction* action(int id) const;
    QToolBar* commandBar() const { return m_command_bar; }

    // Shows the window: maximised when the user left it so on the desktop.
    void showAsLeft();
    // The desktop window's size as the settings hold it; the default
    // screen's when they hold none that fits.
    static QSize storedSize(const SettingsStore& store);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every way out (File > Exit, the window's close button, a termination
    // signal) passes here: the desktop window records its size.
    void closeEvent(QCloseEvent* event) override;

private:
    // A window-wide shortcut that runs the command id.
    QAction* addAccelerator(const QKeySequence& keys, int id);
    void buildMenu(int resource);
    void buildCommandBar();
    void saveWindowSize();
    void relabelCommandBar();
    void setModeFlags(int mode);
    void showOfflineHelp();
    void showAbout();
    CCalculatorView* createView(int mode);
    void activate(CCalculatorView* view);

    // Texts and memory-list entries that travel between the function
    // calculator and the plotter.
    struct HandOver {
        std::wstring text;
        std::vector<std::wstring> memory;
    };
    static HandOver handOver(int from, int to, const CCalculatorView& view);

    COrvantaDoc& m_document;
    SettingsStore& m_store;
    int m_current_mode = 0;
    int m_menu_resource = 0;
    std::map<int, CCalculatorView*> m_views;
    std::map<int, QAction*> m_actions;
    std::map<int, QAction*> m_tool_actions;
    QWidget* m_pane = nullptr;
    QStackedLayout* m_stack = nullptr;
    QToolBar* m_command_bar = nullptr;
    QAction* m_about_accelerator = nullptr;
};
