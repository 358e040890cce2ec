#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Plain substring rewriting used by the pre-translation. Every operation is one
// pass over the text, so long formulas stay cheap however many rules run.
namespace TextRewrite {
// Number of non-overlapping occurrences of pattern, counted left to right.
std::size_t count(std::wstring_view text, std::wstring_view pattern);

// Replaces every non-overlapping occurrence of pattern, left to right, and
// returns how many were replaced. An empty pattern replaces nothing.
std::size_t replaceAll(std::wstring& text, std::wstring_view pattern, std::wstring_view replacement);

// The same, but first charges the text it would add to the budget of the
// running parse (ParseLimits), so that expansions cannot exhaust memory.
std::size_t replaceAllCharged(std::wstring& text, std::wstring_view pattern, std::wstring_view replacement);

// Releases the memory of a text that is no longer needed.
inline void release(std::wstring& text) {
    std::wstring().swap(text);
}
} // namespace TextRewrite
