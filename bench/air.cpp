// Figures of the road with air: accuracy of the solver against a reference flown in long double
// at a thousand times tighter tolerance, the time of a solve of each pair, of a point question
// and of a hover move, and the integrator against Boost.Odeint's at the same accuracy.
// Usage: bench_air [CASES_PER_PAIR]
#include <boost/numeric/odeint.hpp>

#include <algorithm>
#include <array>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "physics/case_solve.h"
#include "tests/support/motion_cases.h"
#include "text/number_text.h"

namespace {

using Wide = long double;

// The thread's CPU time: on a machine shared with other work, wall time measures the others.
struct Clock {
    using time_point = double;
    static double now() {
        timespec t;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
    }
};

double Micros(double a, double b) { return b - a; }

// The seven values of a launch, flown in long double at tolerance 1e-19.
bool Reference(const Conditions& c, Wide y0, Wide vx, Wide vy, Wide v[8]) {
    FlightEventsT<Wide> e;
    if (FlyT<Wide>(c.g, DragConstant(c), y0, vx, vy, 1e-19L, e, nullptr) != FlightEnd::Landed) return false;
    v[1] = std::hypot(vx, vy);
    v[2] = std::atan2(vy, vx) * 180 / 3.141592653589793238462643383279502884L;
    v[3] = vx;
    v[4] = vy;
    v[5] = e.landing.x;
    v[6] = e.rises ? e.apex.y : y0;
    v[7] = e.landing.t;
    return true;
}

// The truth for the given doubles, which are the values of a reference launch rounded: the
// launch they fix, flown in long double. The pairs of launch values give it directly; the
// pairs with a measure of the flight move the launch's unknown (the angle at Vo, the speed at
// an angle, Vy at Vx, Vx at Vy0, both components for reach with height or time) from the
// reference's by Newton steps until the long double flight meets the given measures. The
// rounding of a given value can matter: a height a few micrometres above Y0 fixes Vy0 only to
// the digits its double keeps above Y0.
bool TruthOfGiven(const Conditions& c, int p, int q, const GivenData& given, Wide vx, Wide vy, Wide truth[8]) {
    const Wide degree = 3.141592653589793238462643383279502884L / 180;
    const Wide a = given.values[p], b = given.values[q], y0 = given.y0;
    switch (p * 10 + q) {
        case 12: return Reference(c, y0, a * std::cos(b * degree), a * std::sin(b * degree), truth);
        case 13: return Reference(c, y0, b, std::sqrt((a - b) * (a + b)), truth);
        case 14: return Reference(c, y0, std::sqrt((a - b) * (a + b)), b, truth);
        case 23: return Reference(c, y0, b, b * std::tan(a * degree), truth);
        case 24: return Reference(c, y0, b / std::tan(a * degree), b, truth);
        case 34: return Reference(c, y0, a, b, truth);
        default: break;
    }
    const bool two = p == 5;  // reach with height or time: both components unknown
    // The unknowns, and the launch they give.
    Wide u[2] = {0, 0};
    switch (p) {
        case 1: u[0] = std::atan2(vy, vx); break;
        case 2: u[0] = std::hypot(vx, vy); break;
        case 3: u[0] = vy; break;
        case 4: u[0] = vx; break;
        default: u[0] = vx, u[1] = vy; break;
    }
    auto launch = [&](const Wide* w, Wide& x, Wide& y) {
        switch (p) {
            case 1: x = a * std::cos(w[0]), y = a * std::sin(w[0]); break;
            case 2: x = w[0] * std::cos(a * degree), y = w[0] * std::sin(a * degree); break;
            case 3: x = a, y = w[0]; break;
            case 4: x = w[0], y = a; break;
            default: x = w[0], y = w[1]; break;
        }
    };
    // The misses of the measures: the second one's, then for two unknowns the first's.
    auto miss = [&](const Wide* w, Wide* r) {
        Wide x, y, t[8];
        launch(w, x, y);
        if (!Reference(c, y0, x, y, t)) return false;
        r[0] = t[q] - b;
        r[1] = two ? t[p] - a : 0;
        return true;
    };
    for (int step = 0; step < 8; ++step) {
        Wide r[2];
        if (!miss(u, r)) return false;
        if (std::fabs(r[0]) <= 1e-17L * std::fabs(b) && (!two || std::fabs(r[1]) <= 1e-17L * std::fabs(a))) break;
        Wide j[2][2] = {{0, 0}, {0, 0}};
        for (int k = 0; k < (two ? 2 : 1); ++k) {
            Wide w[2] = {u[0], u[1]}, rk[2];
            const Wide h = 1e-8L * std::max<Wide>(std::fabs(u[k]), 1e-3L);
            w[k] += h;
            if (!miss(w, rk)) return false;
            j[0][k] = (rk[0] - r[0]) / h;
            j[1][k] = (rk[1] - r[1]) / h;
        }
        if (two) {
            const Wide det = j[0][0] * j[1][1] - j[0][1] * j[1][0];
            u[0] -= (r[0] * j[1][1] - r[1] * j[0][1]) / det;
            u[1] -= (j[0][0] * r[1] - j[1][0] * r[0]) / det;
        } else {
            u[0] -= r[0] / j[0][0];
        }
    }
    Wide x, y;
    launch(u, x, y);
    return Reference(c, y0, x, y, truth);
}

// The correctly rounded 3-decimal text of a precise value, or "" within 1e-9 of a boundary.
std::string Shown(Wide exact) {
    const Wide scaled = std::fabs(exact) * 1000, fraction = scaled - std::floor(scaled);
    if (std::fabs(fraction - 0.5L) < 1e-9L * std::max<Wide>(scaled, 1)) return "";
    char text[128];
    std::snprintf(text, sizeof text, "%6.3Lf", exact);
    return text;
}

void Accuracy(int perPair) {
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> speed(1, 100), angle(-60, 85), height(0, 30), unit(0, 1);
    std::printf("Solver with air against the reference, %d cases per pair (random ball, world, launch)\n", perPair);
    std::printf("%-6s %8s %14s %12s %8s\n", "pair", "cases", "max rel error", "text diffs", "two");
    double worst = 0;
    long diffs = 0;
    for (const auto& pair : kAdmissiblePairs) {
        const int p = pair[0], q = pair[1];
        int cases = 0, twos = 0;
        long pairDiffs = 0;
        double maxError = 0;
        for (int attempt = 0; cases < perPair && attempt < perPair * 20; ++attempt) {
            Conditions c = WorldConditions(int(unit(random) * kWorldCount));
            PutBall(c, int(unit(random) * kBallCount));
            const double vo = speed(random), a = angle(random) * 3.141592653589793 / 180;
            const double y0 = unit(random) < 0.5 ? 0 : height(random);
            Wide truth[8];
            if (!Reference(c, y0, vo * std::cos(a), vo * std::sin(a), truth) || truth[7] < 0.01L) continue;
            // Vo with Vx means upward, and a height equal to Y0 a flat launch: a downward truth
            // cannot come back from those.
            if (truth[4] <= 0 && ((p == 1 && q == 3) || q == 6)) continue;
            const GivenData given = GiveCase(p, double(truth[p]), q, double(truth[q]), y0);
            if (!CheckCase(c, given).empty()) continue;
            if (!TruthOfGiven(c, p, q, given, vo * std::cos(a), vo * std::sin(a), truth)) continue;
            ConditionsCase solved;
            AirLimit limit;
            double bound;
            if (SolveCaseUnder(c, given, solved, limit, bound) != SolveResult::Solved) {
                std::printf("  refused: pair %d,%d a %.17g b %.17g y0 %.17g\n", p, q, given.values[p], given.values[q], y0);
                continue;
            }
            ++cases;
            twos += solved.twoLaunches;
            // Of two launches, the one nearer the truth in speed and angle.
            auto distance = [&](const Solution& s) {
                return std::fabs(s.values[1] - double(truth[1])) / double(truth[1]) + std::fabs(s.values[2] - double(truth[2]));
            };
            const bool other = solved.twoLaunches && distance(solved.other) < distance(solved.solution);
            const Solution& s = other ? solved.other : solved.solution;
            Wide scale = 0;
            for (int i = 1; i <= 7; ++i) scale = std::max(scale, std::fabs(truth[i]));
            for (int i = 1; i <= 7; ++i) {
                if (i == p || i == q || std::fabs(truth[i]) < scale * 1e-6L) continue;
                const double error = double(std::fabs((s.values[i] - truth[i]) / truth[i]));
                if (error > maxError && std::getenv("ACCURACY_DEBUG"))
                    std::printf("  pair %d,%d out %d: ours %.17g ref %.17Lg (given %.17g, %.17g, y0 %g, g %g, ball %d)\n", p,
                                q, i, s.values[i], truth[i], given.values[p], given.values[q], y0, c.g, c.ball);
                maxError = std::max(maxError, error);
                const std::string want = Shown(truth[i]);
                if (!want.empty() && FormatFixed(s.values[i], 6, 3) != want) ++pairDiffs;
            }
        }
        std::printf("%d,%d    %8d %14.2e %12ld %8d\n", p, q, cases, maxError, pairDiffs, twos);
        worst = std::max(worst, maxError);
        diffs += pairDiffs;
    }
    std::printf("all    %8s %14.2e %12ld\n", "", worst, diffs);
}

// Time of one solve of each pair: a baseball from 1.8 m at 35 m/s and 40 degrees.
void Speed() {
    Conditions c;
    PutBall(c, 0);
    const double y0 = 1.8;
    Wide truth[8];
    Reference(c, y0, 35 * std::cos(40 * M_PI / 180), 35 * std::sin(40 * M_PI / 180), truth);
    std::printf("\nCPU time of one solve with air (baseball, 35 m/s at 40 degrees from 1.8 m), median of 15\n");
    double hardest = 0;
    int hp = 0, hq = 0;
    for (const auto& pair : kAdmissiblePairs) {
        const GivenData given = GiveCase(pair[0], double(truth[pair[0]]), pair[1], double(truth[pair[1]]), y0);
        std::vector<double> times;
        for (int rep = 0; rep < 15; ++rep) {
            ConditionsCase solved;
            AirLimit limit;
            double bound;
            const auto t0 = Clock::now();
            const auto faults = CheckCase(c, given);
            const SolveResult r = SolveCaseUnder(c, given, solved, limit, bound);
            times.push_back(Micros(t0, Clock::now()));
            if (!faults.empty() || r != SolveResult::Solved) std::printf("  pair %d,%d not solved\n", pair[0], pair[1]);
        }
        std::sort(times.begin(), times.end());
        std::printf("  %d,%d %8.0f us\n", pair[0], pair[1], times[7]);
        if (times[7] > hardest) hardest = times[7], hp = pair[0], hq = pair[1];
    }
    std::printf("hardest pair %d,%d: %.2f ms (checks and solve)\n", hp, hq, hardest / 1000);

    ConditionsCase solved;
    AirLimit limit;
    double bound;
    SolveCaseUnder(c, GiveCase(ParamVo, 35, ParamAngle, 40, y0), solved, limit, bound);
    const int n = 20000;
    const double reach = solved.solution.values[ParamReach];
    const char* names[] = {"", "x", "y", "Vy", "|V|", "t"};
    const double asks[] = {0, reach * 0.37, 9.5, -3.3, 25, 1.7};
    for (int k = 1; k <= 5; ++k) {
        TrajectoryPoint a, b;
        int count;
        PointRange range;
        const auto t0 = Clock::now();
        for (int i = 0; i < n; ++i) AnswerPointUnder(solved, k, asks[k] * (1 + i * 1e-7), a, b, count, range);
        std::printf("point question %-3s %8.2f us\n", names[k], Micros(t0, Clock::now()) / n);
    }
    // A hover move: the pointer's column is an x; its point and the marker's place.
    const auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) {
        TrajectoryPoint a, b;
        int count;
        PointRange range;
        AnswerPointUnder(solved, 1, reach * i / n, a, b, count, range);
    }
    std::printf("hover move (the point at the pointer's x) %.2f us\n", Micros(t0, Clock::now()) / n);
}

