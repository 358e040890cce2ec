#include "TextRewrite.h"

#include "ParseLimits.h"

namespace TextRewrite {
std::size_t count(std::wstring_view text, std::wstring_view pattern) {
    if (pattern.empty()) return 0;
    std::size_t n = 0;
    for (std::size_t pos = text.find(pattern); pos != std::wstring_view::npos;
         pos = text.find(pattern, pos + pattern.size()))
        ++n;
    return n;
}

std::size_t replaceAll(std::wstring& text, std::wstring_view pattern, std::wstring_view replacement) {
    if (pattern.empty()) return 0;
    std::size_t pos = text.find(pattern);
    if (pos == std::wstring::npos) return 0;
    std::wstring result;
    result.reserve(text.size() +
                   (replacement.size() > pattern.size() ? replacement.size() - pattern.size() : 0));
    std::size_t from = 0;
    std::size_t n = 0;
    for (; pos != std::wstring::npos; pos = text.find(pattern, from)) {
        result.append(text, from, pos - from);
        result.append(replacement);
        from = pos + pattern.size();
        ++n;
    }
    result.append(text, from, std::wstring::npos);
    text.swap(result);
    return n;
}

std::size_t replaceAllCharged(std::wstring& text, std::wstring_view pattern, std::wstring_view replacement) {
    if (replacement.size() > pattern.size()) {
        const std::size_t n = count(text, pattern);
        if (n == 0) return 0;
        ParseLimits::charge(n, replacement.size() - pattern.size());
    }
    return replaceAll(text, pattern, replacement);
}
} // namespace TextRewrite
