#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "Platform.h"

// Platform services for tests: they record what the code under test showed and
// answer as the test scripted it, without ever opening a window. Anything the
// script did not foresee (a question without an answer) is recorded as a
// problem, so a test fails instead of blocking.

struct ShownMessage {
    std::wstring text;
    std::wstring caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class ScriptedMessageBox : public IMessageBox {
public:
    // Queues the answer to the next Yes/No question; OK boxes need none.
    void answer(MessageAnswer answer) { m_answers.push_back(answer); }
    const std::vector<ShownMessage>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

    MessageAnswer show(QWidget* parent, const std::wstring& text, const std::wstring& caption,
                       MessageIcon icon, MessageButtons buttons) override;

    std::vector<std::wstring> problems() const;

private:
    std::deque<MessageAnswer> m_answers;
    std::vector<ShownMessage> m_shown;
    std::vector<std::wstring> m_problems;
};

struct ColorRequest {
    ColorRef initial = 0;
    CustomColors customColors{};
};

class ScriptedColorPicker : public IColorPicker {
public:
    void answer(ColorRef colour) { m_answers.emplace_back(colour); }
    void cancel() { m_answers.emplace_back(std::nullopt); }
    const std::vector<ColorRequest>& requests() const { return m_requests; }

    bool chooseColor(QWidget* parent, ColorRef& colour, const CustomColors& customColors) override;

    std::vector<std::wstring> problems() const;

private:
    std::deque<std::optional<ColorRef>> m_answers;
    std::vector<ColorRequest> m_requests;
    std::vector<std::wstring> m_problems;
};

struct FileRequest {
    bool save = false;
    std::wstring title;
    std::wstring filter;
    std::wstring proposed;
};

class ScriptedFileDialog : public IFileDialog {
public:
    void answer(const std::wstring& path) { m_answers.emplace_back(path); }
    void cancel() { m_answers.emplace_back(std::nullopt); }
    const std::vector<FileRequest>& requests() const { return m_requests; }

    bool openFile(QWidget* parent, const std::wstring& title, const std::wstring& filter,
                  std::wstring& path) override;
    bool saveFile(QWidget* parent, const std::wstring& title, const std::wstring& filter,
                  const std::wstring& defaultSuffix, std::wstring& path) override;

    std::vector<std::wstring> problems() const;

private:
    bool answerRequest(FileRequest request, std::wstring& path);

    std::deque<std::optional<std::wstring>> m_answers;
    std::vector<FileRequest> m_requests;
    std::vector<std::wstring> m_problems;
};

class ScriptedInputPanel : public IInputPanel {
public:
    void show() override {
        ++m_shows;
        m_visible = true;
    }
    void hide() override {
        ++m_hides;
        m_visible = false;
    }
    int shows() const { return m_shows; }
    int hides() const { return m_hides; }
    bool visible() const { return m_visible; }

private:
    int m_shows = 0;
    int m_hides = 0;
    bool m_visible = false;
};

// Installs the four scripted services for its lifetime.
class ScriptedPlatform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform();
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    ScriptedMessageBox messageBox;
    ScriptedColorPicker colorPicker;
    ScriptedFileDialog fileDialog;
    ScriptedInputPanel inputPanel;

    // Questions nobody scripted an answer for, and answers nobody asked for.
    std::vector<std::wstring> problems() const;

private:
    Platform::Services m_previous;
};
