// What ovanta-solve writes: the values as the dialog shows them, JSON, and CSV cells. Every
// value passed in must be finite (the solver and the point query guarantee it); -0 is written
// as 0, and a value that rounds to zero at the decimals shown is written without its sign.
#pragma once

#include <string>
#include <string_view>

#include "physics/conditions.h"
#include "physics/motion.h"
#include "physics/point.h"

// Appends the shortest text that reads back to the same double ("14.142135623730951", "1e-07").
void AppendShortest(std::string& out, double value);

// Seven lines "name value", the values with the dialog's three decimals ("vo 20.000").
std::string ShownLines(const Solution& solution);
// One line "label x 5.84 y 5.00 vy 10.09 v 17.38 t 0.41", with the point panel's two decimals.
std::string ShownPointLine(std::string_view label, const TrajectoryPoint& point);

// One JSON object on one line: the seven values and y0, and "point" and "point2" when given
// (null pointers leave them out).
std::string JsonLine(const Solution& solution, const TrajectoryPoint* point,
                     const TrajectoryPoint* point2);

// The conditions as JSON members to append inside an object: ,"g":9.81 and, with air,
// ,"cd":..,"diameter":..,"mass":..,"rho":..,"k":..,"vt":..
std::string JsonConditions(const Conditions& conditions);

// Appends a CSV cell, quoted when it holds a comma, a quote or a line end.
void AppendCsvCell(std::string& out, std::string_view cell);
