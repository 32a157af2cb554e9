#include "physics/conditions.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double kPi = 3.141592653589793;

bool Positive(double v) { return std::isfinite(v) && v > 0; }

}  // namespace

int FindWorld(const char* key) {
    for (int i = 0; i < kWorldCount; ++i)
        if (std::strcmp(kWorlds[i].key, key) == 0) return i;
    return -1;
}

int FindBall(const char* key) {
    for (int i = 0; i < kBallCount; ++i)
        if (std::strcmp(kBalls[i].key, key) == 0) return i;
    return -1;
}

bool SameConditions(const Conditions& a, const Conditions& b) {
    if (a.g != b.g || a.air != b.air) return false;
    return !a.air || (a.mass == b.mass && a.diameter == b.diameter && a.cd == b.cd && a.rho == b.rho);
}

bool IsEarthVacuum(const Conditions& conditions) { return !conditions.air && conditions.g == 9.81; }

double DragConstant(const Conditions& c) {
    if (!c.air) return 0;
    return c.rho * c.cd * (kPi * c.diameter * c.diameter / 4) / (2 * c.mass);
}

double TerminalSpeed(const Conditions& c) {
    const double k = DragConstant(c);
    return k > 0 ? std::sqrt(c.g / k) : INFINITY;
}

ConditionsFault CheckConditions(const Conditions& c) {
    if (!Positive(c.g)) return ConditionsFault::Gravity;
    if (!c.air) return ConditionsFault::None;
    if (!Positive(c.mass)) return ConditionsFault::Mass;
    if (!Positive(c.diameter)) return ConditionsFault::Diameter;
    if (!Positive(c.cd)) return ConditionsFault::Cd;
    if (!Positive(c.rho)) return ConditionsFault::Density;
    // Far outside anything thrown, k or g / k stop being numbers the integrator can step with.
    const double k = DragConstant(c);
    if (!(k >= 1e-12 && k <= 1e6) || !Positive(c.g / k)) return ConditionsFault::DragTooLarge;
    return ConditionsFault::None;
}

Conditions WorldConditions(int world) {
    Conditions c;
    if (world >= 0 && world < kWorldCount) {
        c.g = kWorlds[world].g;
        c.world = world;
    }
    return c;
}

void PutBall(Conditions& c, int ball) {
    if (ball < 0 || ball >= kBallCount) return;
    c.air = true;
    c.mass = kBalls[ball].mass;
    c.diameter = kBalls[ball].diameter;
    c.cd = kBalls[ball].cd;
    c.ball = ball;
}
