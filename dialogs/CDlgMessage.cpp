#include "CDlgMessage.h"

#include <QBoxLayout>
#include <QLabel>

#include "DataExchange.h"
#include "LodrinIds.h"

namespace {
constexpr const wchar_t* ENGLISH_TITLE = L"Message";
constexpr const wchar_t* GERMAN_TITLE = L"Meldung";
} // namespace

CDlgMessage::CDlgMessage(QWidget* parent) : CLodrinDialog(parent) {
    setWindowTitle(LodrinUi::qs(LodrinUi::byLanguage(language(), ENGLISH_TITLE, GERMAN_TITLE)));
    auto* top = new QVBoxLayout(this);
    auto* text = LodrinUi::withId(new QLabel(this), LodrinId::MESSAGE_TEXT);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(text, 1);
    QBoxLayout* buttons = createOkCancel(false);
    // A message has nothing to cancel: only OK.
    control<QWidget>(LodrinId::CANCEL)->hide();
    top->addLayout(buttons);
}

void CDlgMessage::DoDataExchange(DataExchange& dx) {
    dx.text(LodrinId::MESSAGE_TEXT, m_text);
}
