#include "physics/motion.h"

#include <cmath>

MotionCase motionCase;

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

// A radicand that should be zero at a boundary may come out a few units of rounding negative.
bool NonNegativeRadicand(Real& radicand, Real scale) {
    if (radicand >= 0) return true;
    if (radicand >= -1e-15L * scale) {
        radicand = 0;
        return true;
    }
    return false;
}

// The path from height y0 must still be at or above the ground line at time t with vertical
// speed vy0 meeting it there on the way down, which holds exactly when y0 >= -g t^2 / 2.
bool LandsAtTime(Real y0, Real t) { return y0 >= -Gravity * t * t / 2; }

// Initial speed for a given angle (cos c, sin s > or < 0) that lands at reach r from y0.
SolveResult SpeedForAngleAndReach(Real angle, Real r, Real y0, Real& vo) {
    Real c = DegCos(angle);
    Real s = DegSin(angle);
    if (c == 0) return SolveResult::VerticalLaunch;
    // Where the path meets y = 0 it must be going down, or it meets the ground earlier on the
    // way up only from below: r tan(a) + 2 y0 >= 0 (always true for y0 >= 0 when it lands).
    if (y0 < 0 && r * s + 2 * y0 * c < 0) return SolveResult::NoLanding;
    Real denominator = DegSin(2 * angle) + 2 * y0 * c * c / r;
    if (!(denominator > 0)) return SolveResult::NoLanding;
    vo = std::sqrt(r * Gravity / denominator);
    return SolveResult::Solved;
}

// The lower of the two angles whose path from y0 at speed vo lands at reach r.
SolveResult AngleForSpeedAndReach(Real vo, Real r, Real y0, Real& angle) {
    // With u = tan(angle), the landing point (r, 0) on the path gives
    // k u^2 - r u + (k - y0) = 0 with k = g r^2 / (2 vo^2).
    Real k = Gravity * r * r / (2 * vo * vo);
    Real discriminant = r * r - 4 * k * (k - y0);
    if (!NonNegativeRadicand(discriminant, r * r)) return SolveResult::NoLanding;
    Real q = (r + std::sqrt(discriminant)) / 2;  // no cancellation: r > 0
    Real roots[2] = {(k - y0) / q, q / k};
    for (Real u : roots) {
        if (y0 >= 0 || u * r + 2 * y0 >= 0) {  // the landing, not the rise through y = 0
            angle = DegArcTan(u);
            return SolveResult::Solved;
        }
    }
    return SolveResult::NoLanding;
}

bool Finite(double x) { return std::isfinite(x); }

// A result stored for display: a product with an exact zero cosine or sine must not show -0.
double Stored(Real x) { return x == 0 ? 0.0 : static_cast<double>(x); }

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

// atan2 with the cosine or sine written as sqrt((1-x)(1+x)) keeps full precision near +-1,
// where 1 - x*x would cancel.
Real DegArcSin(Real x) {
    x = Clamp1(x);
    return std::atan2(x, std::sqrt((1 - x) * (1 + x))) * kDegreesPerRadian;
}

Real DegArcCos(Real x) {
    x = Clamp1(x);
    return std::atan2(std::sqrt((1 - x) * (1 + x)), x) * kDegreesPerRadian;
}

Real DegArcTan(Real x) { return std::atan(x) * kDegreesPerRadian; }

const char* SolveFailureCaption() { return "No solution"; }

const char* SolveFailureText(SolveResult result) {
    switch (result) {
        case SolveResult::Solved: return "";
        case SolveResult::NeverReachesGround:
            return "The path never comes down to the ground (y = 0)";
        case SolveResult::VerticalLaunch:
            return "A vertical launch has no horizontal speed and no reach";
        case SolveResult::SpeedNotDetermined:
            return "With this angle the given value does not fix the initial speed";
        case SolveResult::DirectionsDisagree:
            return "A positive Voy needs an angle above 0";
        case SolveResult::HeightBelowLaunch:
            return "The maximum height cannot be under the launch height";
        case SolveResult::NoLanding:
            return "No launch with these data comes down to the ground";
        case SolveResult::TooLarge:
            return "The data give values too large to compute";
    }
    return "";
}

