#include "SolverEquation.h"

#include <algorithm>
#include <cwchar>

#include "AnalysisMessages.h"
#include "IExpression.h"

namespace SolverEquation {
namespace {
namespace M = AnalysisMessages;
constexpr const wchar_t* OPERATORS = L"+-*/)(^!=";
constexpr const wchar_t* CONSTANTS[] = {L"pi", L"e"};

bool isLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool isOperator(wchar_t c) {
    return c != L'\0' && std::wcschr(OPERATORS, c) != nullptr;
}

// What kind of neighbours an occurrence of a name may have.
enum class Fit { Part, Whole, Refused };
using Rule = Fit (*)(wchar_t before, wchar_t after); // L'\0' for the text's edge

// An argument of a function: between "(" and "," or between "," and ")".
bool isArgument(wchar_t before, wchar_t after) {
    return (before == L'(' && after == L',') || (before == L',' && after == L')');
}

// A value goes in where operators (or the text's edges) surround the name,
// and, in its parentheses, as an argument.
Fit valueFits(wchar_t before, wchar_t after) {
    if (isLetter(before) || isLetter(after)) return Fit::Part;
    if (isArgument(before, after)) return Fit::Whole;
    const bool beforeOk = before == L'\0' || isOperator(before);
    const bool afterOk = after == L'\0' || (isOperator(after) && after != L'(');
    return beforeOk && afterOk ? Fit::Whole : Fit::Refused;
}

// x may also follow a digit ("2r"), come before a square or cube sign, and
// be an argument between "(" and "," or between "," and ")".
Fit unknownFits(wchar_t before, wchar_t after) {
    if (isLetter(before) || isLetter(after)) return Fit::Part;
    if (isArgument(before, after)) return Fit::Whole;
    const bool beforeOk = before == L'\0' || isOperator(before) || isDigit(before);
    const bool afterOk =
        after == L'\0' || (isOperator(after) && after != L'(') || after == L'\u00B2' || after == L'\u00B3';
    return beforeOk && afterOk ? Fit::Whole : Fit::Refused;
}

// Replaces every whole occurrence of name; false when one is refused.
bool replaceName(std::wstring& text, const std::wstring& name, const std::wstring& by, Rule rule) {
    if (name.empty()) return true;
    for (std::size_t pos = text.find(name); pos != std::wstring::npos; pos = text.find(name, pos)) {
        const wchar_t before = pos > 0 ? text[pos - 1] : L'\0';
        const std::size_t end = pos + name.size();
        const wchar_t after = end < text.size() ? text[end] : L'\0';
        switch (rule(before, after)) {
        case Fit::Part:
            pos = end;
            break;
        case Fit::Whole:
            text.replace(pos, name.size(), by);
            pos += by.size();
            break;
        case Fit::Refused:
            return false;
        }
    }
    return true;
}

bool isEngineName(const std::wstring& name) {
    for (const wchar_t* c : CONSTANTS)
        if (name == c) return true;
    for (int i = 0; i < IExpression::s_functions_len; ++i)
        if (name == IExpression::s_functions[i].name) return true;
    return false;
}

std::vector<std::wstring> split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::wstring::npos;
         end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (start < text.size()) parts.push_back(text.substr(start));
    return parts;
}
} // namespace

unsigned prepare(std::wstring& equation, const std::vector<Parameter>& parameters, std::wstring& unknown) {
    if (equation.find(L'=') == std::wstring::npos) return M::NOT_AN_EQUATION;
    std::wstring text = equation;
    unknown.clear();
    bool haveUnknown = false;
    for (const Parameter& p : parameters) {
        if (p.value.empty()) {
            if (haveUnknown) return M::TWO_UNKNOWNS;
            haveUnknown = true;
            unknown = p.name;
        } else if (!replaceName(text, p.name, L"(" + p.value + L")", valueFits)) {
            return M::CANNOT_REPLACE;
        }
    }
    if (!haveUnknown || !replaceName(text, unknown, L"x", unknownFits)) return M::NO_UNKNOWN;
    equation = text;
    return 0;
}

std::vector<std::wstring> names(const std::wstring& equation) {
    std::vector<std::wstring> found;
    for (std::size_t pos = 0; pos < equation.size();) {
        if (!isLetter(equation[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < equation.size() && isLetter(equation[end]))
            ++end;
        const std::wstring name = equation.substr(pos, end - pos);
        const bool call = end < equation.size() && equation[end] == L'(';
        const bool exponent =
            name == L"E" && pos > 0 && (isDigit(equation[pos - 1]) || equation[pos - 1] == L'.');
        if (!call && !exponent && !isEngineName(name) &&
            std::find(found.begin(), found.end(), name) == found.end())
            found.push_back(name);
        pos = end;
    }
    return found;
}

std::vector<Parameter> withNames(const std::wstring& equation, const std::vector<Parameter>& current) {
    std::vector<Parameter> result;
    for (const std::wstring& name : names(equation)) {
        const auto kept =
            std::find_if(current.begin(), current.end(), [&](const Parameter& p) { return p.name == name; });
        result.push_back({name, kept == current.end() ? std::wstring() : kept->value});
    }
    return result;
}

std::wstring nameList(const std::vector<Parameter>& parameters) {
    std::wstring text;
    for (const Parameter& p : parameters)
        text += p.name + L";";
    return text;
}

std::wstring valueList(const std::vector<Parameter>& parameters) {
    std::wstring text;
    for (const Parameter& p : parameters)
        if (!p.value.empty()) text += p.name + L"=" + p.value + L";";
    return text;
}

std::vector<Parameter> fromLists(const std::wstring& names, const std::wstring& values) {
    std::vector<Parameter> parameters;
    for (const std::wstring& name : split(names, L';'))
        if (!name.empty()) parameters.push_back({name, L""});
    for (const std::wstring& assignment : split(values, L';')) {
        const std::size_t equals = assignment.find(L'=');
        if (equals == std::wstring::npos) continue;
        const std::wstring name = assignment.substr(0, equals);
        for (Parameter& p : parameters)
            if (p.name == name) p.value = assignment.substr(equals + 1);
    }
    return parameters;
}
} // namespace SolverEquation
