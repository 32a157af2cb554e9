#include "physics/case_solve.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEarthGravity = 9.81;

// Lengths and times of a vacuum case under gravity g are those of the Earth's case times
// 9.81 / g; `scale` is g / 9.81, which takes them to the Earth.
double ScaleToEarth(const Conditions& c) { return c.g / kEarthGravity; }

GivenData GivenOnEarth(const GivenData& given, double scale) {
    GivenData earth = given;
    earth.y0 = given.y0 * scale;
    for (int p : {ParamReach, ParamHeight, ParamTime}) earth.values[p] = given.values[p] * scale;
    return earth;
}

Solution Rescaled(const Solution& s, double factor) {
    Solution r = s;
    r.y0 = s.y0 * factor;
    for (int p : {ParamReach, ParamHeight, ParamTime}) r.values[p] = s.values[p] * factor;
    r.apexX = s.apexX * factor;
    r.apexTime = s.apexTime * factor;
    return r;
}

// The Earth's solution back under gravity g, the given values and launch height as given.
Solution FromEarth(const Solution& earth, double scale, const GivenData& given) {
    Solution s = Rescaled(earth, 1 / scale);
    s.y0 = given.y0;
    s.values[given.pair.first] = given.values[given.pair.first];
    s.values[given.pair.second] = given.values[given.pair.second];
    return s;
}

TrajectoryPoint Unscaled(TrajectoryPoint p, double scale) {
    p.x /= scale;
    p.y /= scale;
    p.t /= scale;
    return p;
}

TrajectoryPoint PointOfState(const FlightState& s) {
    return {s.x, s.y, s.vy, std::hypot(s.vx, s.vy), s.t};
}

PointError AnswerPointAir(const Solution& solution, const FlightPath& path, int k, double value, TrajectoryPoint& first,
                          TrajectoryPoint& second, int& solutionCount, PointRange& range) {
    const FlightEvents& e = path.events;
    const double* v = solution.values;
    PathQuantity q = PathQuantity::X;
    const FlightState launch = StateAt(path, 0);
    switch (k) {
        case 1:
            if (v[ParamVx] == 0) return PointNoHorizontal;
            range = {false, 0, e.landing.x};
            break;
        case 2:
            if (value > v[ParamHeight]) return PointAboveHeight;
            q = PathQuantity::Y;
            range = {false, 0, v[ParamHeight]};
            break;
        case 3:
            q = PathQuantity::Vy;
            range = {false, std::min(launch.vy, e.landing.vy), std::max(launch.vy, e.landing.vy)};
            break;
        case 4: {
            if (value < 0) return PointNegativeSpeed;
            q = PathQuantity::Speed;
            const FlightState slowest = SlowestPoint(path);
            range = {false, std::hypot(slowest.vx, slowest.vy),
                     std::max(std::hypot(launch.vx, launch.vy), std::hypot(e.landing.vx, e.landing.vy))};
            if (value < range.low) return PointBelowVx;
            break;
        }
        default: range = {false, 0, e.landing.t}; break;
    }
    double times[2];
    int count = 0;
    if (k == 5) {
        if (value >= 0 && value <= e.landing.t) times[count++] = value;
    } else if (value >= range.low && value <= range.high) {
        count = TimesOf(path, q, value, times);
    }
    if (count == 0) {
        range.outside = true;
        return PointOutOfRange;
    }
    TrajectoryPoint one = PointOfState(StateAt(path, times[0]));
    double* asked[] = {nullptr, &one.x, &one.y, &one.vy, &one.speed, &one.t};
    *asked[k] = value;
    first = one;
    if (count == 2) {
        TrajectoryPoint two = PointOfState(StateAt(path, times[1]));
        double* asked2[] = {nullptr, &two.x, &two.y, &two.vy, &two.speed, &two.t};
        *asked2[k] = value;
        second = two;
    }
    solutionCount = count;
    return PointDone;
}

}  // namespace

