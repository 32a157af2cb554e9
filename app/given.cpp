#include "app/given.h"

#include <cmath>
#include <string>

#include "physics/motion.h"
#include "resources/ids.h"

namespace {

constexpr std::uint32_t kIndeterminateMasks[] = {0x50, 0x90, 0xC0};

// Bounds that the second given value must keep when Vo is the first, for a launch from y0.
// With y0 = 0 each bound is computed with the same operations as the ground-level formula
// (sqrt(Vo*Vo) is exactly |Vo|), so the ground-level case is decided exactly as before, a
// negative Vo included.
void CheckBoundsAgainstSpeed(int second, std::string& errors) {
    using Real = long double;
    const MotionCase& mc = motionCase;
    const Real vo = mc.work[ParamVo];
    const Real v = mc.work[second];
    const Real y0 = mc.work[0];
    const bool ground = y0 == 0;
    Real landingRadicand = vo * vo + TwoGravity * y0;  // (vertical speed at y = 0)^2, straight down
    if (landingRadicand < 0) landingRadicand = 0;
    const Real landingSpeed = std::sqrt(landingRadicand);
    auto add = [&errors](const char* line) { errors += std::string(line) + "\r\n\r\n"; };
    switch (second) {
        case ParamVx:
        case ParamVy0:
            if (v > vo) add("Vx, Vy cannot overcome Vo");
            break;
        case ParamReach:
            if (v > std::fabs(vo) * landingSpeed / Gravity)
                add(ground ? "The reach cannot overcome Vo\xB2/g"
                           : "The reach cannot overcome Vo\xB7sqrt(Vo\xB2+2g\xB7Y0)/g");
            break;
        case ParamHeight:
            if (v > y0 + vo * vo / TwoGravity)
                add(ground ? "The maximum height cannot overcome Vo\xB2/2g"
                           : "The maximum height cannot overcome Y0+Vo\xB2/2g");
            else if (v < y0)
                add("The maximum height cannot be under Y0");
            break;
        case ParamTime:
            if (v > (vo + std::copysign(landingSpeed, vo)) / Gravity)
                add(ground ? "The time cannot overcome 2Vo/g"
                           : "The time cannot overcome (Vo+sqrt(Vo\xB2+2g\xB7Y0))/g");
            else if (y0 > 0 && v < (landingSpeed - vo) / Gravity)
                add("The time cannot be under (sqrt(Vo\xB2+2g\xB7Y0)-Vo)/g");
            break;
        default: break;
    }
}

}  // namespace

const char* ParamName(int paramId) {
    static const char* const names[] = {"",       "initial speed", "angle",  "Vx",
                                        "Voy",    "Reach",         "Height", "Time"};
    return paramId >= 1 && paramId <= kParamCount ? names[paramId] : "";
}

bool ReadGivenData(DialogHandle dialog, int commandId) {
    MotionCase& mc = motionCase;
    double y0 = 0;
    bool y0IsNumber = ReadRealField(dialog, IDC_LAUNCH_HEIGHT, y0);
    mc.work[0] = y0;
    // Solving with a launch height the user did not mean is worse than asking again; ticking
    // boxes while the field is half typed does not complain.
    if (!y0IsNumber && commandId == IDC_ACCEPT) {
        ShowMessage("wrong value", "to launch height");
        return false;
    }

    mc.givenCount = 0;
    mc.given = {0, 0};
    for (int i = 1; i <= kParamCount; ++i) {
        if (!IsFieldChecked(dialog, IDC_GIVEN_BASE + i)) continue;
        ++mc.givenCount;
        if (mc.givenCount == 3) {
            ShowMessage("The number of data must be 2", "Some field must be deselected before");
            SetFieldChecked(dialog, commandId, false);
            return false;
        }
        (mc.givenCount == 1 ? mc.given.first : mc.given.second) = i;
        std::string text = GetFieldText(dialog, IDC_VALUE_BASE + i);
        if (text.empty()) {
            mc.values[i] = 0;
        } else if (!ReadRealField(dialog, IDC_VALUE_BASE + i, mc.values[i])) {
            ShowMessage("wrong value", std::string("to ") + ParamName(i));
            return false;
        }
    }
    mc.givenMask = (1u << mc.given.first) | (1u << mc.given.second);
    for (std::uint32_t mask : kIndeterminateMasks) {
        if (mc.givenMask == mask) {
            ShowMessage("Indeterminate case", "Since Vy0 and height or time only depend to each other");
            SetFieldChecked(dialog, commandId, false);
            return false;
        }
    }
    for (int i = 1; i <= kParamCount; ++i)
        EnableField(dialog, IDC_VALUE_BASE + i, IsFieldChecked(dialog, IDC_GIVEN_BASE + i));
    return true;
}

bool CheckGivenData() {
    MotionCase& mc = motionCase;
    if (mc.givenCount < 2) {
        ShowMessage("Insufficient data", "2 data are needed");
        return false;
    }
    for (int i = 1; i <= kParamCount; ++i) mc.work[i] = mc.values[i];

    std::string errors;
    const int first = mc.given.first, second = mc.given.second;
    if ((first == ParamAngle || second == ParamAngle) && std::fabs(mc.work[ParamAngle]) > 90)
        errors += "Range of l'angle: -90... 90 \xBA\r\n\r\n";
    for (int p : {first, second}) {
        if (p != ParamAngle && mc.work[p] <= 0)
            errors += std::string(ParamName(p)) + ": non valid value\r\n\r\n";
    }
    if (first == ParamVo) CheckBoundsAgainstSpeed(second, errors);
    if (!errors.empty()) {
        ShowMessage("* Errors in the data *", errors.substr(0, kMaxShortText));
        return false;
    }
    return true;
}
