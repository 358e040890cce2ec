#include "DialogTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include "CDlgIntegral.h"
#include "CDlgRange.h"
#include "CDlgRangeSolver.h"
#include "CDlgRangeSteps.h"
#include "LodrinStrings.h"

namespace {
void resetRememberedValues() {
    CDlgRange::s_last_from = -10.0;
    CDlgRange::s_last_to = 10.0;
    CDlgRangeSolver::s_last_from = -10.0;
    CDlgRangeSolver::s_last_to = 10.0;
    CDlgRangeSteps::s_last_from = -2;
    CDlgRangeSteps::s_last_to = 2;
    CDlgRangeSteps::s_last_stepwidth = 1;
    CDlgIntegral::m_fromx = -10.0;
    CDlgIntegral::m_tox = 10.0;
    CDlgIntegral::m_width_int = 100;
    CDlgIntegral::m_type = 0;
    CDlgIntegral::m_absolut = 0;
}
} // namespace

std::wstring libraryText(unsigned id, int language) {
    return LodrinStrings::embedded().load(id, language);
}

void DialogTest::SetUp() {
    LodrinStarter::setLanguage(0);
    resetRememberedValues();
    m_previousRunner = LodrinStarter::setModalRunner([this](CLodrinDialog& dialog) {
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected modal dialog " << dialog.metaObject()->className();
            return static_cast<int>(QDialog::Rejected);
        }
        auto script = std::move(m_expected.front());
        m_expected.pop_front();
        dialog.show();
        if (!script(dialog)) return static_cast<int>(QDialog::Rejected);
        return dialog.isVisible() ? static_cast<int>(QDialog::Rejected) : dialog.result();
    });
    // Anything that still runs a real modal loop is closed and reported.
    m_watchdog = std::make_unique<QTimer>();
    m_watchdog->setInterval(50);
    QObject::connect(m_watchdog.get(), &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a real modal window opened: " << modal->metaObject()->className();
            modal->close();
        }
    });
    m_watchdog->start();
}

void DialogTest::TearDown() {
    m_watchdog.reset();
    LodrinStarter::setModalRunner(std::move(m_previousRunner));
    EXPECT_TRUE(m_expected.empty()) << m_expected.size() << " expected dialog(s) never opened";
    for (const std::wstring& problem : m_platform.problems())
        ADD_FAILURE() << "platform: " << QString::fromStdWString(problem).toStdString();
    LodrinStarter::setLanguage(0);
}

void DialogTest::showActive(QWidget& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog, 1000)) << "dialog did not become active";
}

QWidget* DialogTest::find(const QWidget& root, int id) {
    QWidget* w = root.findChild<QWidget*>(QString::number(id));
    if (!w) ADD_FAILURE() << "no control " << id;
    return w;
}

void DialogTest::type(const QWidget& root, int id, const QString& text) {
    QWidget* w = find(root, id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable())
        combo->setEditText(text);
    else if (w)
        ADD_FAILURE() << "control " << id << " takes no typed text";
}

QString DialogTest::text(const QWidget& root, int id) {
    QWidget* w = find(root, id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    return {};
}

void DialogTest::click(const QWidget& root, int id) {
    auto* button = qobject_cast<QAbstractButton*>(find(root, id));
    if (!button) {
        ADD_FAILURE() << "control " << id << " is no button";
        return;
    }
    QPoint at = button->rect().center();
    // A check box reacts only on its box (and text), not on the rest of its row.
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        QStyleOptionButton option;
        option.initFrom(box);
        at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

void DialogTest::focus(const QWidget& root, int id) {
    if (QWidget* w = find(root, id)) {
        w->setFocus(Qt::MouseFocusReason);
        EXPECT_TRUE(w->hasFocus()) << "control " << id << " did not take the focus";
    }
}

std::vector<std::wstring> DialogTest::takeMessages() {
    std::vector<std::wstring> out;
    for (const ShownMessage& m : m_platform.messageBox.shown())
        out.push_back(m.text);
    m_platform.messageBox.clear();
    return out;
}

std::wstring DialogTest::lastMessage() const {
    const auto& shown = m_platform.messageBox.shown();
    return shown.empty() ? std::wstring() : shown.back().text;
}
