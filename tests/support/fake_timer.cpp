#include "tests/support/fake_timer.h"

namespace {
FakeTimer timer;
}

FakeTimer& Timer() { return timer; }
void ResetTimer() { timer = FakeTimer(); }

void StartTicks(DialogHandle, int milliseconds) {
    timer.ticking = true;
    timer.period = milliseconds;
    ++timer.starts;
}

void StopTicks(DialogHandle) { timer.ticking = false; }

double ClockSeconds() { return timer.now; }
