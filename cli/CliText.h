#pragma once
#include <string>

// Conversions between the terminal's UTF-8 and the engine's wide text.
std::wstring fromUtf8(const std::string& text);
std::string toUtf8(const std::wstring& text);
