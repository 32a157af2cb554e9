#include "physics/motion.h"

#include <cmath>

namespace {

using Real = long double;
constexpr Real kPi = 3.141592653589793238462643383279502884L;

// sin of (quadrant * 90 + rest) degrees, with |rest| <= 45.
Real SinOfQuadrant(long quadrant, Real restDegrees) {
    Real radians = restDegrees * kPi / 180;
    Real result;
    switch (((quadrant % 4) + 4) % 4) {
        case 0: result = std::sin(radians); break;
        case 1: result = std::cos(radians); break;
        case 2: result = -std::sin(radians); break;
        default: result = -std::cos(radians); break;
    }
    return result == 0 ? 0.0L : result;  // no -0: a vertical launch shows Vx 0.000
}

// Splits an angle into whole quadrants and a rest of at most 45 degrees; both steps are exact.
void ReduceDegrees(Real degrees, long& quadrant, Real& rest) {
    Real turn = std::fmod(degrees, 360.0L);
    Real q = std::nearbyint(turn / 90);
    quadrant = static_cast<long>(q);
    rest = turn - q * 90;
}

Real Clamp1(Real x) { return x > 1 ? 1 : (x < -1 ? -1 : x); }

constexpr Real kDegreesPerRadian = 180 / kPi;

// A quantity that is zero at a boundary (a radicand, a margin) comes out a little below zero
// from rounding, or from given values that meet a bound within kBoundSlack: within a few times
// that share of `scale`, the sum of the magnitudes of the terms it is made of, it is zero.
bool NotBelowZero(Real& x, Real scale) {
    if (x >= 0) return true;
    if (x >= -4 * kBoundSlack * scale) {
        x = 0;
        return true;
    }
    return false;
}

// The path from height y0 must still be at or above the ground line at time t with vertical
// speed vy0 meeting it there on the way down, which holds exactly when y0 >= -g t^2 / 2 (here
// within the slack of a bound).
bool LandsAtTime(Real y0, Real t) {
    const Real fall = Gravity * t * t / 2;
    Real margin = y0 + fall;
    return NotBelowZero(margin, std::fabs(y0) + fall);
}

// The rise from the launch height y0 to the maximum height h, which must not be negative.
bool RiseTo(Real h, Real y0, Real& rise) {
    rise = h - y0;
    return NotBelowZero(rise, std::fabs(h) + std::fabs(y0));
}

// Initial speed for a given angle (cos c, sin s > or < 0) that lands at reach r from y0.
SolveResult SpeedForAngleAndReach(Real angle, Real r, Real y0, Real& vo) {
    Real c = DegCos(angle);
    Real s = DegSin(angle);
    if (c == 0) return SolveResult::VerticalLaunch;
    // Where the path meets y = 0 it must be going down, or it meets the ground earlier on the
    // way up only from below: r tan(a) + 2 y0 >= 0 (always true for y0 >= 0 when it lands).
    Real descent = r * s + 2 * y0 * c;
    if (y0 < 0 && !NotBelowZero(descent, std::fabs(r * s) + std::fabs(2 * y0 * c))) return SolveResult::NoLanding;
    Real denominator = DegSin(2 * angle) + 2 * y0 * c * c / r;
    if (!(denominator > 0)) return SolveResult::NoLanding;
    vo = std::sqrt(r * Gravity / denominator);
    return SolveResult::Solved;
}

// The tangents of the launch angles whose path from y0 at speed vo lands at reach r, the lower
// first; returns how many there are (0, 1 or 2). Two equal ones (the greatest reach at that
// speed) count twice.
int LandingTangents(Real vo, Real r, Real y0, Real tangents[2]) {
    // With u = tan(angle), the landing point (r, 0) on the path gives
    // k u^2 - r u + (k - y0) = 0 with k = g r^2 / (2 vo^2).
    Real k = Gravity * r * r / (2 * vo * vo);
    Real discriminant = r * r - 4 * k * (k - y0);
    if (!NotBelowZero(discriminant, r * r + 4 * k * (k + std::fabs(y0)))) return 0;
    Real q = (r + std::sqrt(discriminant)) / 2;  // no cancellation: r > 0
    Real roots[2] = {(k - y0) / q, q / k};
    int count = 0;
    for (Real u : roots) {
        // The landing, not the rise through y = 0.
        Real descent = u * r + 2 * y0;
        if (y0 >= 0 || NotBelowZero(descent, std::fabs(u * r) + 2 * std::fabs(y0))) tangents[count++] = u;
    }
    return count;
}

// The tangent of the lower of the two angles whose path from y0 at speed vo lands at reach r.
SolveResult TangentForSpeedAndReach(Real vo, Real r, Real y0, Real& tangent) {
    Real tangents[2];
    if (LandingTangents(vo, r, y0, tangents) == 0) return SolveResult::NoLanding;
    tangent = tangents[0];
    return SolveResult::Solved;
}

bool Finite(Real x) { return std::isfinite(x); }

// A result stored for display: a product with an exact zero cosine or sine must not show -0.
double Stored(Real x) { return x == 0 ? 0.0 : static_cast<double>(x); }

// The launch the pair stage found: Vo and the angle as they are stored, the two velocity
// components as exactly as the given data fix them, and the angle's cosine and sine.
struct Launch {
    double vo;
    double angle;
    Real vx;
    Real vy;
    Real cos;
    Real sin;
};

// A launch given by its speed and angle, both as stored.
Launch SpeedAndAngle(double vo, double angle) {
    const Real c = DegCos(angle), s = DegSin(angle);
    return {vo, angle, vo * c, vo * s, c, s};
}

// A launch given by its speed and both components. The angle is their direction and every
// other value comes from the components, so a nearly vertical launch keeps its small
// horizontal speed exactly instead of taking it from the cosine of an angle rounded near 90.
Launch SpeedAndComponents(double vo, Real vx, Real vy) {
    const Real length = std::hypot(vx, vy);
    const double angle = static_cast<double>(std::atan2(vy, vx) * kDegreesPerRadian);
    if (!(length > 0)) return {vo, angle, vx, vy, 1, 0};
    return {vo, angle, vx, vy, vx / length, vy / length};
}

// A launch given by its speed and the tangent of its angle.
Launch SpeedAndTangent(double vo, Real tangent) {
    const Real vx = vo / std::hypot(1.0L, tangent);
    return SpeedAndComponents(vo, vx, vx * tangent);
}

// A launch given by its components alone: Vo is their length.
Launch Components(Real vx, Real vy) {
    return SpeedAndComponents(static_cast<double>(std::hypot(vx, vy)), vx, vy);
}

// The component that completes v to the speed vo, sqrt(vo^2 - v^2), written with (vo - v),
// which stays exact for v close to vo; zero where rounding leaves v just above vo.
Real OtherComponent(Real vo, Real v) {
    const Real a = std::fabs(v);
    const Real radicand = (vo - a) * (vo + a);
    return radicand > 0 ? std::sqrt(radicand) : 0;
}

// Pair stage with Vo given: the angle from the second value.
SolveResult PairWithSpeed(int second, double vo, Real v, Real y0, Launch& launch) {
    switch (second) {
        case ParamAngle: launch = SpeedAndAngle(vo, static_cast<double>(v)); break;
        case ParamVx: launch = SpeedAndComponents(vo, v, OtherComponent(vo, v)); break;
        case ParamVy0: launch = SpeedAndComponents(vo, OtherComponent(vo, v), v); break;
        case ParamReach: {
            Real tangent;
            if (SolveResult r = TangentForSpeedAndReach(vo, v, y0, tangent); r != SolveResult::Solved) return r;
            launch = SpeedAndTangent(vo, tangent);
            break;
        }
        case ParamHeight: {
            Real rise;
            if (!RiseTo(v, y0, rise)) return SolveResult::HeightBelowLaunch;
            const Real vy = std::fmin(std::sqrt(TwoGravity * rise), Real(vo));
            launch = SpeedAndComponents(vo, OtherComponent(vo, vy), vy);
            break;
        }
        case ParamTime: {
            if (!LandsAtTime(y0, v)) return SolveResult::NoLanding;
            // The sine of the launch that lands at time T from y0: (T g / 2 - y0 / T) / Vo.
            const Real fall = v * Gravity / vo / 2, lift = y0 / v / vo;
            Real spare = 1 - std::fabs(fall - lift);  // below 0: faster than Vo, up or down
            if (!NotBelowZero(spare, 1 + std::fabs(fall) + std::fabs(lift))) return SolveResult::NoLanding;
            const Real vy = vo * Clamp1(fall - lift);
            launch = SpeedAndComponents(vo, OtherComponent(vo, vy), vy);
            break;
        }
        default: return SolveResult::NoLanding;
    }
    return SolveResult::Solved;
}

// Pair stage with the angle given: the initial speed from the second value.
SolveResult PairWithAngle(int second, double angle, Real v, Real y0, Launch& launch) {
    const Real c = DegCos(angle), s = DegSin(angle);
    Real vo = 0;
    switch (second) {
        case ParamVx:
            if (c == 0) return SolveResult::VerticalLaunch;
            vo = v / c;
            break;
        case ParamVy0:
            if (s == 0) return SolveResult::SpeedNotDetermined;
            if (s < 0) return SolveResult::DirectionsDisagree;
            vo = v / s;
            break;
        case ParamReach:
            if (SolveResult r = SpeedForAngleAndReach(angle, v, y0, vo); r != SolveResult::Solved) return r;
            break;
        case ParamHeight: {
            Real rise;
            if (!RiseTo(v, y0, rise)) return SolveResult::HeightBelowLaunch;
            // At or below the horizontal the launch point is the highest: a height above it
            // contradicts the angle, and a height equal to it fits every speed.
            if (s <= 0) return rise > 0 ? SolveResult::NeverRises : SolveResult::SpeedNotDetermined;
            vo = std::sqrt(TwoGravity * rise / s / s);
            break;
        }
        case ParamTime: {
            if (s == 0) return SolveResult::SpeedNotDetermined;
            if (!LandsAtTime(y0, v)) return SolveResult::NoLanding;
            // Zero speed is a drop from y0 that takes T; below it the time is too short.
            const Real fall = v * Gravity / s / 2, lift = y0 / v / s;
            vo = fall - lift;
            if (!NotBelowZero(vo, std::fabs(fall) + std::fabs(lift))) return SolveResult::NoLanding;
            break;
        }
        default: return SolveResult::NoLanding;
    }
    // Vo as it will be stored, so that the components agree with the Vo shown.
    launch = SpeedAndAngle(static_cast<double>(vo), angle);
    return SolveResult::Solved;
}

// Pair stage without Vo or the angle: the two components of the launch velocity.
SolveResult PairOfComponents(KnownPair pair, Real a, Real b, Real y0, Launch& launch) {
    Real vx = 0, vy = 0;
    switch (PairMask(pair.first, pair.second)) {
        case PairMask(ParamVx, ParamVy0):
            vx = a;
            vy = b;
            break;
        case PairMask(ParamVx, ParamReach):
            if (!LandsAtTime(y0, b / a)) return SolveResult::NoLanding;
            vx = a;
            vy = (b * Gravity / a / a / 2 - y0 / b) * a;
            break;
        case PairMask(ParamVx, ParamHeight): {
            Real rise;
            if (!RiseTo(b, y0, rise)) return SolveResult::HeightBelowLaunch;
            vx = a;
            vy = std::sqrt(TwoGravity * rise);
            break;
        }
        case PairMask(ParamVx, ParamTime):
            if (!LandsAtTime(y0, b)) return SolveResult::NoLanding;
            vx = a;
            vy = b * Gravity / 2 - y0 / b;
            break;
        case PairMask(ParamVy0, ParamReach): {
            // T = (Vy0 + sqrt(Vy0^2 + 2g Y0)) / g and Vx = R / T.
            Real radicand = a * a + TwoGravity * y0;
            if (!NotBelowZero(radicand, a * a + std::fabs(TwoGravity * y0))) return SolveResult::NeverReachesGround;
            vx = b * Gravity / (a + std::sqrt(radicand));
            vy = a;
            break;
        }
        case PairMask(ParamReach, ParamHeight): {
            // Vy0^2 = 2g (H - Y0), and the fall from the apex at H takes sqrt(2 H / g).
            Real rise;
            if (!RiseTo(b, y0, rise)) return SolveResult::HeightBelowLaunch;
            vy = std::sqrt(TwoGravity * rise);
            vx = a * Gravity / (vy + std::sqrt(TwoGravity * b));
            break;
        }
        case PairMask(ParamReach, ParamTime):
            if (!LandsAtTime(y0, b)) return SolveResult::NoLanding;
            vx = a / b;
            vy = b * Gravity / 2 - y0 / b;
            break;
        default: return SolveResult::NoLanding;
    }
    launch = Components(vx, vy);
    return SolveResult::Solved;
}

// Completion stage: every value that was not given, from the launch's components.
SolveResult Complete(const GivenData& given, const Launch& launch, Solution& solution) {
    const Real y0 = given.y0, vx = launch.vx, vy = launch.vy;
    Real radicand = vy * vy + TwoGravity * y0;
    if (!NotBelowZero(radicand, vy * vy + std::fabs(TwoGravity * y0)))
        return SolveResult::NeverReachesGround;
    const Real root = std::sqrt(radicand);
    // Time to y = 0 on the way down; for a downward launch the same root written without the
    // cancellation of root + vy.
    const Real flight = vy >= 0 ? (root + vy) / Gravity : 2 * y0 / (root - vy);
    if (flight < 0 || std::isnan(flight)) return SolveResult::NeverReachesGround;

    Solution s = {};
    s.y0 = given.y0;
    s.values[ParamVo] = launch.vo;
    s.values[ParamAngle] = launch.angle;
    s.values[ParamVx] = Stored(vx);
    s.values[ParamVy0] = Stored(vy);
    s.values[ParamReach] = Stored(flight * vx);
    s.values[ParamHeight] = Stored(vy > 0 ? vy * vy / Gravity / 2 + y0 : y0);
    s.values[ParamTime] = Stored(flight);
    // Given values are never recomputed.
    s.values[given.pair.first] = given.values[given.pair.first];
    s.values[given.pair.second] = given.values[given.pair.second];
    s.cosAngle = Stored(launch.cos);
    s.sinAngle = Stored(launch.sin);
    s.apexX = Stored(vx * vy / Gravity);
    s.apexTime = Stored(vy / Gravity);

    for (int i = 1; i <= kParamCount; ++i)
        if (!Finite(s.values[i])) return SolveResult::TooLarge;
    if (!Finite(s.apexX) || !Finite(s.apexTime)) return SolveResult::TooLarge;
    solution = s;
    return SolveResult::Solved;
}

}  // namespace

