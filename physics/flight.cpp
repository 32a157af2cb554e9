#include "physics/flight.h"

#include <algorithm>
#include <cmath>

namespace {

using flight_detail::Horner;
using flight_detail::Value;

const FlightPiece* PieceAt(const FlightPath& path, double t) {
    const auto& pieces = path.pieces;
    auto it = std::upper_bound(pieces.begin(), pieces.end(), t,
                               [](double time, const FlightPiece& p) { return time < p.t0; });
    if (it != pieces.begin()) --it;
    return &*it;
}

// The quantity at tau in a piece, with its rate of change.
void Quantity(const FlightPath& path, const FlightPiece& piece, PathQuantity q, double tau, double& value,
              double& slope) {
    switch (q) {
        case PathQuantity::X: Horner(piece.c[0], tau, value, slope); return;
        case PathQuantity::Y: Horner(piece.c[1], tau, value, slope); return;
        case PathQuantity::Vy: Horner(piece.c[3], tau, value, slope); return;
        case PathQuantity::Speed: {
            double u, du, w, dw;
            Horner(piece.c[2], tau, u, du);
            Horner(piece.c[3], tau, w, dw);
            value = std::sqrt(u * u + w * w);
            slope = value > 0 ? (u * du + w * dw) / value : -path.g;
            return;
        }
    }
}

// The time in [ta, tb] at which a quantity that is monotone there equals value, when its values
// at the ends bracket it; false otherwise.
bool MonotoneTime(const FlightPath& path, PathQuantity q, double value, double ta, double tb, double& t) {
    double fa, fb, s;
    const FlightPiece* pa = PieceAt(path, ta);
    const FlightPiece* pb = PieceAt(path, tb);
    Quantity(path, *pa, q, ta - pa->t0, fa, s);
    Quantity(path, *pb, q, tb - pb->t0, fb, s);
    fa -= value;
    fb -= value;
    if (fa == 0) return t = ta, true;
    if (fb == 0) return t = tb, true;
    if ((fa < 0) == (fb < 0)) return false;
    // Bisection over the steps to the one that holds the root, then Newton inside it.
    double lo = ta, hi = tb;
    const FlightPiece* piece = pa;
    for (const FlightPiece& p : path.pieces) {
        const double end = p.t0 + p.h;
        if (end < ta || p.t0 > tb) continue;
        double fe;
        Quantity(path, p, q, std::min(end, tb) - p.t0, fe, s);
        fe -= value;
        if ((fe < 0) != (fa < 0) || fe == 0) {
            piece = &p;
            lo = std::max(ta, p.t0);
            hi = std::min(end, tb);
            break;
        }
    }
    double flo;
    Quantity(path, *piece, q, lo - piece->t0, flo, s);
    flo -= value;
    t = flight_detail::BracketedNewton(
        [&](double x, double& f, double& df) {
            Quantity(path, *piece, q, x - piece->t0, f, df);
            f -= value;
        },
        lo, hi, flo, (lo + hi) / 2, 4e-16);
    return true;
}

}  // namespace

FlightEnd Fly(const Conditions& conditions, double y0, double vx, double vy, FlightEvents& events,
              std::vector<FlightPiece>* pieces, double tolerance) {
    if (!(std::hypot(vx, vy) <= kFastestLaunch)) {
        events = {};
        return events.end = FlightEnd::TooLong;
    }
    return FlyT<double>(conditions.g, DragConstant(conditions), y0, vx, vy, tolerance, events, pieces);
}

bool FlyPath(const Conditions& conditions, double y0, double vx, double vy, FlightPath& path) {
    path.pieces.clear();
    path.k = DragConstant(conditions);
    path.g = conditions.g;
    return Fly(conditions, y0, vx, vy, path.events, &path.pieces) == FlightEnd::Landed;
}

FlightState StateAt(const FlightPath& path, double t) {
    t = std::clamp(t, 0.0, path.events.landing.t);
    const FlightPiece* piece = PieceAt(path, t);
    FlightState s = flight_detail::At(*piece, t - piece->t0);
    s.t = t;
    return s;
}

FlightState SlowestPoint(const FlightPath& path) {
    // |V| falls while k |V|^3 + g Vy > 0 and rises after; it can only turn on the way down.
    const FlightEvents& e = path.events;
    auto turning = [&](double t) {
        const FlightState s = StateAt(path, t);
        const double v = std::hypot(s.vx, s.vy);
        return path.k * v * v * v + path.g * s.vy;
    };
    double lo = e.rises ? e.apex.t : 0, hi = e.landing.t;
    if (turning(hi) >= 0) return StateAt(path, hi);
    if (turning(lo) <= 0) return StateAt(path, lo);
    for (int i = 0; i < 200 && lo < hi; ++i) {
        const double mid = (lo + hi) / 2;
        if (mid == lo || mid == hi) break;
        (turning(mid) > 0 ? lo : hi) = mid;
    }
    return StateAt(path, lo);
}

int TimesOf(const FlightPath& path, PathQuantity q, double value, double times[2]) {
    const FlightEvents& e = path.events;
    const double end = e.landing.t;
    double split = 0;
    switch (q) {
        case PathQuantity::Y: split = e.rises ? e.apex.t : 0; break;
        case PathQuantity::Speed: split = SlowestPoint(path).t; break;
        default: split = end; break;  // x grows all along; Vy is taken at its first value
    }
    int count = 0;
    double t;
    if (split > 0 && MonotoneTime(path, q, value, 0, split, t)) times[count++] = t;
    if (q == PathQuantity::Vy && count == 0) {
        // Vy falls all along except on a launch downward faster than the air lets it fall: then
        // it first rises to that speed. Either way the first time it takes the value counts.
        const int n = static_cast<int>(path.pieces.size());
        for (int i = 0; i < n && count == 0; ++i) {
            const FlightPiece& p = path.pieces[i];
            if (MonotoneTime(path, q, value, p.t0, p.t0 + p.h, t)) times[count++] = t;
        }
        return count;
    }
    if (split < end && MonotoneTime(path, q, value, split, end, t) && (count == 0 || t > times[0]))
        times[count++] = t;
    return count;
}
