// Validation of an input line before anything is parsed: the first failing
// step leaves its message in the last error.
#include <string_view>

#include "MessageIds.h"
#include "OrvantaCalcBase.h"

namespace {
// A row of the forbidden-pattern table: every character of the set placed
// before (pre) or after (post) the key forms a pattern that must not occur.
struct PatternRow {
    bool pre;
    wchar_t key;
    const wchar_t* normalSet;
    const wchar_t* computerSet;
};

const PatternRow s_pattern_rows[] = {
    {true, L'*', L"/-+.^%*", L"/-+.^%*"},
    {false, L'*', L"/+^%*)", L"/+^%*)"},
    {true, L'/', L"/-+.^%*", L"/-+.^%*"},
    {false, L'/', L"/+^%*)", L"/+^%*)"},
    {true, L'^', L"/-+.^%*", L"/-+.^%*"},
    {false, L'^', L"/+^%*)", L"/+^%*)"},
    {true, L'!', L"!%*/-+.(", L"!%*/-+.("},
    {false, L'!', L"0123456789.", L"0123456789."},
    {true, L')', L"*/-+.^%", L"*/-+.^%("},
    {false, L')', L"0123456789.sctleP", L"0123456789.sctleP"},
    {true, L'(', L".!", L"0123456789.ie!"},
    {false, L'(', L"!*+/^", L"!*+/^)"},
    {true, L'E', L"E!+-/*)(.^%#sctlP", L"!).^%#sctleP"},
    {false, L'E', L"E!/*)(.^%#sctleP", L"!(.^%#sctleP"},
};

// Checked after the rows, in both variants.
const wchar_t* const s_whole_patterns[] = {L"pipi", L"ee", L"pie", L"epie", L"y*)", L"x*)",
                                           L"][",   L"=>", L"=<",  L"==",   L"<<",  L">>"};

constexpr std::wstring_view s_bad_beginning = L"*+/^!) ";
constexpr std::wstring_view s_bad_beginning_computer = L"*+/^.!) ";
constexpr std::wstring_view s_bad_end = L"*+-/^.(E";
constexpr std::wstring_view s_bad_end_computer = L"*+-/^.(";

} // namespace

bool OrvantaCalcBase::failWith(unsigned int messageId) {
    setLastError(loadString(messageId));
    return false;
}

bool OrvantaCalcBase::proove_len(std::wstring& input) {
    return !input.empty() || failWith(MessageId::NOTHING_TO_CALCULATE);
}

bool OrvantaCalcBase::proove_beginning(std::wstring& input) {
    return s_bad_beginning.find(input.front()) == std::wstring_view::npos ||
           failWith(MessageId::BAD_BEGINNING);
}

bool OrvantaCalcBase::proove_beginning_computer(std::wstring& input) {
    return s_bad_beginning_computer.find(input.front()) == std::wstring_view::npos ||
           failWith(MessageId::BAD_BEGINNING);
}

bool OrvantaCalcBase::proove_end(std::wstring& input) {
    return s_bad_end.find(input.back()) == std::wstring_view::npos || failWith(MessageId::BAD_END);
}

bool OrvantaCalcBase::proove_end_computer(std::wstring& input) {
    return s_bad_end_computer.find(input.back()) == std::wstring_view::npos || failWith(MessageId::BAD_END);
}

bool OrvantaCalcBase::proove_parenthesis(std::wstring& input) {
    long depth = 0;
    for (wchar_t c : input) {
        if (c == L'(') {
            ++depth;
        } else if (c == L')') {
            if (depth == 0) return failWith(MessageId::PARENTHESIS_CHECK);
            --depth;
        }
    }
    return depth == 0 || failWith(MessageId::PARENTHESIS_CHECK);
}

bool OrvantaCalcBase::proove_pattern(std::wstring& input, const std::wstring& pattern) {
    return proove_pattern(input, pattern, pattern);
}

bool OrvantaCalcBase::proove_pattern(std::wstring& input, const std::wstring& pattern, const std::wstring& shown) {
    if (input.find(pattern) == std::wstring::npos) return true;
    setLastError(loadString(MessageId::PATTERN) + L" " + shown);
    return false;
}

bool OrvantaCalcBase::proove_pattern_pre(std::wstring& input, const std::wstring& set, wchar_t ch) {
    for (wchar_t c : set)
        if (!proove_pattern(input, std::wstring{c, ch})) return false;
    return true;
}

bool OrvantaCalcBase::proove_pattern_post(std::wstring& input, const std::wstring& set, wchar_t ch) {
    for (wchar_t c : set)
        if (!proove_pattern(input, std::wstring{ch, c})) return false;
    return true;
}

bool OrvantaCalcBase::prooveAllPatterns(std::wstring& input, bool computer) {
    for (const PatternRow& row : s_pattern_rows) {
        const std::wstring set = computer ? row.computerSet : row.normalSet;
        bool ok = row.pre ? proove_pattern_pre(input, set, row.key) : proove_pattern_post(input, set, row.key);
        if (!ok) return false;
    }
    for (const wchar_t* pattern : s_whole_patterns)
        if (!proove_pattern(input, pattern)) return false;
    return true;
}

bool OrvantaCalcBase::proove_patterns(std::wstring& input) { return prooveAllPatterns(input, false); }

bool OrvantaCalcBase::proove_patterns_computer(std::wstring& input) { return prooveAllPatterns(input, true); }

// The imaginary units may not be doubled, and "j" is no function name.
bool OrvantaCalcBase::proove_imaginary(std::wstring& input) {
    return proove_pattern_pre(input, L"j", L'j') && proove_pattern_post(input, L"(", L'j') &&
           proove_pattern(input, L"jj") && proove_pattern_pre(input, L"i", L'i') && proove_pattern(input, L"ii");
}

bool OrvantaCalcBase::proove(std::wstring& input) {
    return proove_len(input) && proove_beginning(input) && proove_end(input) && proove_len(input) &&
           proove_parenthesis(input) && proove_patterns(input) && proove_imaginary(input);
}

bool OrvantaCalcBase::proove_computer(std::wstring& input) {
    return proove_len(input) && proove_beginning_computer(input) && proove_end_computer(input) &&
           proove_len(input) && proove_parenthesis(input) && proove_patterns_computer(input);
}

void OrvantaCalcBase::proovePreconditions(std::wstring& input) {
    if (input.empty()) {
        m_last_exception = ErrorCode::NOTHING_TO_CALCULATE;
        raiseEngineError(ErrorCode::NOTHING_TO_CALCULATE);
    }
}
