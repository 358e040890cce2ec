#include "DataExchange.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <regex>

#include "LodrinUi.h"
#include "NumberText.h"
#include "Platform.h"

namespace {
struct ValidationTexts {
    const wchar_t* number;
    const wchar_t* numberRange;
    const wchar_t* integer;
    const wchar_t* integerRange;
};
constexpr ValidationTexts ENGLISH{L"Please enter a number.", L"Please enter a number between %1 and %2.",
                                  L"Please enter an integer.", L"Please enter an integer between %1 and %2."};
constexpr ValidationTexts GERMAN{
    L"Bitte geben Sie eine Zahl ein.", L"Bitte geben Sie eine Zahl zwischen %1 und %2 ein.",
    L"Bitte geben Sie eine ganze Zahl ein.", L"Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein."};

// Doubles are shown with 15 significant digits, so what the user sees is what
// comes back.
std::wstring formatNumber(double value) {
    const std::string text = NumberText::general(value);
    return std::wstring(text.begin(), text.end());
}

std::wstring trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    const auto last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

std::wstring withLimits(const wchar_t* pattern, const std::wstring& min, const std::wstring& max) {
    std::wstring out = pattern;
    out.replace(out.find(L"%1"), 2, min);
    out.replace(out.find(L"%2"), 2, max);
    return out;
}

constexpr std::size_t MAX_NUMBER_LENGTH = 64;
} // namespace

DataExchange::DataExchange(QWidget* root, int language, bool saveAndValidate)
    : m_root(root), m_language(language), m_save(saveAndValidate) {}

bool DataExchange::parseNumber(const std::wstring& input, double& value) {
    // Only decimal notation: no "inf", "nan" or hexadecimal forms.
    static const std::wregex pattern(L"[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?");
    const std::wstring text = trimmed(input);
    if (text.empty() || text.size() > MAX_NUMBER_LENGTH || !std::regex_match(text, pattern)) return false;
    return NumberText::leadingNumber(std::string(text.begin(), text.end()), value);
}

bool DataExchange::parseInteger(const std::wstring& input, long long& value) {
    static const std::wregex pattern(L"[+-]?[0-9]+");
    const std::wstring text = trimmed(input);
    if (text.empty() || !std::regex_match(text, pattern)) return false;
    // Far beyond every limit but still representable: longer texts are
    // reported as out of range, never overflow.
    std::size_t digits = text.size() - ((text[0] == L'+' || text[0] == L'-') ? 1 : 0);
    if (digits > 18) {
        value = text[0] == L'-' ? -1000000000000000000LL : 1000000000000000000LL;
        return true;
    }
    value = std::stoll(std::string(text.begin(), text.end()));
    return true;
}

void DataExchange::number(int id, double& value, double min, double max) {
    if (m_failed) return;
    auto* edit = LodrinUi::control<QLineEdit>(m_root, id);
    if (!edit) return;
    if (!m_save) {
        edit->setText(LodrinUi::qs(formatNumber(value)));
        return;
    }
    const ValidationTexts& t = LodrinUi::byLanguage(m_language, ENGLISH, GERMAN);
    double parsed = 0;
    if (!parseNumber(edit->text().toStdWString(), parsed)) return fail(edit, t.number);
    if (!(parsed >= min && parsed <= max))
        return fail(edit, withLimits(t.numberRange, formatNumber(min), formatNumber(max)));
    value = parsed;
}

void DataExchange::number(int id, double& value) {
    if (m_failed) return;
    auto* edit = LodrinUi::control<QLineEdit>(m_root, id);
    if (!edit) return;
    if (!m_save) {
        edit->setText(LodrinUi::qs(formatNumber(value)));
        return;
    }
    double parsed = 0;
    // A number too large for a double is no number the calculator can use.
    if (!parseNumber(edit->text().toStdWString(), parsed) || !std::isfinite(parsed))
        return fail(edit, LodrinUi::byLanguage(m_language, ENGLISH, GERMAN).number);
    value = parsed;
}

void DataExchange::integer(int id, int& value, int min, int max) {
    if (m_failed) return;
    auto* edit = LodrinUi::control<QLineEdit>(m_root, id);
    if (!edit) return;
    if (!m_save) {
        edit->setText(QString::number(value));
        return;
    }
    const ValidationTexts& t = LodrinUi::byLanguage(m_language, ENGLISH, GERMAN);
    long long parsed = 0;
    if (!parseInteger(edit->text().toStdWString(), parsed)) return fail(edit, t.integer);
    if (parsed < min || parsed > max)
        return fail(edit, withLimits(t.integerRange, std::to_wstring(min), std::to_wstring(max)));
    value = static_cast<int>(parsed);
}

void DataExchange::check(int id, int& value) {
    if (m_failed) return;
    auto* box = LodrinUi::control<QAbstractButton>(m_root, id);
    if (!box) return;
    if (m_save)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void DataExchange::text(int id, std::wstring& value) {
    if (m_failed) return;
    if (auto* edit = LodrinUi::control<QLineEdit>(m_root, id)) {
        if (m_save)
            value = edit->text().toStdWString();
        else
            edit->setText(LodrinUi::qs(value));
    } else if (auto* label = LodrinUi::control<QLabel>(m_root, id)) {
        if (!m_save) label->setText(LodrinUi::qs(value));
    }
}

void DataExchange::fail(QWidget* control, std::wstring message) {
    m_failed = true;
    Platform::messageBox().show(m_root->window(), message, L"Orvanta", MessageIcon::Exclamation,
                                MessageButtons::Ok);
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}
