// What the drawing area does besides showing the case: the status line under it, the hover
// marker, the click that asks the point panel, the right-click menu, the earlier paths and the
// play of the shot. The Win32 dialog procedure turns the pointer, the keys and the tick into
// these calls; pixel coordinates are those of the drawing area's client area.
#pragma once

#include "app/app_state.h"
#include "platform/dialog.h"
#include "plot/trajectory.h"

// The keys the plot answers wherever the focus is.
enum class PlotKey {
    Play,    // F5
    Escape,  // Esc
    Menu,    // Shift+F10 or the menu key
    Other,
};

// True when the solved case is on screen with a horizontal extent: hover, click and play work.
bool PlotIsLive(const AppState& state);

// The extras the plot draws behind the case: the earlier paths and the steeper path.
PlotExtras PlotExtrasOf(const AppState& state);

// The status line: the solved case in words, empty before any solve.
void ShowCaseStatus(DialogHandle dialog, const AppState& state);

// A solve succeeded with `solved`: the play stops, the marker goes, the case that was on screen
// joins the earlier paths with its conditions, and the other launch, if any, is kept as the
// steeper one. Runs before the new case is stored and drawn.
void PlotBeforeNewCase(DialogHandle dialog, AppState& state, const ConditionsCase& solved);

// The pointer moved to (px, py), inside the area or not; it left the dialog.
void PlotPointerMoved(DialogHandle dialog, AppState& state, int px, int py);
void PlotPointerLeft(DialogHandle dialog, AppState& state);
// A left click at (px, py): within the path's span, that x goes into the point panel and its
// Accept runs, as if typed. A click while the shot plays only stops it.
void PlotClicked(DialogHandle dialog, AppState& state, int px, int py);
// A double click at (px, py): inside the area, the shot plays.
void PlotDoubleClicked(DialogHandle dialog, AppState& state, int px, int py);
// The plot's menu at (px, py), or at the middle of the area for (-1, -1) (from the keyboard);
// the command chosen is run.
void PlotMenu(DialogHandle dialog, AppState& state, int px, int py);
// A key pressed anywhere in the dialog (repeat: held down; code: the physical key, not 0). True
// when the plot took it and nothing else may act on it. While the shot plays any key stops it
// and does only that. A key the plot takes is spent whole: until its release (PlotKeyUp) every
// key-down of it is a repeat, taken and doing nothing, and its release is taken too.
bool PlotKeyDown(DialogHandle dialog, AppState& state, PlotKey key, bool repeat, int code);
// A key released: true when it is the one the plot took, so nothing else may act on it.
bool PlotKeyUp(AppState& state, int code);
// A mouse button pressed anywhere in the dialog or its menu: stops the play. True when it did.
bool PlotStopByUser(DialogHandle dialog, AppState& state);

void StartPlay(DialogHandle dialog, AppState& state);
void StopPlay(DialogHandle dialog, AppState& state);
// The dialog's tick: the ball's next frame, or the end of the play.
void PlayTick(DialogHandle dialog, AppState& state);

// The plot was drawn anew: the marker or the ball goes on top of it again.
void PlotOverlayAfterRedraw(AppState& state);
// The screen density changed: pens, font and figures follow; the caller redraws.
void PlotUseDpi(AppState& state, int dpi);
// The dialog ends: the tick stops and the kept pixels are given back.
void ClosePlotView(DialogHandle dialog, AppState& state);
