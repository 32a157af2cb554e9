// The main dialog's window procedure and the program's start-up.
#pragma once

#include <windows.h>

// Made at start-up and kept for the whole run: the plot's colours and pens, and its area.
extern COLORREF blueColour;  // RGB(0, 100, 200)
extern COLORREF redColour;   // RGB(250, 0, 0)
extern HPEN bluePen;         // solid, width 1, blueColour
extern HPEN redDotPen;       // dotted, width 1, redColour
extern HWND plotWindow;      // the drawing area, control 0 of the main dialog

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up: colours, pens, language, start directory; then the modal main dialog. Returns the
// dialog's result.
int RunOvanta(HINSTANCE instance);
