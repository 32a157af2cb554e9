// Accuracy of the solver and the point queries against the same maths in 113-bit precision
// (__float128): over random admissible cases of every pair, from the ground and from a launch
// height, the largest error of each output in units in the last place of a double (outputs
// smaller than a millionth of the case's largest value aside: there the unit is meaningless),
// and how many shown texts differ from the rounding of the precise value (values within 1e-9 of
// a rounding boundary aside). With ACCURACY_DEBUG set in the environment, each new largest error
// is printed with its case.
#include <quadmath.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "physics/motion.h"
#include "tests/support/motion_cases.h"
#include "physics/point.h"

namespace {
// The case the figures are taken on: the solver's last answer.
Solution solved;
}  // namespace
#include "text/number_text.h"

namespace {

using Quad = __float128;
const Quad kPi = M_PIq;
const Quad g = Quad(981) / 100;  // 9.81 exactly: the program's constant differs from it by 1e-20

struct Exact {
    bool ok = false;
    Quad v[8];  // [1..7]
    Quad apexX, apexTime;
};

Quad Deg(Quad radians) { return radians * 180 / kPi; }
Quad Rad(Quad degrees) { return degrees * kPi / 180; }

// Vo and the angle (radians) for the given pair, then everything else, all in quad precision.
Exact Solve(int p, Quad a, int q, Quad b, Quad y0) {
    Exact e;
    Quad vo = 0, angle = 0;
    auto landsAt = [&](Quad t) { return y0 >= -g * t * t / 2; };
    switch (p * 10 + q) {
        case 12: vo = a; angle = Rad(b); break;
        case 13: vo = a; angle = acosq(b / a); break;
        case 14: vo = a; angle = asinq(b / a); break;
        case 15: {
            Quad k = g * b * b / (2 * a * a), d = b * b - 4 * k * (k - y0);
            if (d < 0) return e;
            Quad qq = (b + sqrtq(d)) / 2, u1 = (k - y0) / qq, u2 = qq / k;
            Quad u = (y0 >= 0 || u1 * b + 2 * y0 >= 0) ? u1 : u2;
            angle = atanq(u);
            vo = a;
            break;
        }
        case 16: vo = a; angle = asinq(sqrtq(2 * g * (b - y0)) / a); break;
        case 17: vo = a; angle = asinq((g * b / 2 - y0 / b) / a); break;
        case 23: angle = Rad(a); vo = b / cosq(angle); break;
        case 24: angle = Rad(a); vo = b / sinq(angle); break;
        case 25: angle = Rad(a); vo = sqrtq(g * b * b / (2 * cosq(angle) * cosq(angle) * (y0 + b * tanq(angle)))); break;
        case 26: angle = Rad(a); vo = sqrtq(2 * g * (b - y0)) / sinq(angle); break;
        case 27: angle = Rad(a); vo = (g * b / 2 - y0 / b) / sinq(angle); break;
        default: {
            Quad vx = 0, vy = 0;
            switch (p * 10 + q) {
                case 34: vx = a; vy = b; break;
                case 35: vx = a; vy = g * (b / a) / 2 - y0 / (b / a); break;
                case 36: vx = a; vy = sqrtq(2 * g * (b - y0)); break;
                case 37: vx = a; vy = g * b / 2 - y0 / b; break;
                case 45: vy = a; vx = b * g / (a + sqrtq(a * a + 2 * g * y0)); break;
                case 56: vy = sqrtq(2 * g * (b - y0)); vx = a * g / (vy + sqrtq(2 * g * b)); break;
                case 57: vx = a / b; vy = g * b / 2 - y0 / b; break;
            }
            angle = atan2q(vy, vx);
            vo = hypotq(vx, vy);
        }
    }
    (void)landsAt;
    const Quad c = cosq(angle), s = sinq(angle), vy = vo * s;
    const Quad radicand = vy * vy + 2 * g * y0;
    if (!(radicand >= 0)) return e;
    const Quad t = vy >= 0 ? (sqrtq(radicand) + vy) / g : 2 * y0 / (sqrtq(radicand) - vy);
    e.v[1] = vo;
    e.v[2] = Deg(angle);
    e.v[3] = vo * c;
    e.v[4] = vy;
    e.v[5] = t * vo * c;
    e.v[6] = angle > 0 ? vy * vy / (2 * g) + y0 : y0;
    e.v[7] = t;
    e.v[p] = a;
    e.v[q] = b;
    e.apexX = vo * vo * s * c / g;
    e.apexTime = vy / g;
    e.ok = true;
    return e;
}

double Ulps(double ours, Quad exact) {
    double nearest = double(exact);
    double ulp = std::nextafter(std::fabs(nearest), INFINITY) - std::fabs(nearest);
    if (nearest == 0) ulp = 4.9406564584124654e-324;
    return double(fabsq(Quad(ours) - exact) / ulp);
}

// The precise value's text with `decimals` decimals, or "" when it lies within 1e-9 of a
// rounding boundary.
std::string PreciseText(Quad exact, int decimals = 3) {
    Quad scale = decimals == 3 ? 1000 : 100;
    Quad scaled = fabsq(exact) * scale;
    Quad fraction = scaled - floorq(scaled);
    if (fabsq(fraction - Quad(0.5)) < Quad(1e-9) * (scaled > 1 ? scaled : 1)) return "";
    char text[128];
    quadmath_snprintf(text, sizeof text, "%6.*Qf", decimals, exact);
    return text;
}

// The point of the solved case at the given input, in quad precision, from the same stored
// doubles the program reads (Vo, Vx, Vy0, the angle's cosine and sine, the launch height): t
// from the input, then everything else. For y and |V| the earlier passage.
bool ExactPoint(int k, Quad v, Quad point[6]) {
    const double* values = solved.values;
    const Quad vo = values[1], vx = values[3], vy0 = values[4], y0 = solved.y0;
    const Quad voCos = vo * Quad(solved.cosAngle), voSin = vo * Quad(solved.sinAngle);
    Quad t;
    switch (k) {
        case 1: t = v / voCos; break;
        case 2: {
            Quad r = vy0 * vy0 - 2 * g * (v - y0);
            if (r < 0) return false;
            t = (vy0 - sqrtq(r)) / g;
            break;
        }
        case 3: t = (voSin - v) / g; break;
        case 4: {
            Quad r = vy0 * vy0 - (vo - v) * (vo + v);
            if (r < 0) return false;
            t = (vy0 - sqrtq(r)) / g;
            break;
        }
        default: t = v;
    }
    point[1] = voCos * t;
    point[2] = voSin * t + y0 - g * t * t / 2;
    point[3] = k == 3 ? v : voSin - g * t;
    point[4] = sqrtq(point[3] * point[3] + vx * vx);
    point[5] = t;
    point[k] = v;
    return true;
}

// Random point queries by each field on random solved cases.
void PointAccuracy(int perField, std::mt19937_64& random) {
    std::uniform_real_distribution<double> speed(0.5, 300), angle(1, 85), height(-40, 80), unit(0, 1);
    std::printf("\nPoint queries against 113-bit precision, %d per field\n", perField);
    std::printf("%-8s %10s %12s %12s\n", "field", "queries", "max ulps", "text diffs");
    const char* names[] = {"", "x", "y", "Vy", "|V|", "t"};
    for (int k = 1; k <= 5; ++k) {
        int queries = 0;
        double maxUlps = 0;
        long diffs = 0;
        while (queries < perField) {
            const double y0 = random() % 2 ? 0 : height(random);
            if (SolveCase(GiveCase(1, speed(random), 2, angle(random), y0), solved) != SolveResult::Solved ||
                solved.values[7] <= 0)
                continue;
            // A true point somewhere on the flight, given by field k as a double.
            Quad truth[6];
            if (!ExactPoint(5, Quad(unit(random) * solved.values[7]), truth)) continue;
            const double given = double(truth[k]);
            Quad exact[6];
            if (!ExactPoint(k, given, exact)) continue;
            if ((k == 2 || k == 4) && fabsq(exact[3]) < Quad(1e-3)) continue;  // at the apex t is ill-posed
            TrajectoryPoint ours;
            SolvePoint(solved, ours, k, given);
            const double fields[6] = {0, ours.x, ours.y, ours.vy, ours.speed, ours.t};
            Quad scale = 0;
            for (int i = 1; i <= 5; ++i) scale = fmaxq(scale, fabsq(exact[i]));
            for (int i = 1; i <= 5; ++i) {
                if (i == k) continue;
                if (fabsq(exact[i]) < scale * Quad(1e-6)) continue;
                if (std::getenv("ACCURACY_DEBUG") && Ulps(fields[i], exact[i]) > maxUlps)
                    std::printf("  k %d out %d: ours %.17g exact %.17g given %.17g Vo %.17g angle %.17g y0 %.17g\n", k, i,
                                fields[i], double(exact[i]), given, solved.values[1], solved.values[2], solved.y0);
                maxUlps = std::fmax(maxUlps, Ulps(fields[i], exact[i]));
                std::string want = PreciseText(exact[i], 2);
                if (!want.empty() && FormatFixed(fields[i], 6, 2) != want) ++diffs;
            }
            ++queries;
        }
        std::printf("%-8s %10d %12.1f %12ld\n", names[k], queries, maxUlps, diffs);
    }
}


}  // namespace

