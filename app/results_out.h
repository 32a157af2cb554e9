// The ways a solved case leaves the program besides Save case: File > Copy case (also Ctrl+C)
// and File > Save plot picture. Both draw the plot again, as the drawing area shows it, into
// an off-screen picture. Each is one call, for the menu bar or any other menu.
#pragma once

#include "app/app_state.h"
#include "platform/dialog.h"

// Puts on the clipboard, in one go, the lines Save case would have appended when the case was
// solved, with the point the plot marks (as text), and the plot as a vector picture and as a
// bitmap of the drawing area's size: text and pictures tell the same case, whatever has been
// typed into the fields since. A clipboard
// held by another program, or one that takes nothing, is reported. Nothing without a case.
void CopyCase(DialogHandle dialog, const AppState& state);

// Asks for a file (a save dialog owned by `dialog`, proposing "plot.png", asking before
// replacing one) and writes the plot into it: an EMF when the name ends in ".emf" (any case),
// otherwise a PNG of twice the drawing area's size, drawn at that size. The file is replaced
// only when the whole picture is on the disk; a failure is reported naming the file. The
// current directory is the start directory again afterwards. Nothing without a case.
void SavePlotPicture(DialogHandle dialog, const AppState& state);
