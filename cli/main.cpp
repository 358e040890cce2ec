// orvanta-calc: the command-line calculator. Each argument, or each line of
// standard input when there are none, is one expression; each result or
// error is printed on a line of its own.
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "EngineError.h"
#include "IExpression.h"
#include "OrvantaCalcBase.h"

namespace {
std::optional<std::wstring> toWide(const std::string& text) {
    std::mbstate_t state{};
    const char* source = text.c_str();
    const std::size_t length = std::mbsrtowcs(nullptr, &source, 0, &state);
    if (length == static_cast<std::size_t>(-1)) return std::nullopt;
    std::wstring wide(length, L'\0');
    source = text.c_str();
    state = std::mbstate_t{};
    std::mbsrtowcs(wide.data(), &source, length, &state);
    return wide;
}

std::string toNarrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        char buffer[MB_LEN_MAX];
        std::mbstate_t state{};
        const std::size_t n = std::wcrtomb(buffer, c, &state);
        if (n != static_cast<std::size_t>(-1)) narrow.append(buffer, n);
    }
    return narrow;
}

// The input line of the calculator never produces blanks, and the parser does
// not skip them; a typed "2 + 3" means "2+3".
std::wstring withoutBlanks(std::wstring text) {
    std::erase_if(text, [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; });
    return text;
}

std::string errorText(std::uint32_t code) {
    char buffer[32];
    // Processor fault statuses are known by their hexadecimal values.
    if (code >= 0x80000000u)
        std::snprintf(buffer, sizeof buffer, "Error 0x%08X", static_cast<unsigned>(code));
    else
        std::snprintf(buffer, sizeof buffer, "Error %u", static_cast<unsigned>(code));
    return buffer;
}

// Prints the value of one expression; false when it has none.
bool evaluate(const std::string& line) {
    const std::optional<std::wstring> text = toWide(line);
    if (!text) {
        std::cout << errorText(ErrorCode::INVALID_INPUT) << '\n';
        return false;
    }
    try {
        std::unique_ptr<IExpression> tree(IExpression::parseExpression(withoutBlanks(*text), true));
        const double value = tree->calculateConst();
        std::wstring out;
        IExpression::value2String(value, out, 10);
        std::cout << toNarrow(out) << '\n';
        return std::isfinite(value);
    } catch (const EngineError& e) {
        std::cout << errorText(e.code()) << '\n';
        return false;
    } catch (const std::bad_alloc&) {
        std::cout << errorText(1002) << '\n'; // "Not enough memory"
        return false;
    }
}
} // namespace

int main(int argc, char** argv) {
    if (!std::setlocale(LC_ALL, "C.UTF-8")) std::setlocale(LC_ALL, "");
    OrvantaCalcBase calculator;
    IExpression::s_withex = true;

    bool allSucceeded = true;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i)
            allSucceeded = evaluate(argv[i]) && allSucceeded;
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (withoutBlanks(toWide(line).value_or(L"?")).empty()) continue;
            allSucceeded = evaluate(line) && allSucceeded;
        }
    }
    std::cout.flush();
    return allSucceeded ? 0 : 1;
}
