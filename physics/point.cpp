#include "physics/point.h"

#include <cmath>

namespace {

using Real = long double;

// The earlier root t = (b - sqrt(b^2 - q)) / g of g t^2 / 2 - b t + q / (2 g) = 0. For b > 0
// the difference would cancel when q is small (a point just after the launch), so the same
// root is taken as q / (g (b + sqrt(b^2 - q))); for b <= 0 both terms have one sign. The caller
// has checked the range, so a negative radicand can only be rounding at the apex: it is zero.
Real EarlierRoot(Real b, Real q) {
    Real radicand = b * b - q;
    if (radicand < 0) {
        radicand = 0;
        q = b * b;
    }
    const Real root = std::sqrt(radicand);
    if (b > 0) return q / (Gravity * (b + root));
    return (b - root) / Gravity;
}

bool Finite(const TrajectoryPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.vy) &&
           std::isfinite(p.speed) && std::isfinite(p.t);
}

double* Field(TrajectoryPoint& p, int k) {
    switch (k) {
        case 1: return &p.x;
        case 2: return &p.y;
        case 3: return &p.vy;
        case 4: return &p.speed;
        default: return &p.t;
    }
}

}  // namespace

void SolvePoint(const Solution& solution, TrajectoryPoint& point, int k, double value) {
    const Solution& mc = solution;
    const double* solved = solution.values;
    const Real vo = solved[ParamVo], vx = solved[ParamVx], vy0 = solved[ParamVy0];
    const Real y0 = solution.y0;
    const Real voSin = vo * mc.sinAngle;
    const Real v = value;
    *Field(point, k) = value;

    Real t;
    switch (k) {
        case 1: t = v / vo / mc.cosAngle; break;
        case 2: t = EarlierRoot(vy0, TwoGravity * (v - y0)); break;
        case 3: t = (voSin - v) / Gravity; break;
        // Vy0^2 + |V|^2 - Vo^2 under the root, with Vo^2 - |V|^2 as a product that stays
        // exact for a speed close to Vo; the root's Vy is the one that is not negative.
        case 4: t = EarlierRoot(vy0, (vo - v) * (vo + v)); break;
        default: t = v; break;
    }
    const Real vy = k == 3 ? v : voSin - Gravity * t;
    if (k != 5) point.t = static_cast<double>(t);
    if (k != 1) point.x = static_cast<double>(vo * mc.cosAngle * t);
    if (k != 2) point.y = static_cast<double>(voSin * t + y0 - (Gravity * t) * t / 2);
    if (k != 3) point.vy = static_cast<double>(vy);
    if (k != 4) point.speed = static_cast<double>(std::sqrt(vy * vy + vx * vx));
}

PointError AnswerPoint(const Solution& solution, int k, double value, TrajectoryPoint& first,
                       TrajectoryPoint& second, int& solutionCount) {
    const double* solved = solution.values;
    if (k == 2 && value > solved[ParamHeight]) return PointAboveHeight;
    if (k == 4) {
        if (value < 0) return PointNegativeSpeed;
        if (value < solved[ParamVx]) return PointBelowVx;
    }
    // Without horizontal motion every point has x = 0: x does not tell which one is meant.
    if (k == 1 && Real(solved[ParamVo]) * solution.cosAngle == 0) return PointNoHorizontal;

    TrajectoryPoint one = {}, two = {};
    SolvePoint(solution, one, k, value);
    const bool twoPassages = k == 2 || k == 4;
    if (twoPassages) SolvePoint(solution, two, 5, static_cast<double>(2 * Real(solution.apexTime) - one.t));
    // A value far beyond the trajectory (a time of 1e200 s) gives heights no double holds.
    if (!Finite(one) || (twoPassages && !Finite(two))) return PointOutOfRange;
    first = one;
    if (twoPassages) second = two;
    solutionCount = twoPassages ? 2 : 1;
    return PointDone;
}
