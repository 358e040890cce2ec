#include "CLodrinDialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "DataExchange.h"
#include "LodrinIds.h"
#include "LodrinStarter.h"
#include "Screen.h"

namespace {
constexpr int ICON_SIZE = 32;

// The library's icons 138 (OK: a green check) and 139 (Cancel: a red cross).
QIcon drawIcon(bool ok) {
    QPixmap pixmap(ICON_SIZE, ICON_SIZE);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(ok ? QColor(0, 140, 0) : QColor(200, 0, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    if (ok) {
        QPainterPath path;
        path.moveTo(6, 17);
        path.lineTo(13, 25);
        path.lineTo(26, 7);
        p.drawPath(path);
    } else {
        p.drawLine(8, 8, 24, 24);
        p.drawLine(24, 8, 8, 24);
    }
    return QIcon(pixmap);
}

struct ButtonTexts {
    const wchar_t* ok;
    const wchar_t* cancel;
};
constexpr ButtonTexts ENGLISH_BUTTONS{L"OK", L"Cancel"};
constexpr ButtonTexts GERMAN_BUTTONS{L"OK", L"Abbrechen"};

// The program's window, for a dialog opened without a parent: the visible
// main window, else whatever window is active.
const QWidget* programWindow() {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && qobject_cast<const QMainWindow*>(widget)) return widget;
    return QApplication::activeWindow();
}

// The main window emulates the device screen: its client area is the screen.
// A dialog without a parent is placed over it all the same.
QRect screenArea(const QWidget* parent) {
    if (!parent) parent = programWindow();
    if (parent) {
        const QWidget* window = parent->window();
        return QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    }
    QRect area(0, 0, Screen::width(), Screen::height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        area.moveCenter(screen->availableGeometry().center());
    return area;
}
} // namespace

CLodrinDialog::CLodrinDialog(QWidget* parent) : QDialog(parent), m_language(LodrinStarter::s_language) {}

bool CLodrinDialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(this, m_language, saveAndValidate);
    DoDataExchange(dx);
    return !dx.failed();
}

void CLodrinDialog::accept() {
    OnOK();
}
void CLodrinDialog::reject() {
    OnCancel();
}

void CLodrinDialog::DoDataExchange(DataExchange&) {}

void CLodrinDialog::OnInitDialog() {
    UpdateData(false);
}

void CLodrinDialog::OnOK() {
    if (UpdateData(true)) EndDialog(QDialog::Accepted);
}

void CLodrinDialog::OnCancel() {
    EndDialog(QDialog::Rejected);
}

void CLodrinDialog::showLibraryMessage(unsigned id, MessageIcon icon) {
    LodrinUi::showLibraryMessage(this, id, m_language, icon);
}

QBoxLayout* CLodrinDialog::createOkCancel(bool images, Qt::Orientation orientation) {
    const ButtonTexts& texts = LodrinUi::byLanguage(m_language, ENGLISH_BUTTONS, GERMAN_BUTTONS);
    auto* layout =
        new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    auto* ok = LodrinUi::withId(new QPushButton(this), LodrinId::OK);
    auto* cancel = LodrinUi::withId(new QPushButton(this), LodrinId::CANCEL);
    if (images) {
        ok->setIcon(drawIcon(true));
        cancel->setIcon(drawIcon(false));
        for (QPushButton* b : {ok, cancel}) {
            b->setIconSize(QSize(ICON_SIZE, ICON_SIZE));
            b->setFixedSize(ICON_SIZE + 12, ICON_SIZE + 12);
        }
        ok->setToolTip(LodrinUi::qs(texts.ok));
        cancel->setToolTip(LodrinUi::qs(texts.cancel));
    } else {
        ok->setText(LodrinUi::qs(texts.ok));
        cancel->setText(LodrinUi::qs(texts.cancel));
    }
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CLodrinDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CLodrinDialog::reject);
    if (orientation == Qt::Horizontal) layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(cancel);
    if (orientation == Qt::Vertical) layout->addStretch();
    return layout;
}

QLabel* CLodrinDialog::createPrompt(const QString& text) {
    auto* prompt = LodrinUi::withId(new QLabel(text, this), LodrinId::PROMPT);
    prompt->setWordWrap(true);
    return prompt;
}

void CLodrinDialog::showEvent(QShowEvent* event) {
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
        place();
    }
    QDialog::showEvent(event);
}

void CLodrinDialog::place() {
    const QRect area = screenArea(parentWidget());
    if (m_fullScreen) {
        setGeometry(area);
        return;
    }
    adjustSize();
    QSize fitted = size().boundedTo(area.size());
    // Word-wrapped prompts need more lines, so more height, once the width
    // is cut to the screen's.
    if (layout() && layout()->hasHeightForWidth())
        fitted.setHeight(std::min(area.height(),
                                  std::max(fitted.height(), layout()->totalHeightForWidth(fitted.width()))));
    resize(fitted);
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
}
