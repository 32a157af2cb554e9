// Win32 side of the About window, for the program and its tests.
#pragma once

#include <windows.h>

#include <string>

// Registers the FerSobre class on the first call of the run, then creates, shows and updates
// the window with its button. Null (after a message box) when that fails.
HWND CreateAboutWindow();

// The open About window, or null.
HWND AboutWindow();

// The full path of the program file (UTF-8), and the year of its last change in local time (the empty
// text when the file cannot be read).
std::string ProgramFilePath();
std::string ProgramFileYear();

// Fonts of the About window that exist now: 0 whenever the window is closed.
extern int aboutFontsAlive;
