// The integrator of a launch with quadratic drag: a Taylor series method of fixed high order.
// Each step computes the series of x, y, Vx and Vy about the step's start by the recurrences
// of the equations of motion
//     x' = Vx,  y' = Vy,  Vx' = -k |V| Vx,  Vy' = -g - k |V| Vy,
// takes the step that the last two terms allow at the tolerance, and keeps the series, which is
// the path's dense output: a point anywhere in the step is the polynomial's value there, and
// the apex (Vy = 0) and the landing (y = 0 going down) are roots of its polynomials, where the
// steps are cut. A template on the number type, so that a reference in a wider type runs the
// very same steps at a tighter tolerance. Pure maths: no state, no text.
#pragma once

#include <cmath>
#include <limits>
#include <vector>

constexpr int kSeriesOrder = 20;

enum class FlightEnd {
    Landed,      // the path comes down to y = 0
    NeverLands,  // it stays below the ground line (launched from below it)
    TooLong,     // more steps than a path of this program can take: not settled
};

template <class Real>
struct FlightPoint {
    Real t, x, y, vx, vy;
};

// One step: the series of x, y, Vx, Vy (in that order) in powers of (t - t0), for t in [t0, t0 + h].
template <class Real>
struct FlightPieceT {
    Real t0, h;
    Real c[4][kSeriesOrder + 1];
};

template <class Real>
struct FlightEventsT {
    FlightEnd end;
    bool rises;               // launched upward: the apex is a point of the flight
    FlightPoint<Real> apex;   // the highest point (the launch point when it does not rise)
    Real rise;                // the apex's height above the launch, to its own last digits
    FlightPoint<Real> landing;
    int steps;
};

namespace flight_detail {

using std::fabs;
using std::sqrt;

// Value and derivative of the polynomial c[0..n] at tau.
template <class Real>
void Horner(const Real* c, Real tau, Real& value, Real& slope) {
    value = c[kSeriesOrder];
    slope = 0;
    for (int i = kSeriesOrder - 1; i >= 0; --i) {
        slope = slope * tau + value;
        value = value * tau + c[i];
    }
}

template <class Real>
Real Value(const Real* c, Real tau) {
    Real v = c[kSeriesOrder];
    for (int i = kSeriesOrder - 1; i >= 0; --i) v = v * tau + c[i];
    return v;
}

// The polynomial's change from 0 to tau: its value there without its constant term, which
// keeps the digits of a small change on a large value.
template <class Real>
Real Change(const Real* c, Real tau) {
    Real v = c[kSeriesOrder];
    for (int i = kSeriesOrder - 1; i >= 1; --i) v = v * tau + c[i];
    return v * tau;
}

// The root of f in [lo, hi], where f changes sign (`flo` is f at lo), from `t`: Newton's steps
// kept inside a shrinking bracket, bisection where they leave it, until a step moves it by less
// than `precision` of itself. `eval(t, f, df)` gives f and its derivative at t.
template <class Real, class Eval>
Real BracketedNewton(Eval eval, Real lo, Real hi, Real flo, Real t, Real precision) {
    for (int i = 0; i < 200; ++i) {
        Real f, df;
        eval(t, f, df);
        if (f == 0) return t;
        if ((f < 0) == (flo < 0)) {
            lo = t;
            flo = f;
        } else {
            hi = t;
        }
        Real next = t - f / df;
        if (!(next > lo && next < hi)) next = (lo + hi) / 2;
        if (next == t || hi - lo <= 0) return t;
        if (fabs(next - t) <= fabs(t) * precision) return next;
        t = next;
    }
    return t;
}

// The root of polynomial c minus target in [0, hi], where its values have opposite signs (or
// one is zero), `atHi` being its value at hi, to `precision` of itself.
template <class Real>
Real Root(const Real* c, Real target, Real hi, Real atHi, Real precision) {
    const Real flo = c[0] - target;
    if (flo == 0) return 0;
    // From where the chord between the ends crosses the target: Newton's steps then need few.
    const Real fhi = atHi - target;
    Real t = flo != fhi ? hi * (flo / (flo - fhi)) : hi / 2;
    if (!(t > 0 && t < hi)) t = hi / 2;
    return BracketedNewton(
        [&](Real x, Real& f, Real& df) {
            Horner(c, x, f, df);
            f -= target;
        },
        Real(0), hi, flo, t, precision);
}

// The series of the four quantities about the point p. A launch without horizontal speed has
// |V| = +-Vy exactly: `sign` says which, so that the series never divides by a zero speed.
template <class Real>
void Series(Real g, Real k, const FlightPoint<Real>& p, bool vertical, FlightPieceT<Real>& piece) {
    constexpr int n = kSeriesOrder;
    Real(&x)[n + 1] = piece.c[0];
    Real(&y)[n + 1] = piece.c[1];
    Real(&u)[n + 1] = piece.c[2];
    Real(&w)[n + 1] = piece.c[3];
    Real v[n + 1];
    x[0] = p.x;
    y[0] = p.y;
    u[0] = p.vx;
    w[0] = p.vy;
    const Real sign = p.vy > 0 ? 1 : -1;
    v[0] = vertical ? fabs(p.vy) : sqrt(p.vx * p.vx + p.vy * p.vy);
    const Real half = 1 / (2 * v[0]);
    // Sums in several parts, added at the end: products that do not wait for each other.
    for (int m = 0; m < n; ++m) {
        if (m > 0) {
            if (vertical) {
                v[m] = sign * w[m];
            } else {
                // v^2 = u^2 + w^2, term m: the products of terms j and m - j, each pair once and
                // doubled, the middle one (m even) once.
                Real su = u[0] * u[m], sw = w[0] * w[m], sv = 0;
                for (int j = 1; 2 * j < m; ++j) {
                    su += u[j] * u[m - j];
                    sw += w[j] * w[m - j];
                    sv += v[j] * v[m - j];
                }
                Real s = 2 * ((su + sw) - sv);
                if (m % 2 == 0) s += u[m / 2] * u[m / 2] + w[m / 2] * w[m / 2] - v[m / 2] * v[m / 2];
                v[m] = s * half;
            }
        }
        Real pu0 = 0, pu1 = 0, pw0 = 0, pw1 = 0;
        int j = 0;
        for (; j + 1 <= m; j += 2) {
            pu0 += v[j] * u[m - j];
            pw0 += v[j] * w[m - j];
            pu1 += v[j + 1] * u[m - j - 1];
            pw1 += v[j + 1] * w[m - j - 1];
        }
        if (j == m) {
            pu0 += v[j] * u[0];
            pw0 += v[j] * w[0];
        }
        const Real inverse = Real(1) / (m + 1);
        u[m + 1] = -k * (pu0 + pu1) * inverse;
        w[m + 1] = (-k * (pw0 + pw1) - (m == 0 ? g : 0)) * inverse;
        x[m + 1] = u[m] * inverse;
        y[m + 1] = w[m] * inverse;
    }
}

// The step the last two terms of the velocities' series allow at relative tolerance tol: Vx
// relative to itself (every term of its series is a multiple of its value, and a nearly
// vertical launch keeps its small reach exact only so), Vy relative to `scale`.
template <class Real>
Real StepSize(const FlightPieceT<Real>& piece, Real tol, Real scale, Real cap) {
    // The least of (tol scale / term)^(1/m), as exp of the least log(tol scale / term) / m: one
    // exp for the four, and pow's code not needed.
    Real least = std::log(cap);
    const Real scales[2] = {fabs(piece.c[2][0]), scale};
    for (int i = 0; i < 2; ++i) {
        if (scales[i] == 0) continue;
        for (int m : {kSeriesOrder - 1, kSeriesOrder}) {
            const Real term = fabs(piece.c[2 + i][m]);
            if (term > 0) least = std::fmin(least, std::log(tol * scales[i] / term) / m);
        }
    }
    return std::fmin(cap, std::exp(least));
}

template <class Real>
FlightPoint<Real> At(const FlightPieceT<Real>& piece, Real tau) {
    return {piece.t0 + tau, Value(piece.c[0], tau), Value(piece.c[1], tau), Value(piece.c[2], tau),
            Value(piece.c[3], tau)};
}

}  // namespace flight_detail

