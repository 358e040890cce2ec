#include "CDlgDelMetric.h"

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
};
constexpr Texts ENGLISH{L"Delete Metric", L"Please select the metric which you want to delete. It is not "
                                          L"possible to delete the base metric."};
constexpr Texts GERMAN{L"Einheit löschen", L"Bitte wählen Sie die Einheit aus, die Sie löschen möchten. Die "
                                           L"Basiseinheit kann nicht gelöscht werden."};
} // namespace

CDlgDelMetric::CDlgDelMetric(QWidget* parent) : CDlgListChoice(parent, LodrinId::METRIC_LIST) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    buildLayout(LodrinUi::qs(t.title), LodrinUi::qs(t.prompt), {});
}
