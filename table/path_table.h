// The path table: the solved trajectory as rows of numbers for a spreadsheet, and File >
// Export path table, which writes it as a CSV file.
#pragma once

#include <string>
#include <vector>

#include "physics/case_solve.h"
#include "physics/motion.h"
#include "platform/dialog.h"

struct PathRow {
    double t;      // time since launch, s
    double x;      // horizontal distance from the launch point, m
    double y;      // height above the ground (the launch height included), m
    double vx;     // horizontal velocity, m/s
    double vy;     // vertical velocity, upward positive, m/s
    double speed;  // |V|, m/s
};

// Rows at 100 equal steps of time from 0 to the flight time (101 rows, the last one at exactly
// the flight time, where y is 0), by the point equations, and the apex's row (Vy 0, the maximum height) at its
// own time when that lies strictly inside. In order of time; no two rows share a time, so a
// flight time of 0 gives one row.
// Under other conditions than the Earth without air, from the path of those conditions (with air
// the integrated path `flight`).
std::vector<PathRow> PathTableRows(const Solution& solution, const Conditions& conditions = Conditions(),
                                   const FlightPath* flight = nullptr);

// The CSV file, one element per line: the header "t,x,y,Vx,Vy,speed", then one line per row,
// each number the shortest text with a point that reads back as the same double; every line
// ends in CR LF. Empty when a number is not finite (the table is then not written).
std::vector<std::string> PathTableLines(const Solution& solution, const Conditions& conditions = Conditions(),
                                        const FlightPath* flight = nullptr);

// File > Export path table...: a save dialog owned by `dialog` proposes "path.csv" and asks
// before replacing a file; the table is written safely (the file chosen is replaced only when
// the whole table is on the disk) and a failure is reported naming the file, in the words of
// `language`. Cancel does nothing. The current directory is `startDirectory` again afterwards.
// The rows are those of the path under `conditions` (with air, the integrated `flight`).
void ExportPathTable(DialogHandle dialog, const Solution& solution, const std::string& startDirectory,
                     const Conditions& conditions, const FlightPath* flight, int language);
