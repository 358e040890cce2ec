#include "CliSession.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "CliText.h"
#include "Complex.h"
#include "DataFolder.h"

CliSession::CliSession(const CliOptions& options) : m_options(options), m_adapter(m_engine) {
    OrvantaCalcBase::setLanguage(options.language);
    Complex::s_use_j = options.useJ;
    m_adapter.settings() = options.settings;
    OrvantaCalcBase::setMessageBoxHandler(
        [](const std::wstring& text, OrvantaCalcBase::MessageIcon) { std::cerr << toUtf8(text) << '\n'; });
}

CliSession::~CliSession() { OrvantaCalcBase::setMessageBoxHandler(nullptr); }

void CliSession::prepareData() {
    if (m_data_ready) return;
    m_data_ready = true;
    // Converting and listing units only read: the files are never written
    // here, whatever state they are in; the user hears once what is wrong.
    m_engine.setDataFolder(DataFolder::resolveDefault());
    m_engine.initConverter(OrvantaCalcBase::DataAccess::ReadOnly);
    const std::wstring notice = m_engine.takeDataNotice();
    if (!notice.empty()) std::cerr << "orvanta-calc: " << toUtf8(notice) << '\n';
}

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> all = [] {
        std::vector<CliCommand> commands;
        for (const auto* group : {&dataCommands(), &analysisCommands()})
            commands.insert(commands.end(), group->begin(), group->end());
        return commands;
    }();
    return all;
}

const CliCommand* findCliCommand(const std::string& name) {
    for (const CliCommand& command : cliCommands())
        if (name == command.name) return &command;
    return nullptr;
}

void printLine(const std::wstring& text) { std::cout << toUtf8(text) << '\n'; }

double numberArgument(const std::string& text, const char* what) {
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value))
        throw UsageError{std::string(what) + ": '" + text + "' is not a number"};
    return value;
}
