// Rewriting and parsing of complex-mode formulas.
#include <algorithm>
#include <bitset>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "ComplexFunctionExpression.h"
#include "ComplexOperatorExpression.h"
#include "ComplexValueExpression.h"
#include "IExpression.h"
#include "ParseLimits.h"
#include "TextRewrite.h"

const RewritePair IExpression::s_pretranslate_complex[] = {
    // signs
    {L"+-", L"-"},
    {L"-+", L"-"},
    {L"--", L"+"},
    {L"++", L"+"},
    {L"-(", L"-1*("},
    {L"+(", L"+1*("},
    // implicit products with the imaginary unit and between parentheses
    {L")j", L")*j"},
    {L")i", L")*i"},
    {L"j(", L"j*("},
    {L"i(", L"i*("},
    {L")(", L")*("},
    {L"0j", L"0*j"},
    {L"1j", L"1*j"},
    {L"2j", L"2*j"},
    {L"3j", L"3*j"},
    {L"4j", L"4*j"},
    {L"5j", L"5*j"},
    {L"6j", L"6*j"},
    {L"7j", L"7*j"},
    {L"8j", L"8*j"},
    {L"9j", L"9*j"},
    {L"0i", L"0*i"},
    {L"1i", L"1*i"},
    {L"2i", L"2*i"},
    {L"3i", L"3*i"},
    {L"4i", L"4*i"},
    {L"5i", L"5*i"},
    {L"6i", L"6*i"},
    {L"7i", L"7*i"},
    {L"8i", L"8*i"},
    {L"9i", L"9*i"},
    {L"j0", L"j*0"},
    {L"j1", L"j*1"},
    {L"j2", L"j*2"},
    {L"j3", L"j*3"},
    {L"j4", L"j*4"},
    {L"j5", L"j*5"},
    {L"j6", L"j*6"},
    {L"j7", L"j*7"},
    {L"j8", L"j*8"},
    {L"j9", L"j*9"},
    {L"i0", L"i*0"},
    {L"i1", L"i*1"},
    {L"i2", L"i*2"},
    {L"i3", L"i*3"},
    {L"i4", L"i*4"},
    {L"i5", L"i*5"},
    {L"i6", L"i*6"},
    {L"i7", L"i*7"},
    {L"i8", L"i*8"},
    {L"i9", L"i*9"},
    {L"0(", L"0*("},
    {L"1(", L"1*("},
    {L"2(", L"2*("},
    {L"3(", L"3*("},
    {L"4(", L"4*("},
    {L"5(", L"5*("},
    {L"6(", L"6*("},
    {L"7(", L"7*("},
    {L"8(", L"8*("},
    {L"9(", L"9*("},
    {L"-pol", L"-1*pol"},
    // products of the constants with the unit and with each other
    {L"ei", L"(e*i)"},
    {L"ie", L"(i*e)"},
    {L"pij", L"(pi*j)"},
    {L"jpi", L"(j*pi)"},
    {L"epi", L"(e*pi)"},
    {L"pie", L"(pi*e)"},
    {L"pii", L"(pi*i)"},
    {L"ipi", L"(i*pi)"},
    {L"ej", L"(e*j)"},
    {L"je", L"(j*e)"},
    {L"pie", L"(pi*e)"},
};
const int IExpression::s_pretranslate_complex_len = static_cast<int>(std::size(s_pretranslate_complex));
static_assert(std::size(IExpression::s_pretranslate_complex) == 73);

namespace {
constexpr std::wstring_view DIGITS = L"0123456789";

bool isLower(wchar_t c) {
    return c >= L'a' && c <= L'z';
}
bool isAnyOf(wchar_t c, std::wstring_view set) {
    return set.find(c) != std::wstring_view::npos;
}
bool isRunChar(wchar_t c) {
    return (c >= L'0' && c <= L'9') || c == L'.';
}

// The characters and pairs of neighbouring characters of a text. Every part
// of a formula is rewritten again when it is parsed, and most rewrites have
// nothing to do there; a rewrite whose pattern has a pair the text lacks is
// skipped without reading the text, which keeps long formulas cheap to parse.
class PairIndex {
public:
    explicit PairIndex(const std::wstring& text) { rebuild(text); }

