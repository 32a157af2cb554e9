#include "physics/given_checks.h"

#include <cmath>

namespace {

using Real = long double;

// The bound the second value breaks when Vo is the first, for a launch from y0, if any. With
// y0 = 0 each bound is computed with the same operations as the ground-level formula
// (sqrt(Vo*Vo) is exactly |Vo|), so a ground-level case is decided exactly as those decide.
bool BoundAgainstSpeed(int second, Real vo, Real v, Real y0, DataFault& fault) {
    Real landingRadicand = vo * vo + TwoGravity * y0;  // (vertical speed at y = 0)^2, straight down
    if (landingRadicand < 0) landingRadicand = 0;
    const Real landingSpeed = std::sqrt(landingRadicand);
    switch (second) {
        case ParamVx:
        case ParamVy0:
            fault = DataFault::ComponentAboveSpeed;
            return v > vo;
        case ParamReach:
            fault = DataFault::ReachAboveBound;
            return v > std::fabs(vo) * landingSpeed / Gravity;
        case ParamHeight:
            fault = v < y0 ? DataFault::HeightBelowLaunch : DataFault::HeightAboveBound;
            return v > y0 + vo * vo / TwoGravity || v < y0;
        case ParamTime:
            fault = DataFault::TimeAboveBound;
            if (v > (vo + std::copysign(landingSpeed, vo)) / Gravity) return true;
            fault = DataFault::TimeBelowBound;
            return y0 > 0 && v < (landingSpeed - vo) / Gravity;
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
