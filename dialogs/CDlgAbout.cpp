#include "CDlgAbout.h"

#include <QBoxLayout>
#include <QLabel>

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* version;
    const wchar_t* description;
};
constexpr Texts ENGLISH{
    L"About Orvanta", L"Version",
    L"A scientific and graphing calculator: expressions, function plots, function analysis, "
    L"equations, matrices, complex numbers, programmer arithmetic, statistics and units."};
constexpr Texts GERMAN{L"Über Orvanta", L"Version",
                       L"Ein wissenschaftlicher und grafischer Rechner: Ausdrücke, Funktionsgraphen, "
                       L"Funktionsanalyse, Gleichungen, Matrizen, komplexe Zahlen, Programmierer-Arithmetik, "
                       L"Statistik und Einheiten."};
} // namespace

CDlgAbout::CDlgAbout(QWidget* parent) : CLodrinDialog(parent) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    setWindowTitle(LodrinUi::qs(t.title));
    auto* top = new QVBoxLayout(this);
    auto* name =
        new QLabel(QStringLiteral("Orvanta %1 %2").arg(LodrinUi::qs(t.version), LodrinUi::qs(VERSION)), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    top->addWidget(name);
    auto* description = new QLabel(LodrinUi::qs(t.description), this);
    description->setWordWrap(true);
    top->addWidget(description, 1);
    top->addLayout(createOkCancel(false));
    control<QWidget>(2)->hide();
}