    bool mayContain(std::wstring_view pattern) const {
        for (std::size_t k = 0; k < pattern.size(); ++k) {
            if (!isAscii(pattern[k]) || !m_single.test(code(pattern[k]))) return false;
            if (k > 0 && !m_pairs.test(code(pattern[k - 1]) * 128 + code(pattern[k]))) return false;
        }
        return true;
    }

    void replaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
        if (mayContain(from) && TextRewrite::replaceAll(text, from, to) > 0) rebuild(text);
    }

    void rebuild(const std::wstring& text) {
        m_single.reset();
        m_pairs.reset();
        for (std::size_t k = 0; k < text.size(); ++k) {
            if (!isAscii(text[k])) continue;
            m_single.set(code(text[k]));
            if (k > 0 && isAscii(text[k - 1])) m_pairs.set(code(text[k - 1]) * 128 + code(text[k]));
        }
    }

private:
    static bool isAscii(wchar_t c) { return static_cast<std::uint32_t>(c) < 128; }
    static std::size_t code(wchar_t c) { return static_cast<std::size_t>(c); }

    std::bitset<128> m_single;
    std::bitset<128 * 128> m_pairs;
};

// Encloses each imaginary literal such as "3j" in parentheses, so that it
// binds tighter than any operator around it ('2^3j' is 2^(3j)). A literal is
// left alone at the start of the text, after "(" or a letter, before a
// letter, and where the unit closes a parenthesis. The search goes on two
// characters after the unit. Built in one pass, so that a text with many
// literals is never shifted once per literal.
std::wstring wrapImaginaryLiterals(const std::wstring& text, wchar_t unit) {
    const std::size_t n = text.size();
    std::wstring out;
    std::size_t copied = 0; // text[0, copied) is in out
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(unit, from)) != std::wstring::npos;) {
        std::size_t start = at;
        while (start > 0 && isRunChar(text[start - 1]))
            --start;
        std::size_t end = at + 1;
        while (end < n && isRunChar(text[end]))
            ++end;
        // A unit between digits ("2i3") is no number of any form; reading it
        // as a product would answer something the user never wrote.
        if (start < at && end > at + 1) raiseEngineError(ErrorCode::INVALID_INPUT);
        // A wrapped literal ends before a character that is neither a digit
        // nor a letter, so the next run never reaches back into it.
        const bool wrap = start > 0 && text[start - 1] != L'(' && !isLower(text[start - 1]) &&
                          (end >= n || !isLower(text[end])) && (at + 1 >= n || text[at + 1] != L')');
        if (!wrap) {
            from = at + 2;
            continue;
        }
        out.append(text, copied, start - copied);
        out += L'(';
        out.append(text, start, end - start);
        out += L')';
        copied = end;
        from = at + 1;
    }
    if (copied == 0) return text;
    out.append(text, copied);
    return out;
}

// "2sin(z)" becomes "2*sin(z)", "jsin(z)" and "isin(z)" become "j*sin(z)".
void insertProductsBeforeFunctions(std::wstring& text, PairIndex& present) {
    for (int f = 0; f < IExpression::s_functions_len; ++f) {
        const std::wstring name = IExpression::s_functions[f].name;
        if (!present.mayContain(name)) continue;
        for (int pass = 0; pass < 2; ++pass) {
            for (wchar_t d : DIGITS) {
                present.replaceAll(text, d + name, std::wstring(1, d) + L"*" + name);
                if (pass == 0)
                    present.replaceAll(text, L"j" + name, L"j*" + name);
                else
                    present.replaceAll(text, L"i" + name, L"j*" + name);
            }
        }
    }
}

