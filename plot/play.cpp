#include "plot/play.h"

PlayTimeline MakePlayTimeline(double flightTime) {
    PlayTimeline timeline;
    timeline.flightTime = flightTime > 0 ? flightTime : 0;
    if (timeline.flightTime < kShortestPlay) timeline.duration = kShortestPlay;
    else if (timeline.flightTime > kLongestPlay) timeline.duration = kLongestPlay;
    else timeline.duration = timeline.flightTime;
    timeline.scale = timeline.flightTime == timeline.duration ? 1 : timeline.flightTime / timeline.duration;
    return timeline;
}

double PlayTimeAt(const PlayTimeline& timeline, double elapsed) {
    if (!(elapsed > 0)) return 0;
    if (elapsed >= timeline.duration) return timeline.flightTime;
    const double t = elapsed * timeline.scale;
    return t < timeline.flightTime ? t : timeline.flightTime;
}

bool PlayOver(const PlayTimeline& timeline, double elapsed) {
    return elapsed >= timeline.duration + kPlayRestSeconds;
}
