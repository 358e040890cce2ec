#include "CDlgDelMetricKind.h"

#include "LodrinIds.h"

namespace {
struct Texts {
    const wchar_t* title;
    const wchar_t* prompt;
};
constexpr Texts ENGLISH{L"Delete metric kind", L"Please select the metric kind which you want to delete."};
constexpr Texts GERMAN{L"Einheitenart löschen",
                       L"Bitte wählen Sie die Einheitenart aus, die Sie löschen möchten."};
} // namespace

CDlgDelMetricKind::CDlgDelMetricKind(QWidget* parent) : CDlgListChoice(parent, LodrinId::METRIC_KIND_LIST) {
    const Texts& t = LodrinUi::byLanguage(language(), ENGLISH, GERMAN);
    buildLayout(LodrinUi::qs(t.title), LodrinUi::qs(t.prompt), {});
}
