#include "CKeypadDialog.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "CKeypad.h"
#include "LodrinIds.h"

CKeypadDialog::CKeypadDialog(QWidget* parent) : CLodrinDialog(parent) {}

void CKeypadDialog::buildKeypadLayout(const QString& prompt, std::initializer_list<Field> fields,
                                      bool withDecimalKey) {
    auto* top = new QVBoxLayout(this);
    top->addWidget(createPrompt(prompt));

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* form = new QFormLayout;
    for (const Field& field : fields)
        form->addRow(LodrinUi::qs(field.label), createTargetEdit(field.id));
    left->addLayout(form);
    left->addWidget(createKeypad(withDecimalKey));
    body->addLayout(left, 1);
    body->addLayout(createOkCancel(true, Qt::Vertical));
    top->addLayout(body);
}

QLineEdit* CKeypadDialog::createTargetEdit(int id) {
    auto* edit = LodrinUi::withId(new QLineEdit(this), id);
    edit->installEventFilter(this);
    return edit;
}

CKeypad* CKeypadDialog::createKeypad(bool withDecimalKey) {
    auto* keypad = new CKeypad(withDecimalKey, this);
    connect(keypad, &CKeypad::keyPressed, this, &CKeypadDialog::add2Input);
    return keypad;
}

void CKeypadDialog::setKeypadTarget(int id) {
    if (auto* edit = control<QLineEdit>(id)) recordTarget(edit);
}

void CKeypadDialog::recordTarget(QLineEdit* edit) {
    bool ok = false;
    const int id = edit->objectName().toInt(&ok);
    if (!ok) return;
    m_target = id;
    m_selectionStart = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    m_selectionLength = static_cast<int>(edit->selectedText().size());
}

bool CKeypadDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) recordTarget(edit);
    }
    return CLodrinDialog::eventFilter(watched, event);
}

void CKeypadDialog::add2Input(const QString& text) {
    if (m_target < 0) return;
    auto* edit = control<QLineEdit>(m_target);
    if (!edit) return;
    if (!edit->hasFocus()) {
        const int length = static_cast<int>(edit->text().size());
        const int start = std::min(m_selectionStart, length);
        const int selected = std::min(m_selectionLength, length - start);
        if (selected > 0)
            edit->setSelection(start, selected);
        else
            edit->setCursorPosition(start);
    }
    edit->insert(text);
    if (!edit->hasSelectedText()) {
        if (text.contains(QStringLiteral("(,)")))
            edit->cursorBackward(false, 2);
        else if (text.contains(QStringLiteral("()")))
            edit->cursorBackward(false, 1);
    }
    // The focus stays on the keypad, so keep the caret for the next key.
    m_selectionStart = edit->cursorPosition();
    m_selectionLength = 0;
}
