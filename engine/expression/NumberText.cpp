#include "NumberText.h"

#include <clocale>
#include <cstdio>
#include <cwchar>
#include <locale.h>
#include <string>

namespace {
locale_t cLocale() {
    static const locale_t s_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return s_locale;
}

// Makes the "C" locale current for this thread while it lives.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(cLocale() ? uselocale(cLocale()) : static_cast<locale_t>(nullptr)) {}
    ~CLocaleScope() {
        if (m_previous) uselocale(m_previous);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous;
};

template <typename... Args> std::wstring print(const char* pattern, Args... args) {
    CLocaleScope scope;
    char small[128];
    int n = std::snprintf(small, sizeof small, pattern, args...);
    if (n < 0) return std::wstring();
    std::string text;
    if (static_cast<std::size_t>(n) < sizeof small) {
        text.assign(small, static_cast<std::size_t>(n));
    } else {
        text.resize(static_cast<std::size_t>(n) + 1);
        std::snprintf(text.data(), text.size(), pattern, args...);
        text.resize(static_cast<std::size_t>(n));
    }
    return std::wstring(text.begin(), text.end());
}
} // namespace

namespace NumberText {
double toDouble(const std::wstring& text) {
    if (!cLocale()) return std::wcstod(text.c_str(), nullptr);
    return wcstod_l(text.c_str(), nullptr, cLocale());
}

std::wstring format(const char* pattern, double value) {
    return print(pattern, value);
}
std::wstring format(const char* pattern, int a, double value) {
    return print(pattern, a, value);
}
std::wstring format(const char* pattern, int a, int b, double value) {
    return print(pattern, a, b, value);
}
} // namespace NumberText
