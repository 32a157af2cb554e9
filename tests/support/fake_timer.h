// A stand-in for the clock and the tick: the test sets the time and runs the ticks itself.
#pragma once

#include "platform/timer.h"

struct FakeTimer {
    double now = 1000;  // what ClockSeconds answers
    bool ticking = false;
    int period = 0;     // milliseconds of the last StartTicks
    int starts = 0;     // StartTicks calls
};

FakeTimer& Timer();
void ResetTimer();
