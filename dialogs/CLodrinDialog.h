#pragma once
#include <QDialog>

#include "LodrinUi.h"

class DataExchange;
class QBoxLayout;
class QLabel;
class QPushButton;

// Base of every dialog of the library. A dialog takes the launcher's language
// when it is constructed and keeps it while it is open. OK and Cancel run
// OnOK and OnCancel, which decide whether the dialog really closes; values go
// between members and controls through DoDataExchange, as on the handheld.
class CLodrinDialog : public QDialog {
    Q_OBJECT
public:
    explicit CLodrinDialog(QWidget* parent);

    int language() const { return m_language; }
    bool isGerman() const { return m_language == 1; }

    // Full-screen dialogs cover the main window's screen area; the others are
    // as large as their contents, at most the size of the emulated screen.
    void setFullScreen(bool fullScreen) { m_fullScreen = fullScreen; }
    bool isFullScreenDialog() const { return m_fullScreen; }

    template <class T = QWidget> T* control(int id) const { return LodrinUi::control<T>(this, id); }

    // Moves member values into the controls (false) or takes the controls'
    // values over with validation (true). False when a value was refused;
    // the user has then been told and the offending control has the focus.
    bool UpdateData(bool saveAndValidate = true);

    void accept() override;
    void reject() override;

protected:
    virtual void DoDataExchange(DataExchange& dx);
    // Runs once, when the dialog is first shown (after the caller has set its
    // members); the default fills the controls.
    virtual void OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result) { QDialog::done(result); }

    void showLibraryMessage(unsigned id, MessageIcon icon = MessageIcon::None);

    // The OK and Cancel buttons (ids 1 and 2). The image variant shows the
    // library's check and cross icons, as the dialogs with a keypad do.
    QBoxLayout* createOkCancel(bool images, Qt::Orientation orientation = Qt::Horizontal);

    // The word-wrapped prompt at the top of a dialog (static 1252).
    QLabel* createPrompt(const QString& text);

    void showEvent(QShowEvent* event) override;

private:
    void place();

    int m_language;
    bool m_fullScreen = false;
    bool m_initialised = false;
};
