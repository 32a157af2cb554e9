#include "physics/given_checks.h"

#include <cmath>

namespace {

using Real = long double;

// Beyond a bound, or short of it, by more than its slack; `size` is the sum of the magnitudes
// of the bound's terms.
bool Above(Real v, Real bound, Real size) { return v > bound + kBoundSlack * size; }
bool Below(Real v, Real bound, Real size) { return v < bound - kBoundSlack * size; }

// The bound the second value breaks when Vo is the first, for a launch from y0, if any. With
// y0 = 0 each bound is computed with the same operations as the ground-level formula
// (sqrt(Vo*Vo) is exactly |Vo|), so a ground-level case is decided exactly as those decide.
// A value that meets a bound within its slack passes, and the solver solves it at the bound.
bool BoundAgainstSpeed(int second, Real vo, Real v, Real y0, DataFault& fault) {
    Real landingRadicand = vo * vo + TwoGravity * y0;  // (vertical speed at y = 0)^2, straight down
    if (landingRadicand < 0) landingRadicand = 0;
    const Real landingSpeed = std::sqrt(landingRadicand);
    const Real speed = std::fabs(vo);
    switch (second) {
        case ParamVx:
        case ParamVy0:
            fault = DataFault::ComponentAboveSpeed;
            return Above(v, vo, speed);
        case ParamReach: {
            fault = DataFault::ReachAboveBound;
            const Real bound = speed * landingSpeed / Gravity;
            return Above(v, bound, bound);
        }
        case ParamHeight: {
            const Real rise = vo * vo / TwoGravity;
            fault = DataFault::HeightBelowLaunch;
            if (Below(v, y0, std::fabs(y0))) return true;
            fault = DataFault::HeightAboveBound;
            return Above(v, y0 + rise, std::fabs(y0) + rise);
        }
        case ParamTime: {
            const Real size = (speed + landingSpeed) / Gravity;
            fault = DataFault::TimeAboveBound;
            if (Above(v, (vo + std::copysign(landingSpeed, vo)) / Gravity, size)) return true;
            fault = DataFault::TimeBelowBound;
            return y0 > 0 && Below(v, (landingSpeed - vo) / Gravity, size);
        }
        default: return false;
    }
}

}  // namespace

bool IsIndeterminatePair(KnownPair pair) {
    const std::uint32_t mask = PairMask(pair.first, pair.second);
    return mask == PairMask(ParamVy0, ParamHeight) || mask == PairMask(ParamVy0, ParamTime) ||
           mask == PairMask(ParamHeight, ParamTime);
}

std::vector<DataFaultAt> CheckGivenData(const GivenData& given) {
    std::vector<DataFaultAt> faults;
    const int first = given.pair.first, second = given.pair.second;
    if ((first == ParamAngle || second == ParamAngle) && std::fabs(given.values[ParamAngle]) > 90)
        faults.push_back({DataFault::AngleOutOfRange, ParamAngle});
    for (int p : {first, second}) {
        if (p != ParamAngle && given.values[p] <= 0) faults.push_back({DataFault::NotPositive, p});
    }
    DataFault fault;
    if (first == ParamVo &&
        BoundAgainstSpeed(second, given.values[ParamVo], given.values[second], given.y0, fault))
        faults.push_back({fault, second});
    return faults;
}