// Flies the launch (Vx, Vy) from height y0 under gravity g with drag constant k >= 0 at
// relative tolerance tol (per step), to the landing. Fills `events`; when `pieces` is not null,
// appends the path's steps to it, the last one ending at the landing (or at the apex for a
// path that never lands).
template <class Real>
FlightEnd FlyT(Real g, Real k, Real y0, Real vx, Real vy, Real tol, FlightEventsT<Real>& events,
               std::vector<FlightPieceT<Real>>* pieces) {
    using namespace flight_detail;
    constexpr int kMaxSteps = 20000;
    FlightPoint<Real> p = {0, 0, y0, vx, vy};
    const bool vertical = vx == 0;
    events = {};
    events.rises = vy > 0;
    events.apex = p;
    events.landing = p;
    if (!events.rises && y0 <= 0) {
        events.end = y0 == 0 ? FlightEnd::Landed : FlightEnd::NeverLands;
        if (pieces) {
            FlightPieceT<Real> piece = {};
            Series(g, k, p, vertical, piece);
            piece.h = 0;
            pieces->push_back(piece);
        }
        return events.end;
    }
    bool descending = !events.rises;
    const Real launchSpeed = sqrt(vx * vx + vy * vy);
    for (int step = 0; step < kMaxSteps; ++step) {
        events.steps = step + 1;
        FlightPieceT<Real> piece;
        piece.t0 = p.t;
        Series(g, k, p, vertical, piece);
        const Real speed = fabs(p.vx) + fabs(p.vy);
        const Real scale = std::fmax(speed, launchSpeed / 100);
        // Without drag the series ends at its second term: the cap is a step past any landing.
        const Real cap = 2 * (fabs(p.vy) + sqrt(p.vy * p.vy + 2 * g * fabs(p.y))) / g + 1;
        Real h = StepSize(piece, tol, scale, cap);
        // The step's end, and where an event cuts the step short, the event's point.
        FlightPoint<Real> end = At(piece, h);
        const bool apexHere = !descending && end.vy <= 0, landsHere = descending && end.y <= 0;
        // The events as precisely as the flight is flown: a looser flight needs fewer steps.
        const Real precision = std::fmax(std::numeric_limits<Real>::epsilon(), tol / 100);
        if (apexHere) h = Root(piece.c[3], Real(0), h, end.vy, precision);
        if (landsHere) h = Root(piece.c[1], Real(0), h, end.y, precision);
        if (apexHere || landsHere) end = At(piece, h);
        piece.h = h;
        if (!descending) events.rise += Change(piece.c[1], h);
        if (pieces) pieces->push_back(piece);
        p = end;
        if (apexHere) {
            p.vy = 0;
            events.apex = p;
            descending = true;
            if (p.y < 0) return events.end = FlightEnd::NeverLands;
        }
        if (landsHere) {
            p.y = 0;
            events.landing = p;
            return events.end = FlightEnd::Landed;
        }
    }
    return events.end = FlightEnd::TooLong;
}
