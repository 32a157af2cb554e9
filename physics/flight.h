// A launch flown with air under given conditions: the integrated path from the launch to the
// landing, its apex and landing, and the questions a point panel and a plot ask of it.
#pragma once

#include <vector>

#include "physics/conditions.h"
#include "physics/flight_series.h"

using FlightPiece = FlightPieceT<double>;
using FlightEvents = FlightEventsT<double>;
using FlightState = FlightPoint<double>;

// The relative tolerance of one step, in units of the largest speed of the step.
constexpr double kFlightTolerance = 1e-16;

// A looser tolerance for the searches that only need to find where to look: some 1e-7 of the
// reach, height or time, in a third of the steps.
constexpr double kSearchTolerance = 1e-7;

// The fastest launch flown: light's speed. The drag of the model means nothing long before, and
// a search that wanders so far (a reach of 1e10 m in 0.03 s) ends at once instead of flying
// launches that never settle.
constexpr double kFastestLaunch = 3e8;

// Flies a launch of components (vx, vy) from height y0 under the conditions (with or without
// air). Fills `events`; keeps the steps in `pieces` when it is not null. A launch faster than
// kFastestLaunch, or not a number, is not flown: FlightEnd::TooLong.
FlightEnd Fly(const Conditions& conditions, double y0, double vx, double vy, FlightEvents& events,
              std::vector<FlightPiece>* pieces = nullptr, double tolerance = kFlightTolerance);

// A flown path: its steps and events, from t = 0 to the landing.
struct FlightPath {
    std::vector<FlightPiece> pieces;
    FlightEvents events{};
    double k = 0;  // the drag constant it was flown with
    double g = 9.81;
};

// Flies and keeps the path; false unless it lands.
bool FlyPath(const Conditions& conditions, double y0, double vx, double vy, FlightPath& path);

// The point of the path at time t, clamped to [0, landing].
FlightState StateAt(const FlightPath& path, double t);

// The quantities a point can be asked by.
enum class PathQuantity { X, Y, Vy, Speed };

// The times in [0, landing] at which the quantity equals `value`, earliest first: at most two
// (y rising and falling, |V| falling and rising; x and Vy take the first). Returns how many.
int TimesOf(const FlightPath& path, PathQuantity quantity, double value, double times[2]);

// The least speed of the flight and its time.
FlightState SlowestPoint(const FlightPath& path);
