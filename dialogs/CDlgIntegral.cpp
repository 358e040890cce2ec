#include "CDlgIntegral.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "DataExchange.h"
#include "LodrinIds.h"
#include "Platform.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* width;
    const wchar_t* type;
    const wchar_t* methods[3];
    const wchar_t* area;
};
constexpr Texts ENGLISH{
    L"Integral definition",
    L"Please specify the range in which the function should be integrated, and the stepwidth.",
    L"from:",
    L"to:",
    L"width: 1/",
    L"Type:",
    {L"Rectangular", L"Trapez", L"Simpson"},
    L"area calculation:"};
constexpr Texts GERMAN{L"Integraldefinition",
                       L"Bitte geben Sie den Bereich, in dem die Funktion integriert werden soll, und die "
                       L"Schrittweite an.",
                       L"von:",
                       L"bis:",
                       L"Breite: 1/",
                       L"Typ:",
                       {L"Rechteck", L"Trapez", L"Simpson"},
                       L"Flächenberechnung:"};

constexpr int WIDTHS[] = {100, 200, 500, 1000, 2000, 5000};
constexpr int WIDTH_COUNT = static_cast<int>(std::size(WIDTHS));
constexpr double LIMIT = 999.0;
} // namespace

double CDlgIntegral::m_fromx = -10.0;
double CDlgIntegral::m_tox = 10.0;
int CDlgIntegral::m_width_int = 100;
int CDlgIntegral::m_type = 0;
int CDlgIntegral::m_absolut = 0;

int CDlgIntegral::widthIndex(int widthInt) {
    for (int i = 0; i < WIDTH_COUNT - 1; ++i)
        if (WIDTHS[i] == widthInt) return i;
    return WIDTH_COUNT - 1;
}

int CDlgIntegral::widthFromIndex(int index) {
    return index >= 0 && index < WIDTH_COUNT ? WIDTHS[index] : WIDTHS[WIDTH_COUNT - 1];
}

CDlgIntegral::CDlgIntegral(QWidget* parent)
    : CLodrinDialog(parent), m_width(1.0 / m_width_int), m_from(m_fromx), m_to(m_tox), m_area(m_absolut) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));

    auto* top = new QVBoxLayout(this);
    auto* prompt = LodrinUi::withId(new QLabel(LodrinUi::qs(t.prompt), this), LodrinId::PROMPT);
    prompt->setWordWrap(true);
    top->addWidget(prompt);

    auto* form = new QFormLayout;
    for (int id : {LodrinId::EDIT_FROMX, LodrinId::EDIT_TOX}) {
        auto* edit = LodrinUi::withId(new QLineEdit(this), id);
        edit->installEventFilter(this);
        form->addRow(LodrinUi::qs(id == LodrinId::EDIT_FROMX ? t.from : t.to), edit);
    }
    auto* widths = LodrinUi::withId(new QComboBox(this), LodrinId::COMBO_WIDTH);
    for (int w : WIDTHS)
        widths->addItem(QString::number(w));
    form->addRow(LodrinUi::qs(t.width), widths);
    auto* methods = LodrinUi::withId(new QComboBox(this), LodrinId::COMBO_TYPE);
    for (const wchar_t* m : t.methods)
        methods->addItem(LodrinUi::qs(m));
    form->addRow(LodrinUi::qs(t.type), methods);
    form->addRow(LodrinUi::qs(t.area), LodrinUi::withId(new QCheckBox(this), LodrinId::CHECK_AREA));
    top->addLayout(form);
    top->addStretch();
    top->addLayout(createOkCancel(true));
}

void CDlgIntegral::DoDataExchange(DataExchange& dx) {
    dx.number(LodrinId::EDIT_FROMX, m_from, -LIMIT, LIMIT);
    dx.number(LodrinId::EDIT_TOX, m_to, -LIMIT, LIMIT);
    dx.check(LodrinId::CHECK_AREA, m_area);
}

void CDlgIntegral::OnInitDialog() {
    CLodrinDialog::OnInitDialog();
    control<QComboBox>(LodrinId::COMBO_WIDTH)->setCurrentIndex(widthIndex(m_width_int));
    auto* methods = control<QComboBox>(LodrinId::COMBO_TYPE);
    methods->setCurrentIndex(m_type >= 0 && m_type < methods->count() ? m_type : -1);
}

void CDlgIntegral::OnOK() {
    if (!UpdateData(true)) return;
    if (m_from > m_to) {
        showLibraryMessage(LodrinText::TO_VALUE_GREATER);
        return;
    }
    const int methodIndex = control<QComboBox>(LodrinId::COMBO_TYPE)->currentIndex();
    m_fromx = m_from;
    m_tox = m_to;
    m_absolut = m_area;
    m_width_int = widthFromIndex(control<QComboBox>(LodrinId::COMBO_WIDTH)->currentIndex());
    m_width = 1.0 / m_width_int;
    // With no method chosen the one used last time stays.
    if (methodIndex >= 0) m_type = methodIndex;
    EndDialog(Accepted);
}

void CDlgIntegral::OnCancel() {
    Platform::inputPanel().hide();
    CLodrinDialog::OnCancel();
}

bool CDlgIntegral::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && qobject_cast<QLineEdit*>(watched)) Platform::inputPanel().show();
    return CLodrinDialog::eventFilter(watched, event);
}
