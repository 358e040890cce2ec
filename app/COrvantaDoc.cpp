#include "COrvantaDoc.h"

#include <QApplication>
#include <algorithm>

#include "Complex.h"
#include "EngineTables.h"
#include "LodrinStarter.h"
#include "ParameterPrompt.h"
#include "Platform.h"

namespace {
MessageIcon toPlatformIcon(OrvantaCalcBase::MessageIcon icon) {
    switch (icon) {
    case OrvantaCalcBase::MessageIcon::Exclamation:
        return MessageIcon::Exclamation;
    case OrvantaCalcBase::MessageIcon::Stop:
        return MessageIcon::Stop;
    case OrvantaCalcBase::MessageIcon::None:
        break;
    }
    return MessageIcon::None;
}

// The few messages the engine shows itself appear over the active window.
void showEngineMessage(const std::wstring& text, OrvantaCalcBase::MessageIcon icon) {
    Platform::messageBox().show(QApplication::activeWindow(), text, L"Orvanta", toPlatformIcon(icon),
                                MessageButtons::Ok);
}
} // namespace

COrvantaDoc::COrvantaDoc(SettingsStore& store, const std::filesystem::path& dataFolder)
    : m_store(store), m_engine(std::make_unique<OrvantaCalcBase>()),
      m_adapter(std::make_unique<EngineAdapter>(*m_engine)) {
    OrvantaCalcBase::setMessageBoxHandler(showEngineMessage);
    m_adapter->setParameterSource(askParameters);

    loadUserKeys();
    loadConstants();
    loadEquations();
    loadNumberFormat();
    markFirstStart();
    loadAngleUnit();
    loadLanguage();
    loadColours();
    loadFlags();
    loadHistory();

    // The unit files live in the engine's data folder; a first start puts
    // the shipped integral table there too.
    m_engine->setDataFolder(dataFolder);
    if (!dataFolder.empty()) m_engine->prepareDataFolder();
    m_engine->initConverter();
    // Unit files moved aside or left alone, or a folder that cannot be
    // written: said once, at start.
    if (const std::wstring notice = m_engine->takeDataNotice(); !notice.empty())
        showEngineMessage(notice, OrvantaCalcBase::MessageIcon::Exclamation);
}

COrvantaDoc::~COrvantaDoc() {
    m_adapter.reset();
    m_engine.reset();
    OrvantaCalcBase::setMessageBoxHandler({});
    writeAngleUnit();
    writeHistory();
}

// Any language but 0 is German. Messages of the engine and of the dialogs are
// loaded by id + 1000 x language, so only 0 and 1 may reach them.
void COrvantaDoc::setLanguage(int language) {
    m_language = language != 0 ? 1 : 0;
    OrvantaCalcBase::setLanguage(m_language);
    LodrinStarter::setLanguage(m_language);
}

void COrvantaDoc::setUseJ(bool useJ) {
    m_useJ = useJ ? 1 : 0;
    Complex::s_use_j = useJ;
}

ColorRef COrvantaDoc::viewBackground() const {
    return m_stdBackground ? ColorRef(0x808080) : m_plot.background;
}

void COrvantaDoc::setUserKey(int slot, const std::wstring& caption, const std::wstring& formula) {
    m_engine->initFunctions(slot, caption, formula);
    writeUserKeys();
}

void COrvantaDoc::setConstant(int slot, const std::wstring& name, const std::wstring& value) {
    m_engine->setConst(slot, name, value);
    writeConstants();
}

void COrvantaDoc::setEquation(int slot, const std::wstring& name, const std::wstring& equation,
                              const std::wstring& params, const std::wstring& values) {
    m_engine->setEquation(slot, name, equation, params, values);
    writeEquations();
}

void COrvantaDoc::addToHistory(const std::wstring& text) {
    if (std::find(m_history.begin(), m_history.end(), text) != m_history.end()) return;
    m_history.push_front(text);
    while (m_history.size() > static_cast<std::size_t>(HISTORY_SIZE))
        m_history.pop_back();
}

std::wstring COrvantaDoc::getHistory(int index) const {
    if (index < 0 || index >= getHistorySize()) return std::wstring();
    return *std::next(m_history.begin(), index);
}
