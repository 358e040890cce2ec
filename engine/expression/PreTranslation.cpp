// The rewriting that runs before parsing: implicit multiplication, sign
// folding, superscripts, user constants, exponent notation and user functions.
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "FunctionNames.h"
#include "IExpression.h"
#include "OrvantaCalcBase.h"
#include "ParseLimits.h"
#include "TextRewrite.h"

// Applied in this order; each pair replaces every occurrence of its pattern.
const RewritePair IExpression::s_pretranslate[] = {
    {L"e^-x", L"e^(-1*x)"},
    // sign folding
    {L"+-", L"-"},
    {L"-+", L"-"},
    {L"--", L"+"},
    {L"++", L"+"},
    // implicit multiplication with x
    {L")(", L")*("},
    {L")x", L")*x"},
    {L"+x(", L"+x*("},
    {L"-x(", L"-x*("},
    {L"*x(", L"*x*("},
    {L"/x(", L"/x*("},
    {L"1x", L"1*x"},
    {L"2x", L"2*x"},
    {L"3x", L"3*x"},
    {L"4x", L"4*x"},
    {L"5x", L"5*x"},
    {L"6x", L"6*x"},
    {L"7x", L"7*x"},
    {L"8x", L"8*x"},
    {L"9x", L"9*x"},
    {L"0x", L"0*x"},
    {L"/-x", L"/(-1*x)"},
    {L"-x", L"-1*x"},
    {L"xy", L"x*y"},
    // implicit multiplication with y
    {L")y", L")*y"},
    {L"+y(", L"+y*("},
    {L"-y(", L"-y*("},
    {L"*y(", L"*y*("},
    {L"/y(", L"/y*("},
    {L"1y", L"1*y"},
    {L"2y", L"2*y"},
    {L"3y", L"3*y"},
    {L"4y", L"4*y"},
    {L"5y", L"5*y"},
    {L"6y", L"6*y"},
    {L"7y", L"7*y"},
    {L"8y", L"8*y"},
    {L"9y", L"9*y"},
    {L"0y", L"0*y"},
    {L"-y", L"-1*y"},
    {L"-(", L"-1*("},
    {L"+(", L"+1*("},
    // implicit multiplication with e
    {L")e", L")*e"},
    {L"0e", L"0*e"},
    {L"1e", L"1*e"},
    {L"2e", L"2*e"},
    {L"3e", L"3*e"},
    {L"4e", L"4*e"},
    {L"5e", L"5*e"},
    {L"6e", L"6*e"},
    {L"7e", L"7*e"},
    {L"8e", L"8*e"},
    {L"9e", L"9*e"},
    // implicit multiplication with pi
    {L"pi(", L"pi*("},
    {L")pi", L")*pi"},
    {L"0pi", L"0*pi"},
    {L"1pi", L"1*pi"},
    {L"2pi", L"2*pi"},
    {L"3pi", L"3*pi"},
    {L"4pi", L"4*pi"},
    {L"5pi", L"5*pi"},
    {L"6pi", L"6*pi"},
    {L"7pi", L"7*pi"},
    {L"8pi", L"8*pi"},
    {L"9pi", L"9*pi"},
    {L"pi0", L"pi*0"},
    {L"pi1", L"pi*1"},
    {L"pi2", L"pi*2"},
    {L"pi3", L"pi*3"},
    {L"pi4", L"pi*4"},
    {L"pi5", L"pi*5"},
    {L"pi6", L"pi*6"},
    {L"pi7", L"pi*7"},
    {L"pi8", L"pi*8"},
    {L"pi9", L"pi*9"},
    {L"pie", L"pi*e"},
    {L"epi", L"e*pi"},
    // implicit multiplication before a parenthesis
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
    {L"(*", L"(1*"},
    // superscript two and three
    {L"x\u00B2", L"(x^2)"},
    {L"x\u00B3", L"(x^3)"},
    {L"y\u00B2", L"(y^2)"},
    {L"y\u00B3", L"(y^3)"},
    {L"n\u00B2", L"(n^2)"},
    {L"n\u00B3", L"(n^3)"},
};
const int IExpression::s_pretranslate_len = static_cast<int>(std::size(s_pretranslate));
static_assert(std::size(IExpression::s_pretranslate) == 94);

namespace {
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool isLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// Copies text, inserting `insert` after every position where `after` holds.
// One pass, and no copy at all when nothing is inserted.
template <typename Predicate>
void insertAfter(std::wstring& text, std::wstring_view insert, Predicate after) {
    std::wstring result;
    bool changed = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!changed && !after(i)) continue;
        if (!changed) {
            result.reserve(text.size() + text.size() / 4 + insert.size());
            result.assign(text, 0, i);
            changed = true;
        }
        result.push_back(text[i]);
        if (after(i)) result.append(insert);
    }
    if (changed) text.swap(result);
}

// "2sin(x)" -> "2*sin(x)": a digit directly before a function name. The "*"
// only separates the digit from the name, so one pass gives what a pass per
// name and digit would.
void multiplyDigitsBeforeFunctions(std::wstring& text) {
    insertAfter(text, L"*",
                [&](std::size_t i) { return isDigit(text[i]) && FunctionNames::startsAt(text, i + 1); });
}

