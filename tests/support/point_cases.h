// One question per point field on the case Vo 20 m/s at 45 degrees from the ground, with what
// the panel must show: shared by the tests of the panel logic and of the real dialog.
#pragma once

struct PointCase {
    int k;              // the field typed into, 1 x .. 5 t
    const char* text;   // what is typed
    const char* fields[5];  // the five edits afterwards
    const char* second[3];  // statics 160..162 afterwards
};

inline constexpr PointCase kPointCases[] = {
    {1, "10", {" 10.00", "  7.55", "  7.21", " 15.87", "  0.71"}, {"x2: ", "Vy2: ", "t2: "}},
    {2, "5", {"  5.84", "  5.00", " 10.09", " 17.38", "  0.41"}, {"x2:  34.94", "Vy2: -10.09", "t2:   2.47"}},
    {3, "-5", {" 27.60", "  8.92", " -5.00", " 15.00", "  1.95"}, {"x2: ", "Vy2: ", "t2: "}},
    {4, "15", {" 13.18", "  8.92", "  5.00", " 15.00", "  0.93"}, {"x2:  27.60", "Vy2:  -5.00", "t2:   1.95"}},
    {5, "2", {" 28.28", "  8.66", " -5.48", " 15.17", "  2.00"}, {"x2: ", "Vy2: ", "t2: "}},
};