// "-sin(z)" at the start and "(-sin(z)" become "-1*sin(z)" and "(-1*sin(z)".
void foldSignsBeforeFunctions(std::wstring& text, PairIndex& present) {
    for (int f = 0; f < IExpression::s_functions_len; ++f) {
        const std::wstring name = IExpression::s_functions[f].name;
        if (!present.mayContain(name)) continue;
        if (text.rfind(L"-" + name, 0) == 0) {
            text.replace(0, 1, L"-1*");
            present.rebuild(text);
        }
        present.replaceAll(text, L"(-" + name, L"(-1*" + name);
    }
}

// Where a text splits into two operands: the rightmost operator of the
// weakest class present ("+" "-", then "*" "/", then "^") outside
// parentheses, and how many operators of that class there are. An operator
// at the start or right after another one is a sign ("2*-3") and does not
// split; a "^" may split right after a "^".
struct Split {
    std::size_t at = std::wstring::npos;
    int count = 0;
};

Split findSplit(const std::wstring& s) {
    Split classes[3];
    int depth = 0;
    for (std::size_t i = s.size(); i-- > 1;) {
        const wchar_t c = s[i];
        if (c == L')') ++depth;
        if (c == L'(') --depth;
        if (depth != 0) continue;
        const wchar_t before = s[i - 1];
        int k = -1;
        if ((c == L'+' || c == L'-') && !isAnyOf(before, L"*+-/^")) k = 0;
        if ((c == L'*' || c == L'/') && !isAnyOf(before, L"*+-/^")) k = 1;
        if (c == L'^' && !isAnyOf(before, L"*/-+")) k = 2;
        if (k < 0) continue;
        if (classes[k].count++ == 0) classes[k].at = i;
    }
    for (const Split& split : classes)
        if (split.count > 0) return split;
    return Split();
}

// Deepest parenthesis nesting of a text. Each level of it costs the parser
// one level of its own below the first, so a text nested too deeply is
// refused before any of it is rewritten.
int nestingOf(const std::wstring& text) {
    int depth = 0, deepest = 0;
    for (wchar_t c : text) {
        if (c == L'(') deepest = std::max(deepest, ++depth);
        if (c == L')') --depth;
    }
    return deepest;
}

IExpression* parseUnsplit(const std::wstring& s) {
    const std::size_t open = s.find(L'(');
    if (open == std::wstring::npos) return new ComplexValueExpression(s);
    const int close = IExpression::findCorrespondingParenthesis(s, static_cast<int>(open));
    if (open == 0 && close == static_cast<int>(s.size()) - 1) {
        IExpression* inner = IExpression::parseComplexExpression(s.substr(1, s.size() - 2));
        inner->setKlammer();
        return inner;
    }
    if (IExpression::isFunction(s)) return new ComplexFunctionExpression(s);
    if (s.rfind(L"pol(", 0) != 0) raiseEngineError(ErrorCode::INVALID_INPUT);
    return new ComplexValueExpression(s);
}
} // namespace

void IExpression::preTranslateComplex(std::wstring& text) {
    text = wrapImaginaryLiterals(text, L'j');
    text = wrapImaginaryLiterals(text, L'i');
    PairIndex present(text);
    for (const RewritePair& pair : s_pretranslate_complex)
        present.replaceAll(text, pair.pattern, pair.replacement);
    insertProductsBeforeFunctions(text, present);
    foldSignsBeforeFunctions(text, present);
}

IExpression* IExpression::parseComplexExpression(const std::wstring& text) {
    // The levels are shared with the real parser, which reads the parts of
    // polar literals, so the bound holds for the whole tree.
    ParseLimits::Budget budget(text.size());
    ParseLimits::Level level;
    if (level.depth() == 1) ParseLimits::requireLevels(nestingOf(text));
    std::wstring s = text;
    preTranslateComplex(s);
    // User functions are not expanded in complex mode; user constants are.
    preTranslateConsts(s);
    const Split split = findSplit(s);
    if (split.count > 0) {
        // The left operand holds the other operators of the class and splits
        // at each of them in turn, one level deeper every time.
        ParseLimits::requireLevels(split.count);
        return new ComplexOperatorExpression(s.substr(0, split.at), s.substr(split.at + 1), s[split.at]);
    }
    return parseUnsplit(s);
}
