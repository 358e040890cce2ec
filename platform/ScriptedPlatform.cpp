#include "ScriptedPlatform.h"

namespace {
void append(std::vector<std::wstring>& to, const std::vector<std::wstring>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

template <class Queue>
void reportLeftovers(const Queue& answers, const wchar_t* what, std::vector<std::wstring>& out) {
    if (!answers.empty())
        out.push_back(std::to_wstring(answers.size()) + L" scripted " + what + L" answer(s) never asked for");
}
} // namespace

MessageAnswer ScriptedMessageBox::show(QWidget*, const std::wstring& text, const std::wstring& caption,
                                       MessageIcon icon, MessageButtons buttons) {
    m_shown.push_back({text, caption, icon, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (m_answers.empty()) {
        m_problems.push_back(L"unanswered question: " + text);
        return MessageAnswer::No;
    }
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<std::wstring> ScriptedMessageBox::problems() const {
    std::vector<std::wstring> out = m_problems;
    reportLeftovers(m_answers, L"message-box", out);
    return out;
}

bool ScriptedColorPicker::chooseColor(QWidget*, ColorRef& colour, const CustomColors& customColors) {
    m_requests.push_back({colour, customColors});
    if (m_answers.empty()) {
        m_problems.push_back(L"colour picker opened without a scripted answer");
        return false;
    }
    const std::optional<ColorRef> answer = m_answers.front();
    m_answers.pop_front();
    if (!answer) return false;
    colour = *answer;
    return true;
}

std::vector<std::wstring> ScriptedColorPicker::problems() const {
    std::vector<std::wstring> out = m_problems;
    reportLeftovers(m_answers, L"colour-picker", out);
    return out;
}

bool ScriptedFileDialog::answerRequest(FileRequest request, std::wstring& path) {
    m_requests.push_back(std::move(request));
    if (m_answers.empty()) {
        m_problems.push_back(L"file dialog opened without a scripted answer: " + m_requests.back().title);
        return false;
    }
    const std::optional<std::wstring> answer = m_answers.front();
    m_answers.pop_front();
    if (!answer) return false;
    path = *answer;
    return true;
}

bool ScriptedFileDialog::openFile(QWidget*, const std::wstring& title, const std::wstring& filter,
                                  std::wstring& path) {
    return answerRequest({false, title, filter, path}, path);
}

bool ScriptedFileDialog::saveFile(QWidget*, const std::wstring& title, const std::wstring& filter,
                                  const std::wstring&, std::wstring& path) {
    return answerRequest({true, title, filter, path}, path);
}

std::vector<std::wstring> ScriptedFileDialog::problems() const {
    std::vector<std::wstring> out = m_problems;
    reportLeftovers(m_answers, L"file-dialog", out);
    return out;
}

ScriptedPlatform::ScriptedPlatform() {
    m_previous = Platform::install({&messageBox, &colorPicker, &fileDialog, &inputPanel});
}

ScriptedPlatform::~ScriptedPlatform() {
    Platform::install(m_previous);
}

std::vector<std::wstring> ScriptedPlatform::problems() const {
    std::vector<std::wstring> out;
    append(out, messageBox.problems());
    append(out, colorPicker.problems());
    append(out, fileDialog.problems());
    return out;
}
