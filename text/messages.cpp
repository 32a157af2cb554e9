#include "text/messages.h"

namespace {

constexpr std::size_t kMaxMessageText = 255;

}  // namespace

const char* ParamName(int paramId) {
    static const char* const names[] = {"",       "initial speed", "angle",  "Vx",
                                        "Voy",    "Reach",         "Height", "Time"};
    return paramId >= 1 && paramId <= kParamCount ? names[paramId] : "";
}

const char* PointFieldName(int k) {
    static const char* const names[] = {"", "x", "y", "Vy", "|V|", "t"};
    return k >= 1 && k <= 5 ? names[k] : "";
}

Message WrongValueMessage(const std::string& what) { return {"wrong value", "to " + what}; }

Message TooManyDataMessage() {
    return {"The number of data must be 2", "Some field must be deselected before"};
}

Message IndeterminateMessage() {
    return {"Indeterminate case", "Since Vy0 and height or time only depend to each other"};
}

Message InsufficientDataMessage() { return {"Insufficient data", "2 data are needed"}; }

std::string DataFaultLine(const DataFaultAt& fault, bool ground) {
    switch (fault.fault) {
        case DataFault::AngleOutOfRange: return "Range of l'angle: -90... 90 \xBA";
        case DataFault::NotPositive: return std::string(ParamName(fault.param)) + ": non valid value";
        case DataFault::ComponentAboveSpeed: return "Vx, Vy cannot overcome Vo";
        case DataFault::ReachAboveBound:
            return ground ? "The reach cannot overcome Vo\xB2/g"
                          : "The reach cannot overcome Vo\xB7sqrt(Vo\xB2+2g\xB7Y0)/g";
        case DataFault::HeightAboveBound:
            return ground ? "The maximum height cannot overcome Vo\xB2/2g"
                          : "The maximum height cannot overcome Y0+Vo\xB2/2g";
        case DataFault::HeightBelowLaunch: return "The maximum height cannot be under Y0";
        case DataFault::TimeAboveBound:
            return ground ? "The time cannot overcome 2Vo/g"
                          : "The time cannot overcome (Vo+sqrt(Vo\xB2+2g\xB7Y0))/g";
        case DataFault::TimeBelowBound: return "The time cannot be under (sqrt(Vo\xB2+2g\xB7Y0)-Vo)/g";
    }
    return "";
}

Message DataFaultsMessage(const std::vector<DataFaultAt>& faults, bool ground) {
    std::string text;
    for (const DataFaultAt& fault : faults) text += DataFaultLine(fault, ground) + "\r\n\r\n";
    return {"* Errors in the data *", text.substr(0, kMaxMessageText)};
}

Message SolveFailureMessage(SolveResult result) {
    const char* text = "";
    switch (result) {
        case SolveResult::Solved: break;
        case SolveResult::NeverReachesGround: text = "The path never comes down to the ground (y = 0)"; break;
        case SolveResult::VerticalLaunch: text = "A vertical launch has no horizontal speed and no reach"; break;
        case SolveResult::SpeedNotDetermined:
            text = "With this angle the given value does not fix the initial speed";
            break;
        case SolveResult::DirectionsDisagree: text = "A positive Voy needs an angle above 0"; break;
        case SolveResult::HeightBelowLaunch: text = "The maximum height cannot be under the launch height"; break;
        case SolveResult::NoLanding: text = "No launch with these data comes down to the ground"; break;
        case SolveResult::TooLarge: text = "The data give values too large to compute"; break;
        case SolveResult::NeverRises:
            text = "A launch at or below the horizontal never rises above the launch height";
            break;
    }
    return {"No solution", text};
}

Message PointErrorMessage(PointError code, int k) {
    switch (code) {
        case PointDone: break;
        case PointAboveHeight: return {"Wrong Y coordinate", "Y must be <= maximum Height"};
        case PointBelowVx: return {"Too low speed", "|V | must be >= Vx"};
        case PointNegativeSpeed: return {"Wrong sign", "|V| must be positive"};
        case PointNotNumber: return WrongValueMessage(PointFieldName(k));
        case PointNoHorizontal:
            return {"Wrong X coordinate", "Without horizontal motion x does not give the point"};
        case PointOutOfRange:
            return {"Too large value", "The point is too far from the launch to be computed"};
    }
    return {"", ""};
}

const char* SaveFailureReason(SaveOutcome outcome) {
    switch (outcome) {
        case SaveOutcome::Saved: break;
        case SaveOutcome::NoTemporary: return "The file cannot be written in its folder:";
        case SaveOutcome::NotWritten: return "The file could not be written; nothing was changed:";
        case SaveOutcome::NotReplaced: return "The file cannot be replaced (it is read-only or in use); it is as it was:";
    }
    return "";
}

Message PathTableTooLargeMessage() {
    return {"Export path table",
            "The path of this case holds numbers too large to write; nothing was written."};
}

Message ClipboardInUseMessage() {
    return {"Copy case", "Another program is using the clipboard; nothing was copied. Try again."};
}

Message ClipboardFailedMessage() { return {"Copy case", "The case could not be put on the clipboard."}; }

Message PictureFailedMessage() {
    return {"Save plot picture", "The picture could not be made; nothing was written."};
}
