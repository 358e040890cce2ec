#include "LodrinUi.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "LodrinStrings.h"
#include "Platform.h"

namespace LodrinUi {

namespace {
// Characters a long list shows before it cuts its items off.
constexpr int LONG_LIST_CHARACTERS = 8;
} // namespace

void setItems(QComboBox* combo, const std::vector<std::wstring>& items) {
    combo->clear();
    for (const std::wstring& item : items)
        combo->addItem(qs(item));
}

void allowLongItems(QComboBox* combo) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(LONG_LIST_CHARACTERS);
}

void refuseCharacters(QLineEdit* edit, const QString& characters) {
    const QRegularExpression allowed(QStringLiteral("[^%1]*").arg(QRegularExpression::escape(characters)));
    edit->setValidator(new QRegularExpressionValidator(allowed, edit));
}

void showLibraryMessage(QWidget* parent, unsigned id, int language, MessageIcon icon) {
    Platform::messageBox().show(parent, LodrinStrings::embedded().load(id, language), L"Orvanta", icon,
                                MessageButtons::Ok);
}

} // namespace LodrinUi
