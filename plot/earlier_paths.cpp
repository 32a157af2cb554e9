#include "plot/earlier_paths.h"

#include <utility>

#include "plot/trajectory.h"

bool SamePath(const Solution& a, const Solution& b) {
    return a.y0 == b.y0 && a.values[ParamVo] == b.values[ParamVo] && a.cosAngle == b.cosAngle &&
           a.sinAngle == b.sinAngle && a.values[ParamTime] == b.values[ParamTime];
}

void KeepEarlierPath(EarlierPaths& earlier, const Solution& path) {
    KeepEarlierPath(earlier, path, Conditions(), FlightPath());
}

void KeepEarlierPath(EarlierPaths& earlier, const Solution& path, const Conditions& conditions,
                     const FlightPath& flight) {
    if (earlier.count > 0 && SamePath(earlier.paths[0], path) && SameConditions(earlier.conditions[0], conditions))
        return;
    const int kept = earlier.count < kEarlierPathsKept ? earlier.count : kEarlierPathsKept - 1;
    for (int i = kept; i > 0; --i) {
        earlier.paths[i] = earlier.paths[i - 1];
        earlier.conditions[i] = earlier.conditions[i - 1];
        earlier.flights[i] = std::move(earlier.flights[i - 1]);
    }
    earlier.paths[0] = path;
    earlier.conditions[0] = conditions;
    earlier.flights[0] = flight;
    earlier.count = kept + 1;
}

void ClearEarlierPaths(EarlierPaths& earlier) { earlier = EarlierPaths(); }

void DrawEarlierPaths(const PlotFrame& frame, const EarlierPaths& earlier) {
    if (!frame.dc) return;
    for (int i = earlier.count - 1; i >= 0; --i) {
        CanvasSelectPen(frame.dc, static_cast<CanvasPen>(static_cast<int>(CanvasPen::EarlierPath1) + i));
        DrawPathLine(frame, earlier.paths[i], earlier.conditions[i], earlier.flights[i]);
    }
}
