// The conditions a launch flies under: the gravity of a world and, when the air is on, quadratic
// drag on a ball of given mass, diameter and drag coefficient in air of constant density. A small
// value passed to whatever solves, samples or draws a path, and kept with every kept path.
#pragma once

// The worlds and balls that can be chosen by name; kWorldOther and kBallOther mark values that
// were typed in. The indices are those of kWorlds and kBalls.
constexpr int kWorldOther = -1;
constexpr int kBallOther = -1;

struct Conditions {
    double g = 9.81;  // gravity, m/s^2
    bool air = false;
    double mass = 0;      // kg
    double diameter = 0;  // m
    double cd = 0;        // drag coefficient
    double rho = 1.225;   // air density, kg/m^3 (sea level at 15 degrees Celsius)
    int world = 0;        // index in kWorlds, or kWorldOther
    int ball = kBallOther;  // index in kBalls, or kBallOther
};

struct WorldPreset {
    const char* key;  // lower-case English name, also the command line's
    double g;
};

struct BallPreset {
    const char* key;  // lower-case English name, also the command line's
    double mass;
    double diameter;
    double cd;
};

// Gravity at the surface (NASA planetary fact sheets; the Earth's is the program's 9.81).
inline constexpr WorldPreset kWorlds[] = {
    {"earth", 9.81}, {"moon", 1.62}, {"mars", 3.71}, {"jupiter", 24.79}};
constexpr int kWorldCount = sizeof kWorlds / sizeof kWorlds[0];

// Mass and diameter from the rules of each game (the middle of the allowed range); drag
// coefficients typical of each ball at the speeds of play.
inline constexpr BallPreset kBalls[] = {
    {"baseball", 0.145, 0.0737, 0.35},   {"golf", 0.04593, 0.04267, 0.25},
    {"football", 0.43, 0.22, 0.25},      {"tennis", 0.0577, 0.067, 0.55},
    {"table-tennis", 0.0027, 0.04, 0.5}, {"basketball", 0.62, 0.239, 0.47},
    {"shot-put", 7.26, 0.12, 0.47}};
constexpr int kBallCount = sizeof kBalls / sizeof kBalls[0];

// The index of a world or ball by its key (exact, lower case), or -1.
int FindWorld(const char* key);
int FindBall(const char* key);

// The same gravity and, with air, the same values (the names of the choices aside).
bool SameConditions(const Conditions& a, const Conditions& b);

// Earth without air: the closed-form road of the program's own gravity.
bool IsEarthVacuum(const Conditions& conditions);

// The drag constant k = rho Cd A / (2 m), A = pi d^2 / 4, in 1/m: the deceleration is k |V| V.
// Zero without air.
double DragConstant(const Conditions& conditions);

// The terminal speed sqrt(g / k), m/s; infinite without air.
double TerminalSpeed(const Conditions& conditions);

// What is wrong with a set of conditions, in the order it is reported.
enum class ConditionsFault {
    None,
    Gravity,   // g not a finite number above 0
    Mass,      // with air: not a finite number above 0
    Diameter,
    Cd,
    Density,
    DragTooLarge,  // k or the terminal speed out of what can be computed
};
ConditionsFault CheckConditions(const Conditions& conditions);

// The conditions of a world by index, without air; a ball's values put in the air.
Conditions WorldConditions(int world);
void PutBall(Conditions& conditions, int ball);
