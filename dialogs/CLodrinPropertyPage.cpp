#include "CLodrinPropertyPage.h"

#include "CColorButton.h"
#include "CRangeList.h"
#include "LodrinIds.h"

CLodrinPropertyPage::CLodrinPropertyPage(int language, QWidget* parent)
    : QWidget(parent), m_language(language) {}

void CLodrinPropertyPage::showLibraryMessage(unsigned id, MessageIcon icon) {
    LodrinUi::showLibraryMessage(window(), id, m_language, icon);
}

CRangeList* CLodrinPropertyPage::createRangeList(int id, bool editable) {
    return LodrinUi::withId(new CRangeList(editable, this), id);
}

QComboBox* CLodrinPropertyPage::createCombo(int id) {
    return LodrinUi::withId(new QComboBox(this), id);
}

CColorButton* CLodrinPropertyPage::createColorButton(int id) {
    return LodrinUi::withId(new CColorButton(CColorButton::plotterCustomColors(), this), id);
}

CColorButton* CLodrinPropertyPage::createColorButtonNoBlack(int id) {
    CColorButton* button = createColorButton(id);
    button->setAcceptor([this](ColorRef colour) {
        if (colour != makeColorRef(0, 0, 0)) return true;
        showLibraryMessage(LodrinText::BLACK_NOT_ALLOWED, MessageIcon::Exclamation);
        return false;
    });
    return button;
}

bool CLodrinPropertyPage::readRange(int fromId, int toId, double& from, double& to) {
    double newFrom = from;
    double newTo = to;
    control<CRangeList>(fromId)->value(newFrom);
    control<CRangeList>(toId)->value(newTo);
    if (!(newTo > newFrom)) {
        showLibraryMessage(LodrinText::TO_VALUES_GREATER, MessageIcon::Exclamation);
        return false;
    }
    from = newFrom;
    to = newTo;
    return true;
}
