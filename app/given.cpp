#include "app/given.h"

#include <string>

#include "resources/ids.h"
#include "text/given_text.h"
#include "text/message_box.h"
#include "text/number_text.h"

namespace {

// The dialog's fields through the shared road; commandId is the box clicked, or Accept.
GivenRefusal ReadFields(DialogHandle dialog, int commandId, GivenStage stage, const Conditions& conditions,
                        MotionCase& mc, GivenData& data, int language) {
    std::string texts[kParamCount + 1];
    GivenTexts typed;
    const std::string y0 = GetFieldText(dialog, IDC_LAUNCH_HEIGHT);
    typed.y0 = y0;
    for (int i = 1; i <= kParamCount; ++i) {
        typed.given[i] = IsFieldChecked(dialog, IDC_GIVEN_BASE + i);
        if (!typed.given[i]) continue;
        texts[i] = GetFieldText(dialog, IDC_VALUE_BASE + i);
        typed.value[i] = texts[i];
    }
    // Values of parameters that are not ticked stay as they stand: the last solve's results.
    for (int i = 1; i <= kParamCount; ++i) data.values[i] = mc.values[i];
    const GivenReading reading = ReadGivenTexts(typed, stage, conditions, data, ParseReal);
    mc.y0 = data.y0;
    mc.given = data.pair;
    mc.givenCount = static_cast<std::uint16_t>(reading.count < 2 ? reading.count : 2);
    mc.givenMask = PairMask(data.pair.first, data.pair.second);
    for (int i = 1; i <= kParamCount; ++i) mc.values[i] = data.values[i];
    if (reading.refusal == GivenRefusal::None) return reading.refusal;
    ShowMessage(GivenRefusalMessage(reading, data, language));
    // The box just ticked is the one that made the selection wrong.
    if (reading.refusal == GivenRefusal::TooMany || reading.refusal == GivenRefusal::Indeterminate)
        SetFieldChecked(dialog, commandId, false);
    return reading.refusal;
}

void EnableGivenFields(DialogHandle dialog) {
    for (int i = 1; i <= kParamCount; ++i)
        EnableField(dialog, IDC_VALUE_BASE + i, IsFieldChecked(dialog, IDC_GIVEN_BASE + i));
}

}  // namespace

bool ReadRealField(DialogHandle dialog, int id, double& value) {
    return ParseReal(GetFieldText(dialog, id), value);
}

bool ReadGivenData(DialogHandle dialog, int boxId, MotionCase& mc, int language) {
    GivenData data;
    if (ReadFields(dialog, boxId, GivenStage::Selection, Conditions{}, mc, data, language) != GivenRefusal::None) return false;
    EnableGivenFields(dialog);
    return true;
}

bool AcceptGivenData(DialogHandle dialog, const Conditions& conditions, MotionCase& mc, GivenData& given,
                     int language) {
    given = GivenData{};
    const GivenRefusal refusal = ReadFields(dialog, IDC_ACCEPT, GivenStage::Whole, conditions, mc, given, language);
    // Too few data, or faults in them, are found once the selection was read whole and admitted.
    const bool admitted = refusal == GivenRefusal::None || refusal == GivenRefusal::TooFew ||
                          refusal == GivenRefusal::DataFaults;
    if (admitted) EnableGivenFields(dialog);
    return refusal == GivenRefusal::None;
}
