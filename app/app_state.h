// The program's state: everything that lives as long as the main dialog. The program makes one
// at start-up and hands it to the dialog; a test makes its own.
#pragma once

#include <cstdint>
#include <string>

#include "physics/case_solve.h"
#include "physics/conditions.h"
#include "physics/motion.h"
#include "physics/point.h"
#include "platform/canvas.h"
#include "plot/earlier_paths.h"
#include "plot/frame.h"
#include "plot/overlay.h"
#include "plot/play.h"
#include "report/report.h"
#include "tools/tools_menu.h"

// The case on screen.
struct MotionCase {
    std::uint16_t givenCount = 0;  // ticked boxes found by the last read, 0..2
    KnownPair given{};             // their ParamIds, first < second; 0 where unset
    std::uint32_t givenMask = 0;   // bit i for each given ParamId (bit 0 while fewer than two)
    double values[kParamCount + 1] = {};  // [1..7] as displayed: given ones as read, others as solved
    double y0 = 0;                        // the launch height as last read
    bool solved = false;                  // a case has been solved in this run
    Solution solution{};  // the last successful solve: the plot, the point panel and the report read it
    Conditions conditions;  // what it was solved under
    FlightPath flight;      // with air, its integrated path
};

// What the drawing area shows beyond the case itself, and what moves on it.
struct PlotView {
    int dpi = 96;            // the screen density the dialog is drawn for
    bool caseDrawn = false;  // the area shows the solved case (it had a reach and a height)
    EarlierPaths earlier;    // the paths drawn before the case, behind it
    PointQuery marks{};      // the points marked on the case: its solutionCount is 0 until a
                             // query about this case succeeds, 1 or 2 after it
    bool hasSteeper = false;  // Vo with reach: the steeper launch that lands there too
    Solution steeper{};
    FlightPath steeperFlight;  // with air, the steeper launch's integrated path
    PlotOverlay overlay;     // the hover marker or the ball, with the pixels under it
    bool hovering = false;   // the marker is on the path at the pointer's column
    int hoverColumn = -1;    // that column, in the area's pixels
    TrajectoryPoint hoverPoint{};
    bool playing = false;    // the ball flies
    PlayTimeline timeline;
    double playStart = 0;    // ClockSeconds at the launch
    TrajectoryPoint ball{};  // where the ball was last drawn
    unsigned long frames = 0;  // frames drawn since the launch
    int spentKey = 0;          // the key the plot last took, while held: its repeats and release are spent
};

struct AppState {
    std::int32_t languageIndex = 1;  // 0 Catalan, 1 English, 2 Spanish
    std::string startDirectory;      // the current directory when the program started
    Conditions conditions;  // gravity and air for the next solve: each start, the Earth without air
    MotionCase motionCase;
    PointQuery pointQuery{};
    std::uint16_t lastPointField = 0;  // focused control at the last change of a point field
    std::uint16_t pointInput = 0;      // lastPointField when the last point query started
    PointRange pointRange;             // with air, what the last point query found out of the path
    CanvasWindow plotWindow = nullptr;  // the drawing area, control 0 of the main dialog
    PlotFrame plotFrame{};
    PlotView view;
    // The case as the dialog showed it when it was solved, with the point the plot marks: what
    // Copy case writes beside the plot's picture, whatever has been typed since.
    ReportSheet solvedSheet;
    ToolsState tools;
    bool caseCommandsEnabled = false;  // what the menu shows for the commands that need a case
    bool caseCommandsKnown = false;    // the menu has been brought in line once
};