Real DegSin(Real degrees) {
    long quadrant;
    Real rest;
    ReduceDegrees(degrees, quadrant, rest);
    return SinOfQuadrant(quadrant, rest);
}

Real DegCos(Real degrees) {
    long quadrant;
    Real rest;
    ReduceDegrees(degrees, quadrant, rest);
    return SinOfQuadrant(quadrant + 1, rest);
}

// atan2 with the cosine written as sqrt((1-x)(1+x)) keeps full precision near +-1,
// where 1 - x*x would cancel.
Real DegArcSin(Real x) {
    x = Clamp1(x);
    return std::atan2(x, std::sqrt((1 - x) * (1 + x))) * kDegreesPerRadian;
}

Real DegArcTan(Real x) { return std::atan(x) * kDegreesPerRadian; }

SolveResult SolveCase(const GivenData& given, Solution& solution) {
    const KnownPair pair = given.pair;
    if (pair.first < 1 || pair.second <= pair.first || pair.second > kParamCount) return SolveResult::NoLanding;
    const Real a = given.values[pair.first], b = given.values[pair.second], y0 = given.y0;
    Launch launch = {};
    SolveResult result;
    if (pair.first == ParamVo)
        result = PairWithSpeed(pair.second, given.values[ParamVo], b, y0, launch);
    else if (pair.first == ParamAngle)
        result = PairWithAngle(pair.second, given.values[ParamAngle], b, y0, launch);
    else
        result = PairOfComponents(pair, a, b, y0, launch);
    if (result != SolveResult::Solved) return result;
    if (!Finite(launch.vo) || !Finite(launch.angle) || !Finite(launch.vx) || !Finite(launch.vy))
        return SolveResult::TooLarge;
    return Complete(given, launch, solution);
}

SolveResult SolveSteeperCase(const GivenData& given, Solution& steeper) {
    if (given.pair.first != ParamVo || given.pair.second != ParamReach) return SolveResult::NoLanding;
    const double vo = given.values[ParamVo];
    Real tangents[2];
    if (LandingTangents(vo, given.values[ParamReach], given.y0, tangents) < 2 || !(tangents[1] > tangents[0]))
        return SolveResult::NoLanding;
    const Launch launch = SpeedAndTangent(vo, tangents[1]);
    if (!Finite(launch.vx) || !Finite(launch.vy) || !Finite(launch.angle)) return SolveResult::TooLarge;
    return Complete(given, launch, steeper);
}
