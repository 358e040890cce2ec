#pragma once
#include <string>

#include "OrvantaCalcBase.h"

// A text of the engine that the message table has no number for, in both
// languages.
struct LocalText {
    const wchar_t* english;
    const wchar_t* german;
};

inline std::wstring localText(const LocalText& text) {
    return OrvantaCalcBase::s_language != 0 ? text.german : text.english;
}