SolveResult SolveCase(int first, int second) {
    MotionCase& mc = motionCase;
    double w[kParamCount + 1];
    for (int i = 0; i <= kParamCount; ++i) w[i] = mc.work[i];
    const Real y0 = w[0];
    const std::uint32_t pair = (1u << first) | (1u << second);
    auto bits = [](int a, int b) { return (1u << a) | (1u << b); };
    SolveResult result = SolveResult::Solved;
    Real vo = w[ParamVo];

    // Pair stage: the angle, then the initial speed from the angle as stored (a double), so
    // that Vo and the angle shown reproduce the given values as closely as possible.
    if (first == ParamVo) {
        Real v = w[second];
        switch (second) {
            case ParamAngle: break;
            // The arc cosine of Vx / Vo and the arc sine of Vy0 / Vo, with the other component
            // sqrt(Vo^2 - v^2) formed from Vo - v, which is exact when v is close to Vo: a ratio
            // would lose the small angle's digits in 1 - Vx / Vo.
            case ParamVx:
                w[ParamAngle] = static_cast<double>(std::atan2(std::sqrt((vo - v) * (vo + v)), v) * kDegreesPerRadian);
                break;
            case ParamVy0:
                w[ParamAngle] = static_cast<double>(std::atan2(v, std::sqrt((vo - v) * (vo + v))) * kDegreesPerRadian);
                break;
            case ParamReach: {
                Real angle;
                result = AngleForSpeedAndReach(vo, v, y0, angle);
                w[ParamAngle] = static_cast<double>(angle);
                break;
            }
            case ParamHeight:
                if (v < y0) {
                    result = SolveResult::HeightBelowLaunch;
                    break;
                }
                w[ParamAngle] = static_cast<double>(DegArcSin(std::sqrt(TwoGravity * (v - y0) / vo / vo)));
                break;
            case ParamTime: {
                if (!LandsAtTime(y0, v)) {
                    result = SolveResult::NoLanding;
                    break;
                }
                Real s = v * Gravity / vo / 2 - y0 / v / vo;
                if (std::fabs(s) > 1 + 1e-15L) {
                    result = SolveResult::NoLanding;
                    break;
                }
                w[ParamAngle] = static_cast<double>(DegArcSin(s));
                break;
            }
        }
    } else if (first == ParamAngle) {
        const Real angle = w[ParamAngle];
        const Real v = w[second];
        switch (second) {
            case ParamVx: {
                Real c = DegCos(angle);
                if (c == 0) result = SolveResult::VerticalLaunch;
                else vo = v / c;
                break;
            }
            case ParamVy0: {
                Real s = DegSin(angle);
                if (s == 0) result = SolveResult::SpeedNotDetermined;
                else if (s < 0) result = SolveResult::DirectionsDisagree;
                else vo = v / s;
                break;
            }
            case ParamReach: result = SpeedForAngleAndReach(angle, v, y0, vo); break;
            case ParamHeight: {
                Real s = DegSin(angle);
                if (s <= 0) result = SolveResult::SpeedNotDetermined;
                else if (v < y0) result = SolveResult::HeightBelowLaunch;
                else vo = std::sqrt(TwoGravity * (v - y0) / s / s);
                break;
            }
            case ParamTime: {
                Real s = DegSin(angle);
                if (s == 0) result = SolveResult::SpeedNotDetermined;
                else if (!LandsAtTime(y0, v)) result = SolveResult::NoLanding;
                else vo = v * Gravity / s / 2 - y0 / v / s;
                if (result == SolveResult::Solved && vo < 0) result = SolveResult::NoLanding;
                break;
            }
        }
        if (result == SolveResult::Solved) w[ParamVo] = static_cast<double>(vo);
    } else {
        // Neither Vo nor the angle given: the two components of the launch velocity, then the
        // angle, then Vo from the angle as stored and the component that was given (or Vx).
        const Real a = w[first], b = w[second];
        Real vx = 0, vy = 0;
        if (pair == bits(ParamVx, ParamVy0)) {
            vx = a;
            vy = b;
        } else if (pair == bits(ParamVx, ParamReach)) {
            if (!LandsAtTime(y0, b / a)) result = SolveResult::NoLanding;
            vx = a;
            vy = (b * Gravity / a / a / 2 - y0 / b) * a;
        } else if (pair == bits(ParamVx, ParamHeight)) {
            if (b < y0) result = SolveResult::HeightBelowLaunch;
            vx = a;
            vy = std::sqrt(2 * (b - y0) * Gravity);
        } else if (pair == bits(ParamVx, ParamTime)) {
            if (!LandsAtTime(y0, b)) result = SolveResult::NoLanding;
            vx = a;
            vy = b * Gravity / 2 - y0 / b;
        } else if (pair == bits(ParamVy0, ParamReach)) {
            // T = (Vy0 + sqrt(Vy0^2 + 2g Y0)) / g and Vx = R / T.
            Real radicand = a * a + TwoGravity * y0;
            if (radicand < 0) result = SolveResult::NeverReachesGround;
            else vx = b * Gravity / (a + std::sqrt(radicand));
            vy = a;
        } else if (pair == bits(ParamReach, ParamHeight)) {
            // Vy0^2 = 2g (H - Y0), and the fall from the apex at H takes sqrt(2 H / g).
            if (b < y0) result = SolveResult::HeightBelowLaunch;
            else {
                vy = std::sqrt(TwoGravity * (b - y0));
                vx = a * Gravity / (vy + std::sqrt(TwoGravity * b));
            }
        } else if (pair == bits(ParamReach, ParamTime)) {
            if (!LandsAtTime(y0, b)) result = SolveResult::NoLanding;
            vx = a / b;
            vy = b * Gravity / 2 - y0 / b;
        }
        if (result == SolveResult::Solved) {
            w[ParamAngle] = static_cast<double>(DegArcTan(vy / vx));
            const Real angle = w[ParamAngle];
            vo = first == ParamVy0 ? vy / DegSin(angle) : vx / DegCos(angle);
            w[ParamVo] = static_cast<double>(vo);
        }
    }
    if (result != SolveResult::Solved) return result;
    if (!Finite(w[ParamVo]) || !Finite(w[ParamAngle])) return SolveResult::TooLarge;

    // Completion stage: everything that was not given, from Vo and the angle as stored.
    const std::uint32_t given = mc.givenMask;
    vo = w[ParamVo];
    const Real angle = w[ParamAngle];
    const Real c = DegCos(angle);
    const Real s = DegSin(angle);
    const Real vy = vo * s;
    Real radicand = vy * vy + TwoGravity * y0;
    if (!NonNegativeRadicand(radicand, vy * vy + std::fabs(TwoGravity * y0)))
        return SolveResult::NeverReachesGround;
    const Real root = std::sqrt(radicand);
    // Time to y = 0 on the way down; for a downward launch the same root written without the
    // cancellation of root + vy.
    const Real flight = vy >= 0 ? (root + vy) / Gravity : 2 * y0 / (root - vy);
    if (flight < 0 || std::isnan(flight)) return SolveResult::NeverReachesGround;

    if (!(given & (1u << ParamVx))) w[ParamVx] = Stored(c * vo);
    if (!(given & (1u << ParamVy0))) w[ParamVy0] = Stored(vy);
    if (!(given & (1u << ParamReach))) w[ParamReach] = Stored(flight * vo * c);
    if (!(given & (1u << ParamHeight)))
        w[ParamHeight] = Stored(angle > 0 ? vy * vy / Gravity / 2 + y0 : y0);
    if (!(given & (1u << ParamTime))) w[ParamTime] = Stored(flight);
    const double cosAngle = Stored(c);
    const double sinAngle = Stored(s);
    const double apexX = Stored(vo * vo * s * c / Gravity);
    const double apexTime = Stored(vy / Gravity);

    for (int i = 1; i <= kParamCount; ++i)
        if (!Finite(w[i])) return SolveResult::TooLarge;
    if (!Finite(apexX) || !Finite(apexTime)) return SolveResult::TooLarge;

    for (int i = 1; i <= kParamCount; ++i) mc.work[i] = mc.values[i] = w[i];
    for (int i = 0; i <= kParamCount; ++i) mc.solvedWork[i] = w[i];
    mc.cosAngle = cosAngle;
    mc.sinAngle = sinAngle;
    mc.apexX = apexX;
    mc.apexTime = apexTime;
    return SolveResult::Solved;
}
