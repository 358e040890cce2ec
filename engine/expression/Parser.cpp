// The splitting parser of the real family and the text tests it relies on.
//
// There is no tokenizer: a text splits at the operator of lowest precedence
// outside parentheses (the rightmost one, which makes every operator
// left-associative), an enclosing pair of parentheses is stripped, a function
// call becomes a function node, and what is left is a value token.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "EvaluationProgram.h"
#include "FunctionExpression.h"
#include "FunctionNames.h"
#include "IExpression.h"
#include "OperatorExpression.h"
#include "ParseLimits.h"
#include "RealParser.h"
#include "TextRewrite.h"
#include "ValueExpression.h"

namespace {
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool isLowerLetter(wchar_t c) {
    return c >= L'a' && c <= L'z';
}
bool isAnyOf(wchar_t c, std::wstring_view set) {
    return set.find(c) != std::wstring_view::npos;
}

// The rightmost splitting candidate of one precedence class, and how many
// candidates of that class the text holds outside parentheses.
struct Candidates {
    std::size_t rightmost = std::wstring::npos;
    int count = 0;
    void add(std::size_t i) {
        if (count++ == 0) rightmost = i;
    }
};

struct SplitScan {
    Candidates addSub;
    Candidates mulDiv;
    Candidates power;
};

// One scan from the last character to the first; ")" opens a level, "(" closes
// one. An operator right after another one is a sign or belongs to a literal
// ("2*-3"), so it does not split; nor does one at the very start.
SplitScan scanOperators(const std::wstring& s) {
    SplitScan scan;
    int depth = 0;
    for (std::size_t i = s.size(); i-- > 0;) {
        const wchar_t c = s[i];
        if (c == L')')
            ++depth;
        else if (c == L'(')
            --depth;
        if (depth != 0 || i == 0) continue;
        const wchar_t before = s[i - 1];
        if ((c == L'+' || c == L'-') && !isAnyOf(before, L"*+-/^"))
            scan.addSub.add(i);
        else if ((c == L'*' || c == L'/') && !isAnyOf(before, L"*+-/^"))
            scan.mulDiv.add(i);
        else if (c == L'^' && !isAnyOf(before, L"*/-+"))
            scan.power.add(i);
    }
    return scan;
}

// Deepest nesting of parentheses. Each level costs the parser at least one
// level of recursion, except that a function strips the pair around a plain
// argument along with its own.
int maxNesting(const std::wstring& s) {
    int depth = 0;
    int deepest = 0;
    for (wchar_t c : s) {
        if (c == L'(' && ++depth > deepest)
            deepest = depth;
        else if (c == L')' && depth > 0)
            --depth;
    }
    return deepest;
}

IExpression* splitAt(std::wstring s, const Candidates& candidates) {
    // The left part holds the other candidates of the class, and splits at
    // each of them in turn, one level deeper every time.
    ParseLimits::requireLevels(candidates.count);
    const std::size_t i = candidates.rightmost;
    const wchar_t op = s[i];
    std::wstring left = s.substr(0, i);
    std::wstring right = s.substr(i + 1);
    TextRewrite::release(s);
    return new OperatorExpression(std::move(left), std::move(right), op);
}

IExpression* parseParenthesized(std::wstring s) {
    const std::size_t open = s.find(L'(');
    const std::size_t close =
        static_cast<std::size_t>(IExpression::findCorrespondingParenthesis(s, static_cast<int>(open)));
    if (open == 0 && close == s.size() - 1) {
        std::wstring inside = s.substr(1, s.size() - 2);
        TextRewrite::release(s);
        IExpression* node = RealParser::parse(std::move(inside));
        node->setKlammer();
        return node;
    }
    // "(a)!" is tested before the function names, so that a parenthesized
    // factorial of a function value, "(sin(2))!", is not taken for a call.
    if (open == 0 && s.back() == L'!') {
        s.pop_back();
        return new OperatorExpression(std::move(s), std::wstring(), L'!');
    }
    if (FunctionNames::containedIn(s)) return new FunctionExpression(std::move(s));
    raiseEngineError(ErrorCode::INVALID_INPUT);
}

IExpression* parseLevel(std::wstring s, bool pretranslate) {
    ParseLimits::Budget budget(s.size());
    ParseLimits::Level level;
    if (pretranslate) IExpression::preTranslate(s);
    IExpression::preTranslateConsts(s);
    IExpression::preTranslateFunctions(s);
    if (level.depth() == 1) ParseLimits::requireLevels(maxNesting(s) - 1);

    const SplitScan scan = scanOperators(s);
    if (scan.addSub.count > 0) return splitAt(std::move(s), scan.addSub);
    if (scan.mulDiv.count > 0) return splitAt(std::move(s), scan.mulDiv);
    if (scan.power.count > 0) return splitAt(std::move(s), scan.power);
    if (s.find(L'(') != std::wstring::npos) return parseParenthesized(std::move(s));
    return new ValueExpression(std::move(s));
}
} // namespace

namespace RealParser {
IExpression* parse(std::wstring text) {
    return parseLevel(std::move(text), false);
}
} // namespace RealParser

IExpression* IExpression::parseExpression(const std::wstring& text, bool pretranslate) {
    std::unique_ptr<IExpression> root(parseLevel(text, pretranslate));
    EvaluationProgram::attachTo(root.get());
    return root.release();
}

IExpression* IExpression::parseExpressionComplete(const std::wstring& text, bool pretranslate) {
    return parseExpression(text, pretranslate);
}

int IExpression::findCorrespondingParenthesis(const std::wstring& text, int open) {
    if (open < 0) raiseEngineError(ErrorCode::PARENTHESIS);
    int depth = 0;
    for (std::size_t i = static_cast<std::size_t>(open); i < text.size(); ++i) {
        if (text[i] == L'(') {
            ++depth;
        } else if (text[i] == L')') {
            if (depth == 1) return static_cast<int>(i);
            --depth;
        }
    }
    raiseEngineError(ErrorCode::PARENTHESIS);
}

bool IExpression::isNumber(const std::wstring& text) {
    int signs = 0;
    int points = 0;
    for (wchar_t c : text) {
        if (c == L'+' || c == L'-')
            ++signs;
        else if (c == L'.')
            ++points;
        else if (!isDigit(c))
            return false;
    }
    return signs <= 1 && points <= 1;
}

bool IExpression::isNumberExpression(const std::wstring& text) {
    for (wchar_t c : text)
        if (!isDigit(c) && !isAnyOf(c, L"*+-./")) return false;
    return true;
}

bool IExpression::isBruch(const std::wstring& text) {
    for (wchar_t c : text)
        if (!isDigit(c) && c != L'\u00B4') return false;
    return true;
}

namespace {
// A variable name stands free when no lower-case letter touches it ("x" in
// "exp" or "max" is part of a name).
bool standsFree(const std::wstring& text, std::size_t i) {
    return (i == 0 || !isLowerLetter(text[i - 1])) && (i + 1 >= text.size() || !isLowerLetter(text[i + 1]));
}
} // namespace

bool IExpression::findUnknown(std::wstring& text, wchar_t name) {
    for (std::size_t i = text.find(name); i != std::wstring::npos; i = text.find(name, i + 1))
        if (standsFree(text, i)) return true;
    return false;
}

void IExpression::replaceUnknown(std::wstring& text, wchar_t from, wchar_t to) {
    for (std::size_t i = text.find(from); i != std::wstring::npos; i = text.find(from, i + 1))
        if (standsFree(text, i)) text[i] = to;
}

wchar_t IExpression::operand_plusminus(wchar_t a, wchar_t b) {
    return a == b ? L'+' : L'-';
}
