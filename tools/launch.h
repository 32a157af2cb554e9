// Starting programs and opening documents.
#pragma once

#include <string_view>

// Starts a program (a text containing ".exe") or opens a document with its associated program.
int RunCommand(std::string_view text);
