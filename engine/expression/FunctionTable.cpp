// The vocabulary of function names, with their argument counts and the rules
// the symbolic derivation uses (":" stands for the derivative of the argument,
// ";" for the argument itself).
#include <algorithm>
#include <array>
#include <string_view>

#include "IExpression.h"

const FunctionEntry IExpression::s_functions[] = {
    {L"arcsin", L"(:)/(sqr(1-(;)^2))"},
    {L"arcsinh", L"(:)/(sqr(1+(;)^2))"},
    {L"arccos", L"-1*(:)/sqr(1-(;)^2)"},
    {L"arccosh", L"(:)/(sqr((;)^2-1))"},
    {L"arctan", L"(:)/(1+(;)^2)"},
    {L"arctanh", L"(:)/(1-(;)^2)"},
    {L"arccot", L"-1*(:)/(1+(;)^2)"},
    {L"arccoth", L"(:)/(1-(;)^2)"},
    {L"sin", L"(:)*cos(;)"},
    {L"sinh", L"(:)*cosh(;)"},
    {L"cos", L"-1*(:)*sin(;)"},
    {L"cosh", L"(:)*sinh(;)"},
    {L"tan", L"(:)*(1+tan(;)^2)"},
    {L"tanh", L"(:)*(1-tanh(;)^2)"},
    {L"cot", L"(:)*(-1-cot(;)^2)"},
    {L"coth", L"(:)*(1-coth(;)^2)"},
    {L"lg", L"((:)/(;))*lg(e)"},
    {L"ln", L"((:)/(;))"},
    {L"sqr", L"(:)/(2*sqr(;))"},
    {L"mod", L""},
    {L"imod", L""},
    {L"binom", L""},
    {L"sign", L""},
    {L"abs", L""},
    {L"sum", L""},
    {L"rand", L""},
    {L"int", L""},
    {L"frac", L""},
    {L"lastxval", L""},
    {L"lsh", L""},
    {L"rsh", L""},
    {L"not", L""},
    {L"nand", L""},
    {L"and", L""},
    {L"xor", L""},
    {L"nor", L""},
    {L"or", L""},
    {L"z", L""},
    {L"re", L""},
    {L"im", L""},
    {L"con", L""},
    {L"gcd", L""},
    {L"sumx", L""},
    {L"sumy", L""},
    {L"sumsqx", L""},
    {L"sumsqy", L""},
    {L"sumxy", L""},
    {L"covxy", L""},
    {L"meanx", L""},
    {L"meany", L""},
    {L"meangeomx", L""},
    {L"meangeomy", L""},
    {L"medx", L""},
    {L"medy", L""},
    {L"stddevx", L""},
    {L"stddevy", L""},
    {L"stddevpopx", L""},
    {L"stddevpopy", L""},
    {L"varcoffsamx", L""},
    {L"varcoffsamy", L""},
    {L"varcoffpopx", L""},
    {L"varcoffpopy", L""},
    {L"varx", L""},
    {L"vary", L""},
    {L"varpopx", L""},
    {L"varpopy", L""},
    {L"minx", L""},
    {L"miny", L""},
    {L"maxx", L""},
    {L"maxy", L""},
    {L"cnt", L""},
    {L"quantx", L""},
    {L"quanty", L""},
};
const int IExpression::s_functions_len = static_cast<int>(std::size(s_functions));
static_assert(std::size(IExpression::s_functions) == 73);

const int IExpression::s_statistic_functions_pos = 41;

const wchar_t* const IExpression::s_computer_functions[] = {L"lsh", L"rsh", L"not", L"nand",
                                                            L"and", L"xor", L"nor", L"or"};
const int IExpression::s_computer_functions_size = static_cast<int>(std::size(s_computer_functions));

namespace {
constexpr std::array<std::wstring_view, 9> s_two_parameters = {L"nand", L"and", L"xor", L"or",  L"nor",
                                                               L"binom", L"mod", L"gcd", L"imod"};
constexpr std::array<std::wstring_view, 29> s_no_parameters = {
    L"rand",        L"minx",        L"maxx",        L"miny",        L"maxy",    L"medx",    L"medy",
    L"varx",        L"vary",        L"varpopx",     L"varpopy",     L"varcoffsamx", L"varcoffsamy",
    L"varcoffpopx", L"varcoffpopy", L"sumx",        L"sumy",        L"sumsqx",  L"sumsqy",  L"sumxy",
    L"meanx",       L"meany",       L"meangeomx",   L"meangeomy",   L"stddevx", L"stddevy", L"stddevpopx",
    L"stddevpopy",  L"cnt"};

template <typename Names>
bool listed(const Names& names, std::wstring_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// True if text contains one of the names first..last-1 of s_functions.
bool containsFunctionName(const std::wstring& text, int first, int last) {
    for (int i = first; i < last; ++i)
        if (text.find(IExpression::s_functions[i].name) != std::wstring::npos) return true;
    return false;
}
} // namespace

int IExpression::countFunctionParameters(const std::wstring& name) {
    if (listed(s_two_parameters, name)) return 2;
    if (listed(s_no_parameters, name)) return 0;
    return 1;
}

bool IExpression::isFunction(const std::wstring& text, int, int) {
    return containsFunctionName(text, 0, s_functions_len);
}

bool IExpression::isScientificFunction(const std::wstring& text, int, int) {
    return containsFunctionName(text, 0, s_statistic_functions_pos);
}

bool IExpression::isComputerFunction(const std::wstring& text, int, int) {
    for (int i = 0; i < s_computer_functions_size; ++i)
        if (text.find(s_computer_functions[i]) != std::wstring::npos) return true;
    return false;
}
