// Stored equations: reading parameter values and solving for the free variable.
#include <string_view>

#include "EngineGuard.h"
#include "OrvantaCalcBase.h"

namespace {
constexpr unsigned MSG_NO_PARAMS_IN_PARAMS_BOX = 40191;
constexpr std::uint32_t NO_PARAMS_IN_PARAMS = 1034;

bool isSeparator(wchar_t ch) {
    return ch == L' ' || ch == L';';
}

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && isSeparator(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSeparator(text.back()))
        text.remove_suffix(1);
    return text;
}

// The value text of name in 'a:=1; b:=2': from behind "name:=" to the
// separator before the next parameter's name, or to the end. The name must
// stand at the start of the list or after a separator, so that 'a' is not
// found inside 'ba:=2'.
bool findParamValue(std::wstring_view list, const std::wstring& name, std::wstring& value) {
    if (name.empty()) return false;
    const std::wstring key = name + L":=";
    std::size_t pos = list.find(key);
    while (pos != std::wstring_view::npos && pos > 0 && !isSeparator(list[pos - 1]))
        pos = list.find(key, pos + 1);
    if (pos == std::wstring_view::npos) return false;

    const std::size_t start = pos + key.size();
    std::size_t end = list.find(L":=", start);
    if (end == std::wstring_view::npos) {
        end = list.size();
    } else {
        while (end > start && !isSeparator(list[end - 1]))
            --end; // back over the next name
    }
    value = trimmed(list.substr(start, end - start));
    return !value.empty();
}
} // namespace

bool OrvantaCalcBase::calculateParam(const std::wstring& list, const std::wstring& name, double& value) {
    return guarded<Guard::Reporting>([&] {
        std::wstring text;
        if (!findParamValue(list, name, text)) return false;
        if (text.find(L'[') != std::wstring::npos) {
            showMessageBox(loadString(MSG_NO_PARAMS_IN_PARAMS_BOX));
            raiseEngineError(NO_PARAMS_IN_PARAMS);
        }
        return calculateNormal(text, value);
    });
}
