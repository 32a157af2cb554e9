#include "physics/point.h"

#include <cmath>
#include <string>

#include "physics/motion.h"
#include "plot/trajectory.h"
#include "resources/ids.h"
#include "ui/numtext.h"

PointQuery pointQuery;

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

const char* PointFieldName(int k) {
    static const char* const names[] = {"", "x", "y", "Vy", "|V|", "t"};
    return k >= 1 && k <= 5 ? names[k] : "";
}

void SolvePoint(TrajectoryPoint& point, int k, double value) {
    const MotionCase& mc = motionCase;
    const double* solved = mc.solvedWork;
    const Real vo = solved[ParamVo], vx = solved[ParamVx], vy0 = solved[ParamVy0];
    const Real y0 = solved[0];
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

PointError QueryPoint(DialogHandle dialog, int k) {
    PointQuery& q = pointQuery;
    q.solutionCount = 1;
    double value = 0;
    if (!ReadRealField(dialog, IDC_POINT_BASE + k, value)) return PointNotNumber;
    const MotionCase& mc = motionCase;
    const double* solved = mc.solvedWork;
    if (k == 2 && value > solved[ParamHeight]) return PointAboveHeight;
    if (k == 4) {
        if (value < 0) return PointNegativeSpeed;
        if (value < solved[ParamVx]) return PointBelowVx;
    }
    // Without horizontal motion every point has x = 0: x does not tell which one is meant.
    if (k == 1 && Real(solved[ParamVo]) * mc.cosAngle == 0) return PointNoHorizontal;

    TrajectoryPoint first = {}, second = {};
    SolvePoint(first, k, value);
    const bool twoPassages = k == 2 || k == 4;
    if (twoPassages) SolvePoint(second, 5, static_cast<double>(2 * Real(mc.apexTime) - first.t));
    // A value far beyond the trajectory (a time of 1e200 s) gives heights no double holds.
    if (!Finite(first) || (twoPassages && !Finite(second))) return PointOutOfRange;
    q.first = first;
    if (twoPassages) {
        q.second = second;
        q.solutionCount = 2;
    }
    RedrawPlot();
    return PointDone;
}

void ReportPointError(PointError code, int k) {
    switch (code) {
        case PointDone: break;
        case PointAboveHeight: ShowMessage("Wrong Y coordinate", "Y must be <= maximum Height"); break;
        case PointBelowVx: ShowMessage("Too low speed", "|V | must be >= Vx"); break;
        case PointNegativeSpeed: ShowMessage("Wrong sign", "|V| must be positive"); break;
        case PointNotNumber: ShowMessage("wrong value", std::string("to ") + PointFieldName(k)); break;
        case PointNoHorizontal:
            ShowMessage("Wrong X coordinate", "Without horizontal motion x does not give the point");
            break;
        case PointOutOfRange:
            ShowMessage("Too large value", "The point is too far from the launch to be computed");
            break;
    }
}

void ShowPoint(DialogHandle dialog, const TrajectoryPoint& point, int focusId) {
    pointQuery.pointShown = true;
    const double fields[] = {point.x, point.y, point.vy, point.speed, point.t};
    for (int k = 1; k <= 5; ++k) SetFieldText(dialog, IDC_POINT_BASE + k, FormatFixed(fields[k - 1], 6, 2));
    // The button usually holds the focus (it was just pressed): disabling it would leave the
    // dialog with no focus at all, deaf to Tab and typing. The field asked takes it first.
    FocusField(dialog, focusId);
    // The writes above re-enable the button through their change notifications; a new query
    // needs the user to edit a field first.
    EnableField(dialog, IDC_POINT_ACCEPT, false);
}

void ShowSecondSolution(DialogHandle dialog, bool shown) {
    // Characters a value may take after its prefix; a longer one is written shorter, never cut.
    constexpr unsigned kSecondSolutionRoom = 20;
    const struct {
        int id;
        const char* prefix;
        double value;
    } rows[] = {{IDC_SECOND_X, "x2: ", pointQuery.second.x},
                {IDC_SECOND_VY, "Vy2: ", pointQuery.second.vy},
                {IDC_SECOND_T, "t2: ", pointQuery.second.t}};
    for (const auto& row : rows) {
        std::string number = shown ? FitNumber(row.value, 6, 2, kSecondSolutionRoom) : std::string();
        SetFieldText(dialog, row.id, row.prefix + number);
    }
    for (const auto& row : rows) EnableField(dialog, row.id, shown);
}