int main(int argc, char** argv) {
    const int perPair = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> speed(0.5, 300), angle(-85, 85), height(-40, 80);
    std::printf("Solver accuracy against 113-bit precision, %d cases per pair and launch-height kind\n", perPair);
    std::printf("%-8s %-7s %10s %12s %12s\n", "pair", "Y0", "cases", "max ulps", "text diffs");
    double worstUlps = 0;
    long totalDiffs = 0, totalCases = 0;
    for (const auto& pair : kAdmissiblePairs) {
        const int p = pair[0], q = pair[1];
        for (int withHeight = 0; withHeight < 2; ++withHeight) {
            int cases = 0, attempts = 0;
            double maxUlps = 0;
            long diffs = 0;
            while (cases < perPair && attempts < perPair * 50) {
                ++attempts;
                const double y0 = withHeight ? height(random) : 0;
                const Exact truth = Solve(1, speed(random), 2, angle(random), y0);
                if (!truth.ok || truth.v[7] < Quad(0.01)) continue;
                const double a = double(truth.v[p]), b = double(truth.v[q]);
                if (b <= 0 || (p != 2 && a <= 0)) continue;
                if ((p == 4 || q == 4 || q == 6) && truth.v[2] <= 1) continue;
                if (SolveCase(GiveCase(p, a, q, b, y0), solved) != SolveResult::Solved) continue;
                const Exact exact = Solve(p, a, q, b, y0);
                if (!exact.ok) continue;
                ++cases;
                const double ours[9] = {0, solved.values[1], solved.values[2], solved.values[3],
                                        solved.values[4], solved.values[5], solved.values[6],
                                        solved.values[7], solved.apexX};
                const Quad precise[9] = {0, exact.v[1], exact.v[2], exact.v[3], exact.v[4],
                                         exact.v[5], exact.v[6], exact.v[7], exact.apexX};
                Quad scale = 0;
                for (int i = 1; i <= 8; ++i) scale = fmaxq(scale, fabsq(precise[i]));
                for (int i = 1; i <= 8; ++i) {
                    if (i == p || i == q) continue;
                    if (fabsq(precise[i]) < scale * Quad(1e-6)) continue;  // a value near 0 of the case
                    if (Ulps(ours[i], precise[i]) > maxUlps && std::getenv("ACCURACY_DEBUG"))
                        std::printf("  pair %d,%d out %d: ours %.17g exact %.17g (a %.17g b %.17g y0 %.17g)\n", p, q, i,
                                    ours[i], double(precise[i]), a, b, y0);
                    maxUlps = std::fmax(maxUlps, Ulps(ours[i], precise[i]));
                    if (i == 8) continue;
                    std::string want = PreciseText(precise[i]);
                    if (!want.empty() && FormatFixed(ours[i], 6, 3) != want) ++diffs;
                }
            }
            std::printf("%d,%d      %-7s %10d %12.1f %12ld\n", p, q, withHeight ? "random" : "0", cases, maxUlps, diffs);
            worstUlps = std::fmax(worstUlps, maxUlps);
            totalDiffs += diffs;
            totalCases += cases;
        }
    }
    std::printf("all      %-7s %10ld %12.1f %12ld\n", "", totalCases, worstUlps, totalDiffs);
    PointAccuracy(perPair, random);
    return totalDiffs == 0 ? 0 : 1;
}
