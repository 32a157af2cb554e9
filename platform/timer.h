// The clock and the tick of animations. The program links timer_win32.cpp; the unit tests link
// tests/support/fake_timer.cpp, whose clock and ticks the test moves by hand.
#pragma once

#include "platform/dialog.h"

// Starts the dialog's tick, or restarts it at the new period: every `milliseconds` (at best;
// the system may be coarser) the dialog's tick handler runs, until StopTicks.
void StartTicks(DialogHandle dialog, int milliseconds);
void StopTicks(DialogHandle dialog);

// Seconds on a steady clock of better than a millisecond; only differences mean anything.
double ClockSeconds();
