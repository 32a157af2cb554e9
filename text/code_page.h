// Windows-1252, the bytes of the program's texts and of the files it keeps (Tools.rel, the
// report), and UTF-8, the form of every path in portable code.
#pragma once

#include <string>
#include <string_view>

// Windows-1252 text as UTF-8.
std::string Cp1252ToUtf8(std::string_view text);
// UTF-8 text as Windows-1252 into `text`; false when a character has no Windows-1252 byte or
// the UTF-8 is not well formed (`text` then holds '?' in its place).
bool Utf8ToCp1252(std::string_view utf8, std::string& text);
