// What ovanta-solve needs of the system besides the C library: its arguments and file names in
// UTF-8, standard input as bytes, and text to the standard streams. cli/console.cpp is the
// C library's own (POSIX); cli/console_win32.cpp reads Windows' wide-character arguments, opens
// files by wide names and writes to a console in UTF-16.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The program's work with its arguments (without the program's name), in UTF-8; the exit status.
int SolveMain(const std::vector<std::string>& args);

// Opens the file named `name` (UTF-8) for reading bytes; null, with errno set, when it cannot.
std::FILE* OpenInputFile(const std::string& name);
// True when `name` (UTF-8) is a folder: it is then refused before anything is read or written
// (Windows would say "permission denied", Linux fail the first read).
bool IsFolder(const std::string& name);
// Standard input gives its bytes as they are: no end of the input at a Ctrl-Z, no CR LF turned
// into LF. Input typed at a console keeps the console's own end of input.
void UseBinaryStandardInput();
// Writes the UTF-8 text to the stream; true when all of it went.
bool WriteText(std::FILE* stream, std::string_view text);
