#include "physics/air_solve.h"

#include <boost/math/tools/minima.hpp>
#include <cmath>

namespace {

namespace bm = boost::math;

constexpr double kDegree = 3.141592653589793 / 180;
// A launch that does not land stands below every value it could be asked for.
constexpr double kNoLanding = -1e300;
constexpr int kSamples = 16;

enum class Measure { Reach, Height, Time };

// A flight's reach, its time, or its height above the launch (the rise, which keeps its own
// digits however high the launch stands: a height is sought as its rise).
double Measured(const FlightEvents& e, Measure m) {
    if (e.end != FlightEnd::Landed) return kNoLanding;
    switch (m) {
        case Measure::Reach: return e.landing.x;
        case Measure::Height: return e.rises ? e.rise : 0;
        case Measure::Time: return e.landing.t;
    }
    return kNoLanding;
}

// The value a measure is sought at: a height as its rise above the launch.
double Sought(Measure m, double value, double y0) { return m == Measure::Height ? value - y0 : value; }

// A one-parameter family of launches: the given value fixes one thing, the parameter the rest.
enum class Family {
    AngleAtSpeed,  // parameter: the angle, degrees; fixed: Vo
    SpeedAtAngle,  // parameter: log of Vo; fixed: the angle, degrees
    AngleAtVx,     // parameter: the angle; fixed: Vx (with the reach, whose steep launches fall short)
    VyAtVx,        // parameter: Vy0; fixed: Vx (with the height or the time, which grow with Vy0)
    VxAtVy,        // parameter: log of Vx; fixed: Vy0 (with the reach, which grows with Vx)
};

void LaunchOf(Family family, double fixed, double p, double& vx, double& vy) {
    switch (family) {
        case Family::AngleAtSpeed:
            vx = fixed * static_cast<double>(DegCos(p));
            vy = fixed * static_cast<double>(DegSin(p));
            return;
        case Family::SpeedAtAngle: {
            const double vo = std::exp(p);
            vx = vo * static_cast<double>(DegCos(fixed));
            vy = vo * static_cast<double>(DegSin(fixed));
            return;
        }
        case Family::AngleAtVx:
            vx = fixed;
            vy = fixed * std::tan(p * kDegree);
            return;
        case Family::VyAtVx:
            vx = fixed;
            vy = p;
            return;
        case Family::VxAtVy:
            vx = std::exp(p);
            vy = fixed;
            return;
    }
}

// What the searches of one solve share: the path of the last exact flight, kept (the root is
// the launch flown last, and its path need not be flown again), and the steps flown so far,
// which end every search once they pass kMostSteps: a case beyond the numerics (a reach of
// 1e-300 m at a height of 40 m under g 0.001) is refused in a tenth of a second, not searched
// for a minute.
struct KeptFlight {
    bool valid = false;
    double vx = 0, vy = 0;
    FlightPath path;
    long steps = 0;
};
constexpr long kMostSteps = 200000;

// False, with nothing flown, once the solve's steps are spent.
bool MayFly(const KeptFlight* kept) { return !kept || kept->steps <= kMostSteps; }

struct Problem {
    const Conditions& conditions;
    double y0;
    Family family;
    double fixed;
    Measure measure;
    double tolerance = kFlightTolerance;
    KeptFlight* kept = nullptr;  // the solve's shared state, if any: exact paths kept, steps counted

