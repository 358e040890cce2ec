#include "BracketedForm.h"

namespace analysis {
namespace {
constexpr std::size_t MARKER_LENGTH = 3; // "x:=" and its siblings

// The expression that starts at `begin` and ends at the separator before the
// marker at `next`; empty when the markers stand in the wrong order.
std::wstring cutExpression(const std::wstring& f, std::size_t begin, std::size_t next) {
    if (next < begin + 1) return std::wstring();
    return f.substr(begin, next - 1 - begin);
}

void cutRange(const std::wstring& f, std::size_t tMarker, BracketedParts& parts) {
    const std::wstring range = f.substr(tMarker + MARKER_LENGTH);
    const std::size_t dots = range.find(L"..");
    parts.hasRange = dots != std::wstring::npos;
    if (!parts.hasRange) {
        parts.from = range;
        parts.to.clear();
        return;
    }
    parts.from = range.substr(0, dots);
    parts.to.clear();
    for (wchar_t c : range.substr(dots + 2))
        if (c != L']') parts.to += c;
}
} // namespace

MissingMarker cutParametric(const std::wstring& f, bool threeD, BracketedParts& parts) {
    const std::size_t x = f.find(L"x:=");
    if (x == std::wstring::npos) return MissingMarker::X;
    const std::size_t y = f.find(L"y:=");
    if (y == std::wstring::npos) return MissingMarker::Y;
    const std::size_t z = threeD ? f.find(L"z:=") : std::wstring::npos;
    if (threeD && z == std::wstring::npos) return MissingMarker::Z;
    const std::size_t t = f.find(L"t:=");
    if (t == std::wstring::npos) return MissingMarker::T;

    parts.x = cutExpression(f, x + MARKER_LENGTH, y);
    parts.y = cutExpression(f, y + MARKER_LENGTH, threeD ? z : t);
    parts.z = threeD ? cutExpression(f, z + MARKER_LENGTH, t) : std::wstring();
    cutRange(f, t, parts);
    return MissingMarker::None;
}

bool cutPolar(const std::wstring& f, BracketedParts& parts) {
    const std::size_t t = f.find(L"t:=");
    if (t == std::wstring::npos) return false;
    constexpr std::size_t prefix = sizeof(POLAR_PREFIX) / sizeof(wchar_t) - 1;
    parts.x = cutExpression(f, prefix, t);
    parts.y.clear();
    parts.z.clear();
    cutRange(f, t, parts);
    return true;
}

} // namespace analysis
