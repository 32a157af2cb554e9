// The shot played on the plot: how the path's time follows the clock.
#pragma once

// A flight of 1 to 8 s plays in real time; a shorter one is slowed down to last 1 s, a longer
// one sped up to last 8 s.
struct PlayTimeline {
    double flightTime = 0;  // T of the case, s
    double duration = 0;    // real seconds from the launch to the landing
    double scale = 1;       // path seconds per real second: exactly 1 in real time
};

constexpr double kShortestPlay = 1;    // s
constexpr double kLongestPlay = 8;     // s
constexpr double kPlayRestSeconds = 0.4;  // the ball rests at the landing before it goes
constexpr int kPlayFrameMilliseconds = 15;  // some 66 frames a second

PlayTimeline MakePlayTimeline(double flightTime);

// Path time `elapsed` real seconds after the launch: elapsed times the scale, from 0, and from
// the end of the play on exactly the flight time.
double PlayTimeAt(const PlayTimeline& timeline, double elapsed);

// The play is over once the ball has rested at the landing.
bool PlayOver(const PlayTimeline& timeline, double elapsed);
