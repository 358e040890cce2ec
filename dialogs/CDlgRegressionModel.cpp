#include "CDlgRegressionModel.h"

#include <QComboBox>

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
};
constexpr Texts ENGLISH{L"Regression model", L"Please select the regression model:"};
constexpr Texts GERMAN{L"Regressionsmodell", L"Bitte wählen Sie das Regressionsmodell aus:"};

// Formulas read the same in both languages.
const std::vector<std::wstring> MODELS{L"y=ax + b", L"y=a*e^(bx)"};
} // namespace

CDlgRegressionModel::CDlgRegressionModel(QWidget* parent)
    : CDlgListChoice(parent, LodrinId::REGRESSION_LIST) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    buildLayout(LodrinUi::qs(t.title), LodrinUi::qs(t.prompt), {});
    m_items = MODELS;
}

void CDlgRegressionModel::OnOK() {
    if (list()->currentIndex() < 0) {
        showLibraryMessage(LodrinText::SELECT_REGRESSION);
        return;
    }
    CDlgListChoice::OnOK();
}
