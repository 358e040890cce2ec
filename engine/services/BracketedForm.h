#pragma once
// The bracketed function forms of the plotter:
//   parametric 2D   f(t)=[x:=X;y:=Y;t:=a..b]
//   parametric 3D   f(t)=[x:=X;y:=Y;z:=Z;t:=a..b]
//   polar           f(t)=p=[R;t:=a..b]
// Each part is found by its marker (first occurrence); an expression runs from
// the end of its marker up to the separator, the one character before the next
// marker; the range is the text after "t:=", split at the first "..", with
// every "]" taken out of its end.
#include <string>

namespace analysis {

struct BracketedParts {
    std::wstring x, y, z;  // coordinate expressions in t (z only in 3D)
    std::wstring from, to; // the range of t
    bool hasRange = false; // the range contains ".."
};

// Which marker a text lacks first, in the order x:=, y:=, z:= (3D only), t:=.
enum class MissingMarker { None, X, Y, Z, T };

MissingMarker cutParametric(const std::wstring& f, bool threeD, BracketedParts& parts);

constexpr wchar_t POLAR_PREFIX[] = L"f(t)=p=[";

// The radius (text after the prefix up to the separator before "t:="), into
// parts.x, and the range. False when "t:=" is missing.
bool cutPolar(const std::wstring& f, BracketedParts& parts);

} // namespace analysis
