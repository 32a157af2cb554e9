// Cases that every front end of the solver must solve or refuse alike: the dialog (values typed
// into its fields, then Accept) and ovanta-solve. The expected texts are the dialog's: the five
// computed fields as they show, or the caption and text of its message box (Windows-1252). The
// computed values were checked against 50-digit references of the plain formulas.
#pragma once

#include "physics/motion.h"

struct SolveExample {
    const char* label;
    int first;               // the two given ParamIds, first < second
    const char* firstText;   // as typed into its field
    int second;
    const char* secondText;
    const char* y0Text;      // the launch height field
    const char* shown[8];    // [1..7]: the computed fields after Accept; nullptr for the given two
    const char* caption;     // the refusal's message box; nullptr when the case is solved
    const char* text;
};

inline constexpr SolveExample kSolveExamples[] = {
    {"Vo 20 at 45 degrees", ParamVo, "20", ParamAngle, "45", "0",
     {nullptr, nullptr, nullptr, "14.142", "14.142", "40.775", "10.194", " 2.883"}, nullptr, nullptr},
    {"the same from 10 m", ParamVo, "20", ParamAngle, "45", "10",
     {nullptr, nullptr, nullptr, "14.142", "14.142", "49.082", "20.194", " 3.471"}, nullptr, nullptr},
    {"Vo and reach: the flatter angle", ParamVo, "20", ParamReach, "30", "0",
     {nullptr, nullptr, "23.685", "18.315", " 8.034", nullptr, " 3.290", " 1.638"}, nullptr, nullptr},
    {"reach and time", ParamReach, "100", ParamTime, "4", "0",
     {nullptr, "31.780", "38.125", "25.000", "19.620", nullptr, "19.620", nullptr}, nullptr, nullptr},
    {"Vy0 and reach", ParamVy0, "10", ParamReach, "30", "0",
     {nullptr, "17.791", "34.199", "14.715", nullptr, nullptr, " 5.097", " 2.039"}, nullptr, nullptr},
    {"downward from 10 m", ParamVo, "20", ParamAngle, "-30", "10",
     {nullptr, nullptr, nullptr, "17.321", "-10.000", "12.731", "10.000", " 0.735"}, nullptr, nullptr},
    {"angle and Vx", ParamAngle, "30", ParamVx, "10", "0",
     {nullptr, "11.547", nullptr, nullptr, " 5.774", "11.771", " 1.699", " 1.177"}, nullptr, nullptr},
    {"both components from 2.5 m", ParamVx, "10", ParamVy0, "5", "2.5",
     {nullptr, "11.180", "26.565", nullptr, nullptr, "13.869", " 3.774", " 1.387"}, nullptr, nullptr},
    {"Vx and height", ParamVx, "5", ParamHeight, "8", "0",
     {nullptr, "13.489", "68.243", nullptr, "12.528", "12.771", nullptr, " 2.554"}, nullptr, nullptr},
    {"angle and time from 1.5 m", ParamAngle, "60", ParamTime, "3", "1.5",
     {nullptr, "16.414", nullptr, " 8.207", "14.215", "24.621", "11.799", nullptr}, nullptr, nullptr},
    {"Vo and height from below the ground", ParamVo, "15", ParamHeight, "5", "-2",
     {nullptr, nullptr, "51.378", " 9.363", "11.719", "20.638", nullptr, " 2.204"}, nullptr, nullptr},
    {"straight up: no -0", ParamVo, "10", ParamAngle, "90", "0",
     {nullptr, nullptr, nullptr, " 0.000", "10.000", " 0.000", " 5.097", " 2.039"}, nullptr, nullptr},
    {"an exponent and blanks", ParamVo, "1.5e1", ParamAngle, " 0 ", "20",
     {nullptr, nullptr, nullptr, "15.000", " 0.000", "30.289", "20.000", " 2.019"}, nullptr, nullptr},
    {"reach just under Vo^2/g", ParamVo, "10", ParamReach, "10.19", "0",
     {nullptr, nullptr, "44.230", " 7.165", " 6.975", nullptr, " 2.480", " 1.422"}, nullptr, nullptr},

    {"Vy0 with height", ParamVy0, "5", ParamHeight, "3", "0", {},
     "Indeterminate case", "Since Vy0 and height or time only depend to each other"},
    {"a value that is not a number", ParamVo, "2,5", ParamAngle, "3", "0", {},
     "wrong value", "to initial speed"},
    // Read in the dialog's order: the launch height, then the values in the order of the
    // parameters, then the checks of the data.
    {"nothing is a number: the launch height is named", ParamVo, "abc", ParamAngle, "100", "x", {},
     "wrong value", "to launch height"},
    {"two values that are not numbers: the first is named", ParamVx, "1..", ParamReach, "-", "0", {},
     "wrong value", "to Vx"},
    {"a wrong value before a fault of the data", ParamVo, "-5", ParamAngle, "9O", "0", {},
     "wrong value", "to angle"},
    {"angle beyond 90", ParamVo, "20", ParamAngle, "100", "0", {},
     "* Errors in the data *", "Range of l'angle: -90... 90 \xBA\r\n\r\n"},
    {"two faults together", ParamVo, "-5", ParamAngle, "100", "0", {},
     "* Errors in the data *", "Range of l'angle: -90... 90 \xBA\r\n\r\ninitial speed: non valid value\r\n\r\n"},
    {"reach above Vo^2/g", ParamVo, "10", ParamReach, "10.2", "0", {},
     "* Errors in the data *", "The reach cannot overcome Vo\xB2/g\r\n\r\n"},
    {"time above its bound from 5 m", ParamVo, "10", ParamTime, "3", "5", {},
     "* Errors in the data *", "The time cannot overcome (Vo+sqrt(Vo\xB2+2g\xB7Y0))/g\r\n\r\n"},
    {"vertical with Vx", ParamAngle, "90", ParamVx, "5", "0", {},
     "No solution", "A vertical launch has no horizontal speed and no reach"},
    {"downward angle with upward Vy0", ParamAngle, "-30", ParamVy0, "5", "0", {},
     "No solution", "A positive Voy needs an angle above 0"},
    {"horizontal with Vy0", ParamAngle, "0", ParamVy0, "5", "0", {},
     "No solution", "With this angle the given value does not fix the initial speed"},
    {"height under the launch", ParamVx, "10", ParamHeight, "2", "5", {},
     "No solution", "The maximum height cannot be under the launch height"},
    {"downward launch above its start", ParamAngle, "-10", ParamHeight, "8", "5", {},
     "No solution", "A launch at or below the horizontal never rises above the launch height"},
    {"never up to the ground from below", ParamVx, "10", ParamVy0, "2", "-5", {},
     "No solution", "The path never comes down to the ground (y = 0)"},
    {"too short a time from below", ParamVx, "10", ParamTime, "1", "-10", {},
     "No solution", "No launch with these data comes down to the ground"},
    {"too large", ParamVo, "1e300", ParamAngle, "45", "0", {},
     "No solution", "The data give values too large to compute"},
};