std::vector<CaseFault> CheckCase(const Conditions& conditions, const GivenData& given) {
    std::vector<CaseFault> faults;
    if (conditions.air) {
        for (const AirDataFault& f : CheckGivenDataAir(conditions, given)) faults.push_back({f.fault, f.param, f.bound});
        return faults;
    }
    const GivenData earth = IsEarthVacuum(conditions) ? given : GivenOnEarth(given, ScaleToEarth(conditions));
    for (const DataFaultAt& f : CheckGivenData(earth)) faults.push_back({f.fault, f.param, 0});
    return faults;
}

SolveResult SolveCaseUnder(const Conditions& conditions, const GivenData& given, ConditionsCase& solved,
                           AirLimit& limit, double& bound, bool other) {
    limit = AirLimit::None;
    bound = 0;
    ConditionsCase result;
    result.conditions = conditions;
    if (conditions.air) {
        AirCase air;
        const SolveResult r = SolveCaseAir(conditions, given, air, limit, bound, other);
        if (r != SolveResult::Solved) return r;
        result.solution = air.solution;
        result.path = std::move(air.path);
        result.twoLaunches = air.twoLaunches;
        result.other = air.other;
        result.otherPath = std::move(air.otherPath);
        solved = std::move(result);
        return r;
    }
    const bool earth = IsEarthVacuum(conditions);
    const double scale = ScaleToEarth(conditions);
    const GivenData onEarth = earth ? given : GivenOnEarth(given, scale);
    Solution s;
    const SolveResult r = SolveCase(onEarth, s);
    if (r != SolveResult::Solved) return r;
    result.solution = earth ? s : FromEarth(s, scale, given);
    Solution steeper;
    if (SolveSteeperCase(onEarth, steeper) == SolveResult::Solved) {
        result.twoLaunches = true;
        result.other = earth ? steeper : FromEarth(steeper, scale, given);
    }
    solved = std::move(result);
    return r;
}

ConditionsCase OtherLaunch(const ConditionsCase& solved) {
    ConditionsCase other;
    other.conditions = solved.conditions;
    other.solution = solved.other;
    other.path = solved.otherPath;
    return other;
}

TrajectoryPoint PointAtTime(const ConditionsCase& solved, double t) {
    return PointOfPath(solved.conditions, solved.solution, solved.path, t);
}

TrajectoryPoint PointOfPath(const Conditions& conditions, const Solution& solution, const FlightPath& path, double t) {
    if (conditions.air) return PointOfState(StateAt(path, t));
    TrajectoryPoint p = {};
    if (IsEarthVacuum(conditions)) {
        SolvePoint(solution, p, 5, t);
        return p;
    }
    const double scale = ScaleToEarth(conditions);
    SolvePoint(Rescaled(solution, scale), p, 5, t * scale);
    return Unscaled(p, scale);
}

PointError AnswerPointUnder(const ConditionsCase& solved, int k, double value, TrajectoryPoint& first,
                            TrajectoryPoint& second, int& solutionCount, PointRange& range) {
    return AnswerPointOfPath(solved.conditions, solved.solution, solved.path, k, value, first, second, solutionCount,
                             range);
}

PointError AnswerPointOfPath(const Conditions& conditions, const Solution& solution, const FlightPath& path, int k,
                             double value, TrajectoryPoint& first, TrajectoryPoint& second, int& solutionCount,
                             PointRange& range) {
    range = {};
    if (conditions.air) return AnswerPointAir(solution, path, k, value, first, second, solutionCount, range);
    if (IsEarthVacuum(conditions)) return AnswerPoint(solution, k, value, first, second, solutionCount);
    const double scale = ScaleToEarth(conditions);
    const bool length = k == 1 || k == 2 || k == 5;
    TrajectoryPoint one, two;
    const PointError e =
        AnswerPoint(Rescaled(solution, scale), k, length ? value * scale : value, one, two, solutionCount);
    if (e != PointDone) return e;
    first = Unscaled(one, scale);
    *(&first.x + (k - 1)) = value;
    if (solutionCount == 2) {
        second = Unscaled(two, scale);
        *(&second.x + (k - 1)) = value;
    }
    return e;
}
