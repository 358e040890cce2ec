#include "OrvantaApp.h"

#include <cwchar>

#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "HelpLocation.h"
#include "ModeTable.h"
#include "RegistryNames.h"
#include "SettingsStore.h"
#include "StartupProbe.h"

OrvantaApp::OrvantaApp(SettingsStore& store)
    : m_store(store), m_help_candidates(HelpLocation::candidateFolders()) {}

OrvantaApp::~OrvantaApp() {
    m_frame.reset();
    m_document.reset();
}

int OrvantaApp::firstMode(const SettingsStore& store) {
    std::wstring text;
    if (!store.readString(RegistryNames::ROOT, RegistryNames::LAST_VIEW, text,
                          RegistryNames::LAST_VIEW_BUFFER_BYTES))
        return ModeTable::SCIENTIFIC;
    const long mode = std::wcstol(text.c_str(), nullptr, 10);
    return mode >= ModeTable::FIRST && mode <= ModeTable::LAST ? static_cast<int>(mode)
                                                               : ModeTable::SCIENTIFIC;
}

bool OrvantaApp::initInstance() {
    const int mode = firstMode(m_store);
    m_document = std::make_unique<COrvantaDoc>(m_store);
    StartupProbe::mark("document");
    // What an installation would do: tell the program where its help page is.
    HelpLocation::record(m_store, m_help_candidates);
    m_frame = std::make_unique<CMainFrame>(*m_document, m_store);
    StartupProbe::mark("frame");
    const bool created = m_frame->createFirstView(mode);
    StartupProbe::mark("first view");
    return created;
}
