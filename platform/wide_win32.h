// Paths between portable code (UTF-8) and Windows' wide-character functions (UTF-16), so that a
// name keeps every character, whatever the ANSI code page can hold.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The UTF-16 form of a UTF-8 text (a byte that is not UTF-8 becomes U+FFFD).
std::wstring WideOf(std::string_view utf8);
// The UTF-8 form of a UTF-16 text.
std::string Utf8Of(std::wstring_view wide);
// The UTF-16 form of a Windows-1252 text, whatever the system's code page.
std::wstring WideOf1252(std::string_view text);