    double operator()(double p) const {
        double vx, vy;
        LaunchOf(family, fixed, p, vx, vy);
        if (!std::isfinite(vx) || !std::isfinite(vy) || !MayFly(kept)) return kNoLanding;
        if (kept && tolerance == kFlightTolerance) {
            FlyPath(conditions, y0, vx, vy, kept->path);
            kept->valid = true;
            kept->vx = vx;
            kept->vy = vy;
            kept->steps += kept->path.events.steps;
            return Measured(kept->path.events, measure);
        }
        FlightEvents e;
        Fly(conditions, y0, vx, vy, e, nullptr, tolerance);
        if (kept) kept->steps += e.steps;
        return Measured(e, measure);
    }
};

// A function of one parameter passed by reference: every search below is compiled once, not
// once per caller (the program's size counts).
class Fn {
public:
    template <class F>
    Fn(const F& f) : self_(&f), call_([](const void* self, double p) { return (*static_cast<const F*>(self))(p); }) {}
    double operator()(double p) const { return call_(self_, p); }

private:
    const void* self_;
    double (*call_)(const void*, double);
};


// The root of g in [a, b], where g(a) = ga and g(b) = gb have opposite signs: Brent's method
// (inverse quadratic interpolation and secant steps, bisection whenever they do not shrink the
// bracket fast enough), to `relative` of the root; `groot` is g there. Written here rather than
// taken from Boost.Math (TOMS 748): as accurate and as fast on these smooth functions, 3 KB less
// program.
double BrentRoot(const Fn& g, double a, double b, double ga, double gb, double relative, double& groot) {
    double c = a, gc = ga, d = b - a, e = d;
    for (int i = 0; i < 200; ++i) {
        if ((gb > 0) == (gc > 0)) {
            c = a, gc = ga;
            d = e = b - a;
        }
        if (std::fabs(gc) < std::fabs(gb)) {
            a = b, b = c, c = a;
            ga = gb, gb = gc, gc = ga;
        }
        const double tolerance = relative * std::fabs(b) + 1e-300, half = (c - b) / 2;
        if (std::fabs(half) <= tolerance || gb == 0) return groot = gb, b;
        if (std::fabs(e) >= tolerance && std::fabs(ga) > std::fabs(gb)) {
            double p, q, s = gb / ga;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double r = gb / gc, t = ga / gc;
                p = s * (2 * half * t * (t - r) - (b - a) * (r - 1));
                q = (t - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            p = std::fabs(p);
            if (2 * p < std::fmin(3 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = half;
            }
        } else {
            d = e = half;
        }
        a = b, ga = gb;
        b += std::fabs(d) > tolerance ? d : (half > 0 ? tolerance : -tolerance);
        gb = g(b);
    }
    return groot = gb, b;
}

// The last bits of a double, and the digits that the looser flights of a search give.
constexpr double kExactRoot = 2e-16;
constexpr double kLooseRoot = 1e-9;

// The parameter in [lo, hi] at which f equals target, f(lo) - target and f(hi) - target being of
// opposite signs (or zero), to `relative` of itself. To the last bits, false when the root
// found does not give the target: a jump at the edge of the launches that land (a looser root
// is a guess for the exact one, which says so).
// `ends`, when given, holds f(lo) and f(hi), already known.
bool Bracketed(Fn f, double target, double lo, double hi, double& root, double relative = kExactRoot,
               const double* ends = nullptr) {
    auto g = [&](double p) { return f(p) - target; };
    const double glo = ends ? ends[0] - target : g(lo), ghi = ends ? ends[1] - target : g(hi);
    if (glo == 0) return root = lo, true;
    if (ghi == 0) return root = hi, true;
    if ((glo < 0) == (ghi < 0)) return false;
    double groot;
    root = BrentRoot(g, lo, hi, glo, ghi, relative, groot);
    return relative > kExactRoot || std::fabs(groot) <= 1e-9 * std::fmax(std::fabs(target), 1.0);
}

// What a scan of a family found: the largest value and where, and the roots, lower first.
struct Scan {
    double peak = kNoLanding;
    double peakAt = 0;
    int count = 0;
    double roots[2] = {};
};

// The root of `fine` near `guess`, a root of a looser version of it in [lo, hi]: secant steps
// on the exact flights from the guess and a point a millionth of the interval away, which the
// looser flights' digits put within reach, until a step moves it by less than its last bits;
// never outside [first, last], where the family's launches are. Where the steps leave that or
// stop shrinking, Brent's method over [lo, hi].
bool Refined(Fn fine, double target, double guess, double lo, double hi, double& root, double first, double last) {
    double p0 = guess, p1 = guess + 1e-6 * (hi - lo);
    if (p1 > last) p1 = guess - 1e-6 * (hi - lo);
    double g0 = fine(p0) - target, g1 = fine(p1) - target;
    for (int i = 0; i < 8 && g1 != g0; ++i) {
        // Within a few units in the last place of the target: as near as the flights tell.
        if (std::fabs(g1) <= 4e-15 * std::fabs(target)) return root = p1, true;
        const double p2 = p1 - g1 * (p1 - p0) / (g1 - g0);
        if (!(p2 >= first && p2 <= last) || (i > 0 && std::fabs(p2 - p1) >= std::fabs(p1 - p0))) break;
        if (std::fabs(p2 - p1) <= 4e-16 * std::fabs(p2) + 1e-300) {
            // A launch that does not land stands far below: a jump, not a root. The launch
            // flown last is as near as the next would be.
            if (std::fabs(g1) > 1e-9 * std::fmax(std::fabs(target), 1.0)) break;
            return root = p1, true;
        }
        p0 = p1, g0 = g1;
        p1 = p2;
        g1 = fine(p1) - target;
    }
    // Steps that stop moving for the flights' own last digits: the root.
    if (std::fabs(g1) <= 1e-14 * std::fabs(target)) return root = p1, true;
    return Bracketed(fine, target, lo, hi, root);
}

// The lower root of ScanFamily alone: the samples from `lo` up to the first above the target,
// which bracket it. False where that does not settle it (near the peak, where the looser
// flights may see the target crossed and the exact ones not): the whole scan then.
bool LowerRoot(Fn coarse, Fn fine, double target, double lo, double hi, bool steepEnd, Scan& scan) {
    double below = lo, belowValue = coarse(lo);
    for (int i = 1; i <= kSamples && !(belowValue > target); ++i) {
        const double p = lo + (hi - lo) * i / kSamples, value = steepEnd && i == kSamples ? kNoLanding : coarse(p);
        if (value > target) {
            const double ends[2] = {belowValue, value};
            double guess, root;
            if (!Bracketed(coarse, target, below, p, guess, kLooseRoot, ends) ||
                !Refined(fine, target, guess, below, p, root, lo, hi))
                return false;
            scan.roots[scan.count++] = root;
            scan.peak = value;
            scan.peakAt = p;
            return true;
        }
        below = p, belowValue = value;
    }
    return false;
}

// Solves f(p) = target over [lo, hi] for a quantity that rises to one peak and falls after it
// (either side may be missing): samples it with the looser flights of `coarse`, takes one root
// on each side where the values there fall short of the target, and settles each with the
// flights of `fine`. Two roots are two launches. The peak is sought closely only where the
// target comes near it: a sample well above the target shows the peak above it too.
// With `roots` 0, only whether the target is below the peak, and the peak where it is not: the
// samples are then taken from `first` outward and the first one well above the target ends it.
// With `roots` 1, the lower root alone.
// With `steepEnd`, the value at `hi` is known to fall below any target (the reach of a launch
// at a given Vx as it nears the vertical), and is not flown: its launch is the costliest of
// all; the last interval's root is bracketed by launches nearer and nearer to `hi`.
Scan ScanFamily(Fn coarse, Fn fine, double target, double lo, double hi, int roots = 2, int first = 0,
                bool steepEnd = false) {
    Scan scan;
    if (roots == 1 && LowerRoot(coarse, fine, target, lo, hi, steepEnd, scan)) return scan;
    double at[kSamples + 1], value[kSamples + 1];
    const double clear = target + 1e-5 * std::fabs(target);
    // The samples from `first` outward: first, first + 1, first - 1, first + 2, ...
    int order[kSamples + 1], count = 0;
    for (int d = 0; count <= kSamples; ++d) {
        if (first + d <= kSamples) order[count++] = first + d;
        if (d > 0 && first - d >= 0 && count <= kSamples) order[count++] = first - d;
    }
    int top = -1;
    for (const int i : order) {
        at[i] = lo + (hi - lo) * i / kSamples;
        value[i] = steepEnd && i == kSamples ? kNoLanding : coarse(at[i]);
        if (top < 0 || value[i] > value[top]) top = i;
        if (roots == 0 && value[i] > clear) {
            scan.peak = value[i];
            scan.peakAt = at[i];
            return scan;
        }
    }
    scan.peakAt = at[top];
    scan.peak = value[top];
    if (!(value[top] > clear)) {
        if (top > 0 && top < kSamples) {
            auto below = [&](double p) { return -coarse(p); };
            boost::uintmax_t iterations = 100;
            const auto best = bm::tools::brent_find_minima(below, at[top - 1], at[top + 1], 60, iterations);
            if (-best.second > value[top]) scan.peakAt = best.first;
        }
        // The peak as the exact flights give it there: within the search's reach of the true
        // one, and below it, so that a value just past the peak is never taken for one below it.
        scan.peak = fine(scan.peakAt);
        if (scan.peak == kNoLanding || target > scan.peak || roots == 0) return scan;
        if (target == scan.peak) {
            scan.roots[scan.count++] = scan.peakAt;
            return scan;
        }
    }
    double guess, root;
    for (int j = top - 1; j >= 0; --j) {
        if (value[j] <= target) {
            const double upper = j + 1 == top ? scan.peakAt : at[j + 1];
            const double ends[2] = {value[j], upper == at[j + 1] ? value[j + 1] : coarse(upper)};
            if (Bracketed(coarse, target, at[j], upper, guess, kLooseRoot, ends) &&
                Refined(fine, target, guess, at[j], upper, root, lo, hi))
                scan.roots[scan.count++] = root;
            break;
        }
    }
    if (scan.count >= roots) return scan;
    for (int j = top + 1; j <= kSamples; ++j) {
        if (value[j] <= target) {
            const double lower = j - 1 == top ? scan.peakAt : at[j - 1];
            if (steepEnd && j == kSamples) {
                // Halve the way to the end until a launch falls short of the target.
                double near = lower, step = (hi - lower) / 2;
                for (int m = 0; m < 40 && coarse(near + step) > target; ++m, step /= 2) near += step;
                at[j] = near + step;
                if (!(at[j] < hi)) break;
                value[j] = coarse(at[j]);
            }
            const double ends[2] = {lower == at[j - 1] ? value[j - 1] : coarse(lower), value[j]};
            if (Bracketed(coarse, target, lower, at[j], guess, kLooseRoot, ends) &&
                Refined(fine, target, guess, lower, at[j], root, lo, hi))
                scan.roots[scan.count++] = root;
            break;
        }
    }
    return scan;
}

// The root of a monotone f at `target` in [lo, hi], where f - target changes sign: found with the
// looser flights of `coarse`, settled with those of `fine`.
bool Settle(Fn coarse, Fn fine, double target, double lo, double hi, double& root, const double* ends = nullptr) {
    double guess;
    return Bracketed(coarse, target, lo, hi, guess, kLooseRoot, ends) && Refined(fine, target, guess, lo, hi, root, lo, hi);
}

// Solves f(p) = target for a quantity that only rises or only falls with p (the reach, height
// and time of a launch at a fixed angle, against the log of its speed; the reach at a fixed Vy0
// against the log of Vx): a bracket grown from `center` with the looser flights until it holds
// the target, then a root.
Scan Monotone(Fn coarse, Fn fine, double target, double center) {
    Scan scan;
    double a = center - 0.5, b = center + 0.5, fa = coarse(a), fb = coarse(b);
    const bool rising = fb >= fa;
    double step = 1;
    for (int i = 0; i < 40; ++i, step *= 2) {
        const bool belowB = rising ? fb < target : fb > target;
        const bool aboveA = rising ? fa > target : fa < target;
        if (!belowB && !aboveA) break;
        if (belowB) {
            a = b, fa = fb;
            b += step;
            fb = coarse(b);
            // Past the fastest launch flown: back towards the last one flown.
            for (int k = 0; k < 60 && fb == kNoLanding && fa != kNoLanding; ++k) fb = coarse(b = (a + b) / 2);
        } else {
            b = a, fb = fa;
            a -= step;
            fa = coarse(a);
        }
    }
    scan.peak = std::fmax(fa, fb);
    double root;
    const double ends[2] = {fa, fb};
    if (Settle(coarse, fine, target, a, b, root, ends)) scan.roots[scan.count++] = root;
    return scan;
}

// The root of a rising f at `target`, from a bracket grown about `guess` by `spread` (doubled
// each time) with the looser flights of `coarse`; below `floor` no launch is tried.
bool RisingRoot(Fn coarse, Fn fine, double target, double guess, double spread, double floor, double& root) {
    double lo = std::fmax(guess - spread, floor), hi = guess + spread;
    double ends[2] = {coarse(lo), coarse(hi)};
    for (int i = 0; i < 60 && ends[1] < target; ++i, spread *= 2) ends[1] = coarse(hi += spread);
    for (int i = 0; i < 60 && lo > floor && ends[0] > target; ++i, spread *= 2)
        ends[0] = coarse(lo = std::fmax(lo - spread, floor));
    return Settle(coarse, fine, target, lo, hi, root, ends);
}

// The largest angle of a family that stays below vertical: the tangent of 90 - 1e-7 degrees.
constexpr double kSteepest = 90 - 1e-7;

// The speed that most of the family's values depend on, for the log grid of the speeds.
double SpeedScale(const Conditions& c, Measure m, double target, double y0) {
    switch (m) {
        case Measure::Reach: return std::sqrt(c.g * target);
        case Measure::Height: return std::sqrt(2 * c.g * std::fmax(target - y0, target));
        case Measure::Time: return c.g * target;
    }
    return 1;
}

struct FamilySolve {
    Scan scan;
    Family family;
    double fixed;
};

// The vacuum's launch speed for a measure: the scale of the speeds a family is searched over.
double VacuumVy(const Conditions& c, Measure m, double target, double y0) {
    return m == Measure::Height ? std::sqrt(2 * c.g * target) : c.g * target / 2 - y0 / target;
}

// `most` is how many launches are wanted: the second (the steeper, or the faster) only with 2.
FamilySolve SolveFamily(const Conditions& c, const GivenData& given, Family family, double fixed,
                        Measure measure, double value, int most = 2, KeptFlight* kept = nullptr) {
    Problem fine{c, given.y0, family, fixed, measure};
    fine.kept = kept;
    Problem coarse = fine;
    coarse.tolerance = kSearchTolerance;
    const double target = Sought(measure, value, given.y0), y0 = given.y0;
    Scan scan;
    double root;
    switch (family) {
        case Family::AngleAtSpeed: {
            const double lo = measure == Measure::Height ? 0 : -90, hi = 90;
            if (measure == Measure::Reach) return {ScanFamily(coarse, fine, target, lo, hi, most), family, fixed};
            // The height and the time only grow as the launch steepens at a given speed: one
            // launch, bracketed by the family's ends.
            if (Settle(coarse, fine, target, lo, hi, root)) scan.roots[scan.count++] = root;
            return {scan, family, fixed};
        }
        case Family::SpeedAtAngle: {
            const double center = std::log(SpeedScale(c, measure, value, y0));
            // Launched downward, a faster throw falls slower at first (its speed is mostly
            // horizontal, and the drag on it holds the fall back) and then sooner: the time of
            // flight rises and falls with the speed, and one time may fit two launches.
            if (measure == Measure::Time && DegSin(fixed) < 0)
                return {ScanFamily(coarse, fine, target, center - std::log(1e3), center + std::log(1e4), most), family,
                        fixed};
            return {Monotone(coarse, fine, target, center), family, fixed};
        }
        case Family::AngleAtVx:
            return {ScanFamily(coarse, fine, target, -kSteepest, kSteepest, most, 0, true), family, fixed};
        case Family::VyAtVx: {
            // From the vacuum's Vy0, which reaches too low or lands too soon in air.
            const double guess = VacuumVy(c, measure, target, y0);
            const double spread = measure == Measure::Height ? guess : std::fabs(guess) + c.g * target;
            const double floor = measure == Measure::Height ? 0 : -INFINITY;
            if (RisingRoot(coarse, fine, target, guess, spread, floor, root)) scan.roots[scan.count++] = root;
            return {scan, family, fixed};
        }
        case Family::VxAtVy: {
            // The reach grows with Vx at a given Vy0, with no end (as the log of Vx): one launch,
            // from the vacuum's Vx.
            const double flight = (fixed + std::sqrt(fixed * fixed + 2 * c.g * y0)) / c.g;
            return {Monotone(coarse, fine, target, std::log(target / flight)), family, fixed};
        }
    }
    return {scan, family, fixed};
}

double Component(double vo, double v) { return std::sqrt(std::fmax((vo - v) * (vo + v), 0.0)); }

// The vertical speed that reaches height h (above y0) at horizontal speed vx; `hint` is the
// answer for a nearby vx, or NaN.
bool VyForHeight(const Conditions& c, double y0, double vx, double h, double hint, double& vy, KeptFlight& kept) {
    if (h == y0) return vy = 0, true;
    const Problem fine{c, y0, Family::VyAtVx, vx, Measure::Height, kFlightTolerance, &kept};
    Problem coarse = fine;
    coarse.tolerance = kSearchTolerance;
    const double above = h - y0, vacuum = std::sqrt(2 * c.g * above);
    if (std::isnan(hint)) return RisingRoot(coarse, fine, above, vacuum, vacuum, 0.0, vy);
    return RisingRoot(coarse, fine, above, hint, 1e-4 * hint, 0.0, vy);
}

// The vertical speed that lands at time t at horizontal speed vx; `hint` as above.
bool VyForTime(const Conditions& c, double y0, double vx, double t, double hint, double& vy, KeptFlight& kept) {
    const Problem fine{c, y0, Family::VyAtVx, vx, Measure::Time, kFlightTolerance, &kept};
    Problem coarse = fine;
    coarse.tolerance = kSearchTolerance;
    const double vacuum = c.g * t / 2 - y0 / t;
    if (std::isnan(hint)) return RisingRoot(coarse, fine, t, vacuum, std::fabs(vacuum) + c.g * t, -INFINITY, vy);
    return RisingRoot(coarse, fine, t, hint, 1e-4 * (std::fabs(hint) + 1), -INFINITY, vy);
}

// Reach with height or with time by Newton's method on both launch components at once, from
// the vacuum's launch, each step halved until the residual falls: a few flights where the
// nested search below takes dozens. The looser flights come near, with a Jacobian by wide
// differences (their digits would drown narrow ones); the exact flights then settle, that
// Jacobian kept, each keeping its path in `kept`. False when it does not settle.
bool NewtonReachPair(const Conditions& c, double y0, bool height, double r, double other, double& vx, double& vy,
                     KeptFlight& kept) {
    const Measure m = height ? Measure::Height : Measure::Time;
    const double sought = Sought(m, other, y0);
    double tolerance = kSearchTolerance;
    auto residual = [&](double x, double y, double& fr, double& fo) {
        if (!MayFly(&kept)) return false;
        FlightEvents looser;
        if (tolerance == kFlightTolerance) {
            FlyPath(c, y0, x, y, kept.path);
            kept.valid = true;
            kept.vx = x;
            kept.vy = y;
            kept.steps += kept.path.events.steps;
        } else {
            Fly(c, y0, x, y, looser, nullptr, tolerance);
            kept.steps += looser.steps;
        }
        const FlightEvents& e = tolerance == kFlightTolerance ? kept.path.events : looser;
        if (e.end != FlightEnd::Landed || (height && !e.rises)) return false;
        fr = (e.landing.x - r) / r;
        fo = (Measured(e, m) - sought) / sought;
        return true;
    };
    if (height) {
        vy = std::sqrt(2 * c.g * (other - y0));
        vx = r * c.g / (vy + std::sqrt(2 * c.g * other));
    } else {
        vx = r / other;
        vy = c.g * other / 2 - y0 / other;
    }
    double fr, fo, a = 0, b = 0, cc = 0, d = 0;
    if (!residual(vx, vy, fr, fo)) return false;
    for (int i = 0; i < 40; ++i) {
        const double norm = std::fabs(fr) + std::fabs(fo);
        const bool loose = tolerance > kFlightTolerance;
        if (loose && norm <= 1e-6) {
            // Near enough: the exact flights from here.
            tolerance = kFlightTolerance;
            if (!residual(vx, vy, fr, fo)) return false;
            continue;
        }
        if (!loose && norm <= 4e-16) return true;
        if (loose) {
            const double dx = 1e-4 * vx, dy = 1e-4 * std::fmax(std::fabs(vy), vx);
            double rx, ox, ry, oy;
            if (!residual(vx + dx, vy, rx, ox) || !residual(vx, vy + dy, ry, oy)) return false;
            a = (rx - fr) / dx, b = (ry - fr) / dy, cc = (ox - fo) / dx, d = (oy - fo) / dy;
        }
        const double det = a * d - b * cc;
        if (!(std::fabs(det) > 0)) return false;
        double sx = -(d * fr - b * fo) / det, sy = -(a * fo - cc * fr) / det;
        if (!loose && std::fabs(sx) / vx + std::fabs(sy) / std::fmax(std::fabs(vy), vx) < 1e-16) return true;
        bool better = false;
        for (int halving = 0; halving < 8 && !better; ++halving, sx /= 2, sy /= 2) {
            double nr, no;
            if (vx + sx > 0 && residual(vx + sx, vy + sy, nr, no) && std::fabs(nr) + std::fabs(no) < norm) {
                vx += sx;
                vy += sy;
                fr = nr;
                fo = no;
                better = true;
            }
        }
        if (better) continue;
        // No step lowers the residual: it is as small as the flights' own digits let it be.
        if (!loose) return norm <= 1e-12;
        tolerance = kFlightTolerance;
        if (!residual(vx, vy, fr, fo)) return false;
    }
    return false;
}

// Reach with height or with time: the horizontal speed whose launch, its vertical speed fixed by
// the other value, lands at the reach.
SolveResult SolveReachPair(const Conditions& c, const GivenData& given, double& vx, double& vy, KeptFlight& kept) {
    const double r = given.values[ParamReach], y0 = given.y0;
    const bool height = given.pair.second == ParamHeight;
    const double other = given.values[given.pair.second];
    if (height && other < y0) return SolveResult::HeightBelowLaunch;
    if ((!height || other > y0) && NewtonReachPair(c, y0, height, r, other, vx, vy, kept)) return SolveResult::Solved;
    // Each solve of the vertical speed starts from the last one: the outer search moves little.
    double hint = NAN;
    auto vyOf = [&](double x, double& v) {
        const bool ok = height ? VyForHeight(c, y0, x, other, hint, v, kept) : VyForTime(c, y0, x, other, hint, v, kept);
        if (ok) hint = v;
        return ok;
    };
    auto reach = [&](double x) {
        double v;
        if (!vyOf(x, v)) return kNoLanding;
        FlightEvents e;
        if (!MayFly(&kept)) return kNoLanding;
        Fly(c, y0, x, v, e);
        kept.steps += e.steps;
        return Measured(e, Measure::Reach);
    };
    double lo = height ? r * c.g / (2 * std::sqrt(2 * c.g * other)) : r / other;
    double hi = lo;
    for (int i = 0; i < 40 && reach(hi) < r; ++i) hi *= 4;
    for (int i = 0; i < 40 && reach(lo) > r; ++i) lo /= 4;
    if (!Bracketed(reach, r, lo, hi, vx) || !vyOf(vx, vy)) return SolveResult::NoLanding;
    return SolveResult::Solved;
}

}  // namespace

double VerticalRiseHeight(double g, double k, double vo) { return std::log1p(k * vo * vo / g) / (2 * k); }

double VerticalRiseTime(double g, double k, double vo) {
    return std::atan(vo * std::sqrt(k / g)) / std::sqrt(g * k);
}

double FallTimeFromRest(double g, double k, double h) {
    // acosh(e^{kh}) written as log1p(e^{kh} - 1 + sqrt((e^{kh} - 1)(e^{kh} + 1))), exact for a small kh.
    const double m = std::expm1(k * h);
    return std::log1p(m + std::sqrt(m * (m + 2))) / std::sqrt(g * k);
}

double FallTimeDownward(double g, double k, double vo, double h) {
    // With r = vo / vt and tau = sqrt(gk) T, a fall of h gives cosh(tau) + r sinh(tau) = e^{kh},
    // below the terminal speed (tanh) as above it (coth); its root e^tau - 1, written without
    // cancellation for a small kh and for any r, is (m + m (m + 2) / (sqrt(m (m + 2) + r^2) + r))
    // / (1 + r) with m = e^{kh} - 1.
    const double r = vo * std::sqrt(k / g), m = std::expm1(k * h);
    const double q = m * (m + 2);
    return std::log1p((m + q / (std::sqrt(q + r * r) + r)) / (1 + r)) / std::sqrt(g * k);
}

std::vector<AirDataFault> CheckGivenDataAir(const Conditions& c, const GivenData& given) {
    std::vector<AirDataFault> faults;
    const int first = given.pair.first, second = given.pair.second;
    if ((first == ParamAngle || second == ParamAngle) && std::fabs(given.values[ParamAngle]) > 90)
        faults.push_back({DataFault::AngleOutOfRange, ParamAngle, 0});
    for (int p : {first, second})
        if (p != ParamAngle && given.values[p] <= 0) faults.push_back({DataFault::NotPositive, p, 0});
    if (first != ParamVo || !faults.empty()) return faults;
    const double vo = given.values[ParamVo], v = given.values[second], y0 = given.y0;
    const double g = c.g, k = DragConstant(c);
    switch (second) {
        case ParamVx:
        case ParamVy0:
            if (v > vo) faults.push_back({DataFault::ComponentAboveSpeed, second, vo});
            break;
        case ParamReach: {
            // The farthest a launch at Vo carries, sought only when no launch near 34 degrees
            // (where air moves the farthest one to) is seen to carry well past the reach.
            const Problem fine{c, y0, Family::AngleAtSpeed, vo, Measure::Reach};
            Problem coarse = fine;
            coarse.tolerance = kSearchTolerance;
            const Scan scan = ScanFamily(coarse, fine, v, -90, 90, 0, kSamples * 11 / 16);
            if (v > scan.peak) faults.push_back({DataFault::ReachAboveBound, second, std::fmax(scan.peak, 0.0)});
            break;
        }
        case ParamHeight: {
            const double top = y0 + VerticalRiseHeight(g, k, vo);
            if (v < y0) faults.push_back({DataFault::HeightBelowLaunch, second, y0});
            else if (v > top) faults.push_back({DataFault::HeightAboveBound, second, top});
            break;
        }
        case ParamTime: {
            const double top = y0 + VerticalRiseHeight(g, k, vo);
            const double longest = top > 0 ? VerticalRiseTime(g, k, vo) + FallTimeFromRest(g, k, top) : 0;
            if (v > longest) {
                faults.push_back({DataFault::TimeAboveBound, second, longest});
            } else if (y0 > 0) {
                const double shortest = FallTimeDownward(g, k, vo, y0);
                if (v < shortest) faults.push_back({DataFault::TimeBelowBound, second, shortest});
            }
            break;
        }
        default: break;
    }
    return faults;
}

bool CompleteAir(const GivenData& given, double vx, double vy, const FlightPath& path, Solution& solution) {
    const FlightEvents& e = path.events;
    if (e.end != FlightEnd::Landed) return false;
    Solution s = {};
    const double vo = std::hypot(vx, vy);
    s.y0 = given.y0;
    s.values[ParamVo] = vo;
    s.values[ParamAngle] = std::atan2(vy, vx) / kDegree;
    s.values[ParamVx] = vx;
    s.values[ParamVy0] = vy == 0 ? 0.0 : vy;
    s.values[ParamReach] = e.landing.x;
    s.values[ParamHeight] = e.rises ? e.apex.y : given.y0;
    s.values[ParamTime] = e.landing.t;
    s.values[given.pair.first] = given.values[given.pair.first];
    s.values[given.pair.second] = given.values[given.pair.second];
    s.cosAngle = vo > 0 ? vx / vo : 1;
    s.sinAngle = vo > 0 ? vy / vo : 0;
    s.apexX = e.rises ? e.apex.x : 0;
    s.apexTime = e.rises ? e.apex.t : 0;
    for (int i = 1; i <= kParamCount; ++i)
        if (!std::isfinite(s.values[i])) return false;
    solution = s;
    return true;
}

namespace {

// The pairs that fix the launch without a search, with the vacuum's refusals.
SolveResult DirectLaunch(const GivenData& given, double& vx, double& vy) {
    const double* v = given.values;
    switch (PairMask(given.pair.first, given.pair.second)) {
        case PairMask(ParamVo, ParamAngle):
            vx = v[ParamVo] * static_cast<double>(DegCos(v[ParamAngle]));
            vy = v[ParamVo] * static_cast<double>(DegSin(v[ParamAngle]));
            break;
        case PairMask(ParamVo, ParamVx):
            vx = v[ParamVx];
            vy = Component(v[ParamVo], vx);
            break;
        case PairMask(ParamVo, ParamVy0):
            vy = v[ParamVy0];
            vx = Component(v[ParamVo], vy);
            break;
        case PairMask(ParamAngle, ParamVx): {
            const double c = static_cast<double>(DegCos(v[ParamAngle]));
            if (c == 0) return SolveResult::VerticalLaunch;
            vx = v[ParamVx];
            vy = vx / c * static_cast<double>(DegSin(v[ParamAngle]));
            break;
        }
        case PairMask(ParamAngle, ParamVy0): {
            const double s = static_cast<double>(DegSin(v[ParamAngle]));
            if (s == 0) return SolveResult::SpeedNotDetermined;
            if (s < 0) return SolveResult::DirectionsDisagree;
            vy = v[ParamVy0];
            vx = vy / s * static_cast<double>(DegCos(v[ParamAngle]));
            if (std::fabs(vx) < 1e-300) vx = 0;
            break;
        }
        case PairMask(ParamVx, ParamVy0):
            vx = v[ParamVx];
            vy = v[ParamVy0];
            break;
        default: return SolveResult::NoLanding;
    }
    return SolveResult::Solved;
}

// The family of launches and the measure of a pair with one unknown; the vacuum's refusals of
// the angle come first.
SolveResult FamilyOf(const GivenData& given, Family& family, double& fixed, Measure& measure) {
    const int first = given.pair.first, second = given.pair.second;
    const double a = given.values[first], b = given.values[second];
    measure = second == ParamReach ? Measure::Reach : second == ParamHeight ? Measure::Height : Measure::Time;
    if (measure == Measure::Height && b < given.y0) return SolveResult::HeightBelowLaunch;
    fixed = a;
    switch (first) {
        case ParamVo: family = Family::AngleAtSpeed; break;
        case ParamAngle: {
            family = Family::SpeedAtAngle;
            const double s = static_cast<double>(DegSin(a));
            if (measure == Measure::Reach && DegCos(a) == 0) return SolveResult::VerticalLaunch;
            if (measure == Measure::Height && s <= 0)
                return b > given.y0 ? SolveResult::NeverRises : SolveResult::SpeedNotDetermined;
            break;
        }
        case ParamVx: family = measure == Measure::Reach ? Family::AngleAtVx : Family::VyAtVx; break;
        default: family = Family::VxAtVy; break;
    }
    return SolveResult::Solved;
}

bool Fill(const Conditions& c, const GivenData& given, double vx, double vy, Solution& s, FlightPath& path,
          KeptFlight* kept = nullptr) {
    if (kept && kept->valid && kept->vx == vx && kept->vy == vy) {
        path = std::move(kept->path);
        kept->valid = false;
        return path.events.end == FlightEnd::Landed && CompleteAir(given, vx, vy, path, s);
    }
    return FlyPath(c, given.y0, vx, vy, path) && CompleteAir(given, vx, vy, path, s);
}

}  // namespace

SolveResult SolveCaseAir(const Conditions& c, const GivenData& given, AirCase& air, AirLimit& limit, double& bound,
                         bool other) {
    limit = AirLimit::None;
    bound = 0;
    const KnownPair pair = given.pair;
    if (pair.first < 1 || pair.second <= pair.first || pair.second > kParamCount) return SolveResult::NoLanding;
    AirCase result;
    KeptFlight kept;
    double vx = 0, vy = 0;
    SolveResult r = DirectLaunch(given, vx, vy);
    const bool direct = r == SolveResult::Solved ||
                        (pair.second != ParamReach && pair.second != ParamHeight && pair.second != ParamTime);
    if (direct) {
        if (r != SolveResult::Solved) return r;
    } else if (pair.first == ParamReach) {
        if ((r = SolveReachPair(c, given, vx, vy, kept)) != SolveResult::Solved) {
            // Neither search settled a launch: the numerics' limit, not a proof that none lands.
            if (r == SolveResult::NoLanding) limit = AirLimit::NotSettled;
            return r;
        }
    } else {
        Family family;
        double fixed;
        Measure measure;
        if ((r = FamilyOf(given, family, fixed, measure)) != SolveResult::Solved) return r;
        const double target = given.values[pair.second];
        const FamilySolve s = SolveFamily(c, given, family, fixed, measure, target, other ? 2 : 1, &kept);
        if (s.scan.count == 0) {
            if (s.scan.peak > kNoLanding && target > s.scan.peak && family == Family::AngleAtVx) {
                limit = AirLimit::ReachWithVx;
                bound = s.scan.peak;
            }
            // The families that take every value of their measure have a launch for any target:
            // not to find it is the numerics' fault.
            const bool everyValue = family == Family::VyAtVx || family == Family::VxAtVy ||
                                    (family == Family::SpeedAtAngle && DegSin(fixed) >= 0);
            if (everyValue) limit = AirLimit::NotSettled;
            return SolveResult::NoLanding;
        }
        LaunchOf(family, fixed, s.scan.roots[0], vx, vy);
        if (s.scan.count == 2) {
            double ox, oy;
            LaunchOf(family, fixed, s.scan.roots[1], ox, oy);
            result.twoLaunches = Fill(c, given, ox, oy, result.other, result.otherPath, &kept);
        }
    }
    if (!std::isfinite(vx) || !std::isfinite(vy)) return SolveResult::TooLarge;
    const bool filled = Fill(c, given, vx, vy, result.solution, result.path, &kept);
    const FlightEnd end = result.path.events.end;
    if (end == FlightEnd::NeverLands) return SolveResult::NeverReachesGround;
    if (end == FlightEnd::TooLong || !filled) {
        limit = AirLimit::NotSettled;
        return SolveResult::NoLanding;
    }
    air = std::move(result);
    return SolveResult::Solved;
}
