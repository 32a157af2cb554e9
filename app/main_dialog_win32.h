// The main dialog's window procedure and the program's start-up.
#pragma once

#include <windows.h>

// The dialog procedure of template DlgMain. Its creation parameter is the AppState the dialog
// works on, which must outlive the dialog.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up: the plot's pens, the program's state with its language and start directory; then
// the modal main dialog. Returns the dialog's result.
int RunOvanta(HINSTANCE instance);
