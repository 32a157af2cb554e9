// The main dialog's window procedure and the program's start-up.
#pragma once

#include <windows.h>

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up: colours, pens, language, start directory; then the modal main dialog. Returns the
// dialog's result.
int RunOvanta(HINSTANCE instance);
