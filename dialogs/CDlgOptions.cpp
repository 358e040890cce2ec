#include "CDlgOptions.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>

#include "CColorButton.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* mode;
    const wchar_t* modes[3];
    const wchar_t* precision;
    const wchar_t* language;
    const wchar_t* standardBackground;
    const wchar_t* backgroundColour;
    const wchar_t* useJ;
    const wchar_t* resultInInput;
};
constexpr Texts ENGLISH{L"Options",
                        L"Numeric Mode:",
                        {L"floating point", L"scientific", L"engineering"},
                        L"Precision:",
                        L"Language:",
                        L"Std. backround:",
                        L"Backgroundcolor",
                        L"\"j\" instead \"i\":",
                        L"Show result in input field:"};
constexpr Texts GERMAN{
    L"Optionen",         L"Zahlenmodus:",       {L"Gleitkomma", L"wissenschaftlich", L"technisch"},
    L"Genauigkeit:",     L"Sprache:",           L"Std. Hintergrund:",
    L"Hintergrundfarbe", L"\"j\" statt \"i\":", L"Ergebnis im Eingabefeld zeigen:"};

constexpr int MAX_PRECISION = 14;
// Language names are written in their own language in both dialogs.
constexpr const wchar_t* LANGUAGES[] = {L"English", L"Deutsch"};
} // namespace

CDlgOptions::CDlgOptions(QWidget* parent) : CLodrinDialog(parent) {
    using LodrinUi::qs;
    using LodrinUi::withId;
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(qs(t.title));
    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* mode = withId(new QComboBox(this), LodrinId::OPT_MODE);
    for (const wchar_t* item : t.modes)
        mode->addItem(qs(item));
    form->addRow(qs(t.mode), mode);
    auto* precision = withId(new QComboBox(this), LodrinId::OPT_PRECISION);
    LodrinUi::addNumberItems(precision, 1, MAX_PRECISION);
    form->addRow(qs(t.precision), precision);
    auto* languages = withId(new QComboBox(this), LodrinId::OPT_LANGUAGE);
    for (const wchar_t* item : LANGUAGES)
        languages->addItem(qs(item));
    form->addRow(qs(t.language), languages);
    form->addRow(qs(t.standardBackground), withId(new QCheckBox(this), LodrinId::OPT_STD_BACKGROUND));
    form->addRow(qs(t.backgroundColour), withId(new CColorButton(CColorButton::optionsCustomColors(), this),
                                                LodrinId::OPT_BACKGROUND_COLOR));
    form->addRow(qs(t.useJ), withId(new QCheckBox(this), LodrinId::OPT_USE_J));
    form->addRow(qs(t.resultInInput), withId(new QCheckBox(this), LodrinId::OPT_RESULT_IN_INPUT));
    top->addLayout(form);
    top->addStretch();
    top->addLayout(createOkCancel(false));
}

void CDlgOptions::OnInitDialog() {
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::OPT_MODE), m_mode);
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::OPT_PRECISION), m_precision - 1);
    LodrinUi::selectIndex(control<QComboBox>(LodrinId::OPT_LANGUAGE), m_language);
    control<QCheckBox>(LodrinId::OPT_STD_BACKGROUND)->setChecked(m_standardBackground != 0);
    control<CColorButton>(LodrinId::OPT_BACKGROUND_COLOR)->setColour(m_backgroundColour);
    control<QCheckBox>(LodrinId::OPT_USE_J)->setChecked(m_useJ);
    control<QCheckBox>(LodrinId::OPT_RESULT_IN_INPUT)->setChecked(m_resultInInput);
}

void CDlgOptions::OnOK() {
    const int mode = LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::OPT_MODE), m_mode);
    const int precision =
        LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::OPT_PRECISION), m_precision - 1) + 1;
    if (mode == MODE_ENGINEERING && precision < MIN_ENGINEERING_PRECISION) {
        showLibraryMessage(LodrinText::ENGINEERING_DIGITS);
        return;
    }
    m_mode = mode;
    m_precision = precision;
    m_language = LodrinUi::currentIndexOr(control<QComboBox>(LodrinId::OPT_LANGUAGE), m_language);
    m_standardBackground = control<QCheckBox>(LodrinId::OPT_STD_BACKGROUND)->isChecked() ? 1 : 0;
    m_backgroundColour = control<CColorButton>(LodrinId::OPT_BACKGROUND_COLOR)->colour();
    m_useJ = control<QCheckBox>(LodrinId::OPT_USE_J)->isChecked();
    m_resultInInput = control<QCheckBox>(LodrinId::OPT_RESULT_IN_INPUT)->isChecked();
    EndDialog(Accepted);
}