// The same flight integrated by Boost.Odeint's steppers to the landing time, against the reference.
void Integrators() {
    Conditions c;
    PutBall(c, 0);
    const double k = DragConstant(c), g = c.g, vx = 40 * std::cos(M_PI / 4), vy = 40 * std::sin(M_PI / 4);
    FlightEventsT<Wide> ref;
    FlyT<Wide>(g, k, 0, vx, vy, 1e-19L, ref, nullptr);
    const double T = double(ref.landing.t);
    using State = std::array<double, 4>;
    auto rhs = [&](const State& s, State& d, double) {
        const double v = std::hypot(s[2], s[3]);
        d = {s[2], s[3], -k * v * s[2], -g - k * v * s[3]};
    };
    const double xRef = double(ref.landing.x);
    std::printf("\nIntegrators on one flight (baseball 40 m/s at 45 degrees, %.3f s), error of x at the landing time\n", T);
    std::printf("%-34s %10s %12s %8s\n", "integrator", "time us", "rel error", "steps");
    const int reps = 2000;
    {
        FlightEvents e;
        const auto t0 = Clock::now();
        for (int i = 0; i < reps; ++i) Fly(c, 0, vx, vy, e);
        std::printf("%-34s %10.2f %12.2e %8d\n", "Taylor order 20 (ours), tol 1e-16", Micros(t0, Clock::now()) / reps,
                    std::fabs(e.landing.x - xRef) / xRef, e.steps);
    }
    namespace ode = boost::numeric::odeint;
    for (double tol : {1e-10, 1e-12, 1e-14}) {
        State s;
        size_t steps = 0;
        const auto t0 = Clock::now();
        for (int i = 0; i < reps; ++i) {
            s = {0, 0, vx, vy};
            steps = ode::integrate_adaptive(ode::make_dense_output(tol, tol, ode::runge_kutta_dopri5<State>()), rhs, s,
                                            0.0, T, 0.01);
        }
        char name[64];
        std::snprintf(name, sizeof name, "odeint dopri5 dense, tol %.0e", tol);
        std::printf("%-34s %10.2f %12.2e %8zu\n", name, Micros(t0, Clock::now()) / reps, std::fabs(s[0] - xRef) / xRef, steps);
    }
    for (double tol : {1e-12, 1e-14}) {
        State s;
        size_t steps = 0;
        const auto t0 = Clock::now();
        for (int i = 0; i < reps / 4; ++i) {
            s = {0, 0, vx, vy};
            steps = ode::integrate_adaptive(ode::bulirsch_stoer<State>(tol, tol), rhs, s, 0.0, T, 0.01);
        }
        char name[64];
        std::snprintf(name, sizeof name, "odeint Bulirsch-Stoer, tol %.0e", tol);
        std::printf("%-34s %10.2f %12.2e %8zu\n", name, Micros(t0, Clock::now()) / (reps / 4),
                    std::fabs(s[0] - xRef) / xRef, steps);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int perPair = argc > 1 ? std::atoi(argv[1]) : 300;
    Accuracy(perPair);
    Speed();
    Integrators();
    return 0;
}
