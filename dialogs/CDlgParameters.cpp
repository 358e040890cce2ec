#include "CDlgParameters.h"

#include <QLineEdit>

#include "DataExchange.h"
#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
};
constexpr Texts ENGLISH{L"Parameters", L"Please specify the needed parameter(s) of the expression."};
constexpr Texts GERMAN{L"Parameter", L"Bitte geben Sie den/die benötigten Parameter des Ausdrucks an."};
} // namespace

CDlgParameters::CDlgParameters(QWidget* parent) : CKeypadDialog(parent) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    buildKeypadLayout(LodrinUi::qs(t.prompt),
                      {{LodrinId::PARAM_W, L"w:"},
                       {LodrinId::PARAM_X, L"x:"},
                       {LodrinId::PARAM_Y, L"y:"},
                       {LodrinId::PARAM_Z, L"z:"}},
                      true);
}

std::array<CDlgParameters::Parameter, 4> CDlgParameters::parameters() {
    return {Parameter{LodrinId::PARAM_W, m_useW, m_w}, Parameter{LodrinId::PARAM_X, m_useX, m_x},
            Parameter{LodrinId::PARAM_Y, m_useY, m_y}, Parameter{LodrinId::PARAM_Z, m_useZ, m_z}};
}

void CDlgParameters::DoDataExchange(DataExchange& dx) {
    for (Parameter& p : parameters())
        if (p.used) dx.number(p.id, p.value);
}

void CDlgParameters::OnInitDialog() {
    CKeypadDialog::OnInitDialog();
    bool first = true;
    for (const Parameter& p : parameters()) {
        auto* edit = control<QLineEdit>(p.id);
        edit->setEnabled(p.used);
        if (p.used && first) {
            // The first field needed has the focus, so the keypad types there
            // from the start.
            first = false;
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            setKeypadTarget(p.id);
        }
    }
}
