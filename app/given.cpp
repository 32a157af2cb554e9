#include "app/given.h"

#include <string>

#include "physics/given_checks.h"
#include "resources/ids.h"
#include "text/conditions_text.h"
#include "text/messages.h"
#include "text/number_text.h"

namespace {

void Show(const Message& message) { ShowMessage(message.caption, message.text); }

}  // namespace

bool ReadRealField(DialogHandle dialog, int id, double& value) {
    return ParseReal(GetFieldText(dialog, id), value);
}

bool ReadGivenData(DialogHandle dialog, int commandId, MotionCase& mc) {
    double y0 = 0;
    bool y0IsNumber = ReadRealField(dialog, IDC_LAUNCH_HEIGHT, y0);
    mc.y0 = y0;
    // Solving with a launch height the user did not mean is worse than asking again; ticking
    // boxes while the field is half typed does not complain.
    if (!y0IsNumber && commandId == IDC_ACCEPT) {
        Show(WrongValueMessage("launch height"));
        return false;
    }

    mc.givenCount = 0;
    mc.given = {0, 0};
    for (int i = 1; i <= kParamCount; ++i) {
        if (!IsFieldChecked(dialog, IDC_GIVEN_BASE + i)) continue;
        ++mc.givenCount;
        if (mc.givenCount == 3) {
            Show(TooManyDataMessage());
            SetFieldChecked(dialog, commandId, false);
            return false;
        }
        (mc.givenCount == 1 ? mc.given.first : mc.given.second) = i;
        std::string text = GetFieldText(dialog, IDC_VALUE_BASE + i);
        if (text.empty()) {
            mc.values[i] = 0;
        } else if (!ReadRealField(dialog, IDC_VALUE_BASE + i, mc.values[i])) {
            Show(WrongValueMessage(ParamName(i)));
            return false;
        }
    }
    mc.givenMask = PairMask(mc.given.first, mc.given.second);
    if (IsIndeterminatePair(mc.given)) {
        Show(IndeterminateMessage());
        SetFieldChecked(dialog, commandId, false);
        return false;
    }
    for (int i = 1; i <= kParamCount; ++i)
        EnableField(dialog, IDC_VALUE_BASE + i, IsFieldChecked(dialog, IDC_GIVEN_BASE + i));
    return true;
}

bool AcceptGivenDataUnder(const MotionCase& mc, const Conditions& conditions, int languageIndex, GivenData& given) {
    if (mc.givenCount < 2) {
        Show(InsufficientDataMessage());
        return false;
    }
    given.pair = mc.given;
    for (int i = 1; i <= kParamCount; ++i) given.values[i] = mc.values[i];
    given.y0 = mc.y0;
    const std::vector<CaseFault> faults = CheckCase(conditions, given);
    if (faults.empty()) return true;
    const bool ground = given.y0 == 0;
    if (conditions.air) {
        Show(AirDataFaultsMessage(faults, given.values[ParamVo], ground, languageIndex));
    } else {
        std::vector<DataFaultAt> vacuum;
        for (const CaseFault& f : faults) vacuum.push_back({f.fault, f.param});
        Show(DataFaultsMessage(vacuum, ground));
    }
    return false;
}

bool AcceptGivenData(const MotionCase& mc, GivenData& given) {
    if (mc.givenCount < 2) {
        Show(InsufficientDataMessage());
        return false;
    }
    given.pair = mc.given;
    for (int i = 1; i <= kParamCount; ++i) given.values[i] = mc.values[i];
    given.y0 = mc.y0;
    const std::vector<DataFaultAt> faults = CheckGivenData(given);
    if (!faults.empty()) {
        Show(DataFaultsMessage(faults, given.y0 == 0));
        return false;
    }
    return true;
}
