#include "CDlgItemSelection.h"

#include "LodrinIds.h"

CDlgItemSelection::CDlgItemSelection(const std::wstring& title, const std::wstring& prompt, QWidget* parent)
    : CDlgListChoice(parent, LodrinId::ITEM_LIST) {
    buildLayout(LodrinUi::qs(title), LodrinUi::qs(prompt), {});
}
