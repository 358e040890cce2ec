// Stand-ins until the facade and the formatter land; removed at that merge.
#include <cmath>
#include <cstdio>
#include <cwchar>

#include "OrvantaCalcBase.h"

bool OrvantaCalcBase::proove(std::wstring& input) {
    if (!input.empty()) return true;
    setLastError(loadString(40122));
    return false;
}

bool OrvantaCalcBase::calculateNormal(std::wstring& input, double& result) {
    wchar_t* end = nullptr;
    result = std::wcstod(input.c_str(), &end);
    if (*end == 0) return true;
    setLastError(loadString(40155));
    return false;
}

void IExpression::value2String(double value, std::wstring& out, int decimals) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    out.assign(text.begin(), text.end());
}