// "-sin(x)" -> "-1*sin(x)" at the start of the text and after "(".
void multiplyNegatedFunctions(std::wstring& text) {
    insertAfter(text, L"1*", [&](std::size_t i) {
        return text[i] == L'-' && (i == 0 || text[i - 1] == L'(') && FunctionNames::startsAt(text, i + 1);
    });
}

// Splits at every comma, or only at commas outside parentheses.
std::vector<std::wstring_view> splitAtCommas(std::wstring_view text, bool topLevelOnly) {
    std::vector<std::wstring_view> parts;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'(')
            ++depth;
        else if (text[i] == L')')
            --depth;
        else if (text[i] == L',' && (!topLevelOnly || depth == 0)) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Puts every argument, in parentheses, where its parameter stands in the
// body as a word of its own. All parameters are replaced in one pass, so an
// argument that names another parameter ("f(y,x)" for "f(x,y)=x/y") is not
// replaced a second time.
std::wstring substituteParameters(std::wstring_view body, const std::vector<std::wstring_view>& params,
                                  const std::vector<std::wstring_view>& args) {
    std::wstring result;
    result.reserve(body.size());
    std::size_t i = 0;
    while (i < body.size()) {
        bool replaced = false;
        if (i == 0 || !isLetter(body[i - 1])) {
            for (std::size_t p = 0; p < params.size() && !replaced; ++p) {
                const std::size_t end = i + params[p].size();
                if (body.compare(i, params[p].size(), params[p]) != 0) continue;
                if (end < body.size() && isLetter(body[end])) continue;
                ParseLimits::charge(1, args[p].size() + 2);
                result.push_back(L'(');
                result.append(args[p]);
                result.push_back(L')');
                i = end;
                replaced = true;
            }
        }
        if (!replaced) result.push_back(body[i++]);
    }
    return result;
}

enum class Expansion { Next, Stop };

// Expands the first call of one user function, and every identical call with
// it. A malformed definition or call stops the whole translation; the parser
// then rejects the unexpanded call.
Expansion expandFirstCall(std::wstring& text, const std::wstring& definition) {
    const std::size_t open = definition.find(L'(');
    // A definition without a name would match every parenthesis.
    if (open == std::wstring::npos || open == 0) return Expansion::Next;
    const std::wstring name = definition.substr(0, open);
    const std::size_t callStart = text.find(name + L'(');
    if (callStart == std::wstring::npos) return Expansion::Next;

    const std::size_t argOpen = callStart + name.size();
    const std::size_t argClose =
        static_cast<std::size_t>(IExpression::findCorrespondingParenthesis(text, static_cast<int>(argOpen)));
    const std::wstring call = text.substr(callStart, argClose - callStart + 1);
    const std::wstring_view argText = std::wstring_view(call).substr(name.size() + 1, argClose - argOpen - 1);

    const std::size_t paramClose = definition.find(L')');
    if (paramClose < open) return Expansion::Stop;
    const std::wstring_view paramText = std::wstring_view(definition).substr(open + 1, paramClose - open - 1);
    const std::wstring_view body = std::wstring_view(definition).substr(definition.find(L'=') + 1);

    std::wstring expansion;
    if (paramText.empty()) {
        expansion = body;
    } else {
        const std::vector<std::wstring_view> params = splitAtCommas(paramText, false);
        const std::vector<std::wstring_view> args = splitAtCommas(argText, true);
        if (params.size() != args.size()) return Expansion::Stop;
        for (std::size_t i = 0; i < params.size(); ++i)
            if (params[i].empty() || args[i].empty()) return Expansion::Stop;
        expansion = substituteParameters(body, params, args);
    }
    // The body stands for one value: "f(2)^2" must square all of it.
    TextRewrite::replaceAllCharged(text, call, L"(" + expansion + L")");
    return Expansion::Next;
}
} // namespace

void IExpression::preTranslate(std::wstring& text) {
    for (const RewritePair& pair : s_pretranslate)
        TextRewrite::replaceAll(text, pair.pattern, pair.replacement);
    multiplyDigitsBeforeFunctions(text);
    multiplyNegatedFunctions(text);
}

void IExpression::preTranslateConsts(std::wstring& text) {
    ParseLimits::Budget budget(text.size());
    // Only a "{" can start a constant; values may name later constants.
    if (s_calculator && text.find(L'{') != std::wstring::npos) {
        for (int slot = 0; slot < OrvantaCalcBase::CONSTANT_SLOTS; ++slot) {
            const std::wstring& name = s_calculator->getConstKey(slot);
            if (name.empty()) continue;
            TextRewrite::replaceAllCharged(text, L"{" + name + L"}",
                                           L"(" + s_calculator->getConstVal(slot) + L")");
        }
    }
    TextRewrite::replaceAllCharged(text, L"E", L"*10^");
}

void IExpression::preTranslateFunctions(std::wstring& text) {
    if (!s_calculator || text.find(L'(') == std::wstring::npos) return;
    ParseLimits::Budget budget(text.size());
    for (int slot = 0; slot < s_calculator->getFunctionSize(); ++slot) {
        const std::wstring& definition = s_calculator->getExpression(slot);
        if (definition.find(L")=") == std::wstring::npos) continue;
        if (expandFirstCall(text, definition) == Expansion::Stop) return;
    }
}
