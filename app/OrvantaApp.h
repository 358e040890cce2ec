#pragma once
#include <filesystem>
#include <memory>
#include <vector>

class CMainFrame;
class COrvantaDoc;
class SettingsStore;

// The application: picks the first mode from "LastView", then creates the
// document (which loads every setting), the main frame and the first view.
class OrvantaApp {
public:
    explicit OrvantaApp(SettingsStore& store);
    ~OrvantaApp();
    OrvantaApp(const OrvantaApp&) = delete;
    OrvantaApp& operator=(const OrvantaApp&) = delete;

    // False when the first view could not be created.
    bool initInstance();

    // The mode to start in: "LastView" when it names a mode, else the
    // scientific calculator.
    static int firstMode(const SettingsStore& store);

    // Folders searched for the help page at start-up; the program's own by default.
    void setHelpCandidates(std::vector<std::filesystem::path> folders) {
        m_help_candidates = std::move(folders);
    }

    COrvantaDoc* document() const { return m_document.get(); }
    CMainFrame* frame() const { return m_frame.get(); }

private:
    SettingsStore& m_store;
    std::vector<std::filesystem::path> m_help_candidates;
    // The frame goes first at exit: its views use the document.
    std::unique_ptr<COrvantaDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};
