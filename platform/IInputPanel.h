#pragma once

// The soft input panel (on-screen keyboard). A desktop has a real keyboard,
// so the default implementation does nothing; tests record the calls.
class IInputPanel {
public:
    virtual ~IInputPanel() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
};

class DesktopInputPanel : public IInputPanel {
public:
    void show() override {}
    void hide() override {}
};
