// The dialog's picture and icons for the screen's density.
#pragma once

#include <windows.h>

// The window's dots per inch: its monitor's where the system tells it (Windows 10 and later),
// otherwise the screen's.
int WindowDpi(HWND window);

// The picture, the icon beside the launch height and the window's icons drawn for `dpi`: the
// resources drawn nearest to it (96, 120, 144, 168 or 192 dots per inch). At the start at 96 the
// template's own picture and icon stay as they are.
void UseArtForDpi(HWND dialog, int dpi, bool atStart);
