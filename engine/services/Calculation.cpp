// The plain calculator modes: normal, complex and programmer.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

#include "EngineGuard.h"
#include "EngineRandom.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"

namespace {

// Seconds times 100 plus milliseconds of the current time of day.
unsigned int timeOfDaySeed() {
    using namespace std::chrono;
    auto now = system_clock::now().time_since_epoch();
    auto ms = duration_cast<milliseconds>(now).count() % (24LL * 3600 * 1000);
    return static_cast<unsigned int>((ms / 1000 % 60) * 100 + ms % 1000);
}

bool isExponentDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || c == L'.'; }

std::wstring unsignedText(std::uint64_t value, const char* format) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, static_cast<unsigned long long>(value));
    return std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}
} // namespace

OrvantaCalcBase::OrvantaCalcBase() {
    EngineRandom::seed(timeOfDaySeed());
    IExpression::s_calculator = this;
}

OrvantaCalcBase::~OrvantaCalcBase() {
    if (IExpression::s_calculator == this) IExpression::s_calculator = nullptr;
}

void OrvantaCalcBase::setMode(CalculatorModes::MODE mode) {
    switch (mode) {
    case CalculatorModes::DEG: IExpression::s_mode = CalculatorModes::DEG; break;
    case CalculatorModes::RAD: IExpression::s_mode = CalculatorModes::RAD; break;
    default: IExpression::s_mode = CalculatorModes::GRAD; break;
    }
}

bool OrvantaCalcBase::isValid(double value) { return std::isfinite(value); }

void OrvantaCalcBase::setValue(double value, std::wstring& text, int a, int b) {
    IExpression::value2String(value, text, a, b, true);
}

// Rewrites every "E" of scientific notation as an explicit power of ten:
// '1.5E3' becomes '(1.5*10^3)', 'piE2' becomes '(pi*10^2)'. One pass from left
// to right gives the same text as rewriting the first "E" again and again,
// because every rewritten piece ends with ")" and so bounds the next mantissa.
void OrvantaCalcBase::replaceEHoch(std::wstring& input) {
    if (input.find(L'E') == std::wstring::npos) return;
    std::wstring out;
    out.reserve(input.size() + 8);
    std::size_t i = 0;
    while (i < input.size()) {
        if (input[i] != L'E') {
            out += input[i++];
            continue;
        }
        std::size_t start = out.size();
        while (start > 0 && isExponentDigit(out[start - 1])) --start;
        if (start >= 2 && out.compare(start - 2, 2, L"pi") == 0)
            start -= 2;
        else if (start >= 1 && out[start - 1] == L'e')
            --start;
        std::size_t end = i + 1;
        bool digitTaken = false;
        while (end < input.size()) {
            wchar_t c = input[end];
            if (isExponentDigit(c)) {
                digitTaken = digitTaken || c != L'.';
            } else if (!((c == L'-' || c == L'+') && !digitTaken)) {
                break;
            }
            ++end;
        }
        std::wstring mantissa = out.substr(start);
        out.resize(start);
        out += L"(" + mantissa + L"*10^" + input.substr(i + 1, end - i - 1) + L")";
        i = end;
    }
    input = std::move(out);
}

double OrvantaCalcBase::calculateValue(std::wstring& input) {
    return guarded<Guard::Recording>([&] {
        proovePreconditions(input);
        replaceEHoch(input);
        std::unique_ptr<IExpression> tree(IExpression::parseExpression(input, true));
        return tree->calculateConst();
    });
}

bool OrvantaCalcBase::calculateNormal(std::wstring& input, double& result) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(input)) return false;
        replaceEHoch(input);
        result = calculateValue(input);
        return true;
    });
}

bool OrvantaCalcBase::calculateNormal(std::wstring& input, std::wstring& result) {
    double value = 0.0;
    return calculateNormal(input, result, value);
}

bool OrvantaCalcBase::calculateNormal(std::wstring& input, std::wstring& result, double& value) {
    replaceEHoch(input);
    value = 0.0;
    if (!calculateNormal(input, value)) return false;
    result.clear();
    if (std::isnan(value)) {
        result += loadString(MessageId::NOT_A_NUMBER_VALUE);
    } else if (std::isfinite(value)) {
        std::wstring text;
        IExpression::value2String(value, text, 10);
        result += text;
    } else {
        result += loadString(MessageId::INFINITE_VALUE);
    }
    return true;
}

Complex OrvantaCalcBase::calculateValueComplex(std::wstring& input) {
    return guarded<Guard::Recording>([&] {
        std::unique_ptr<IExpression> tree(IExpression::parseComplexExpression(input));
        return tree->calculateComplexConst();
    });
}

bool OrvantaCalcBase::calculateComplex(std::wstring& input, Complex& result) {
    return guarded<Guard::Reporting>([&] {
        if (!proove(input)) return false;
        replaceEHoch(input);
        proovePreconditions(input);
        result = calculateValueComplex(input);
        if (m_complex_result == CalculatorModes::POLAR)
            result.toPolarExt();
        else
            result.toRectangular();
        return true;
    });
}

// The programmer parser numbers its bases differently from the facade.
void OrvantaCalcBase::applyComputerMode() {
    switch (m_computer_mode) {
    case CalculatorModes::COMP_HEX: IExpression::s_compmode = IExpression::COMP_HEX; break;
    case CalculatorModes::COMP_BIN: IExpression::s_compmode = IExpression::COMP_BIN; break;
    case CalculatorModes::COMP_OCT: IExpression::s_compmode = IExpression::COMP_OCT; break;
    case CalculatorModes::COMP_DEC: IExpression::s_compmode = IExpression::COMP_DEC; break;
    default: break;
    }
}

// Decimal and octal results show the whole 64-bit value.
std::wstring OrvantaCalcBase::computerResultText(std::uint64_t value) const {
    std::wstring text;
    switch (m_computer_result) {
    case CalculatorModes::RESULT_HEX: IExpression::longValue2HexadecimalString(text, value); break;
    case CalculatorModes::RESULT_BIN: IExpression::longValue2BinaryString(text, value); break;
    case CalculatorModes::RESULT_DEC: text = unsignedText(value, "%llu"); break;
    default: text = unsignedText(value, "%llo"); break;
    }
    return text;
}

bool OrvantaCalcBase::calculateComputer(std::wstring& input, std::wstring& result) {
    result.clear();
    return guarded<Guard::Reporting>([&] {
        if (!proove_computer(input)) return false;
        applyComputerMode();
        std::unique_ptr<IExpression> tree(IExpression::parseComputerExpression(input));
        result = computerResultText(tree->calculateComputer());
        return true;
    });
}

// There is no expert mode behind this entry point: the program keeps the call,
// so every line succeeds and leaves the result as it was.
bool OrvantaCalcBase::calculateExpertMode(const std::wstring&, std::wstring&) { return true; }
