// Which two parameters are given, reading their values, and checking them before a solve.
#pragma once

#include "app/app_state.h"
#include "platform/dialog.h"

// Reads a real number from an edit (see ParseReal). Returns true on success; on failure value
// is 0.
bool ReadRealField(DialogHandle dialog, int id, double& value);

// Reads the ticked boxes, the launch height and the given values into `mc` and enables exactly
// the given value fields. commandId is the box just clicked (80..86) or 3 for Accept. Shows its
// own refusals; returns true when the selection is admissible and was read.
bool ReadGivenData(DialogHandle dialog, int commandId, MotionCase& mc);

// Checks count, angle range, signs and the bounds against Vo of a launch from the launch
// height, all reported in one message box. True, with `given` filled, when the case may be
// solved.
bool AcceptGivenData(const MotionCase& mc, GivenData& given);
// The same under other conditions than the Earth's without air: their checks and messages.
bool AcceptGivenDataUnder(const MotionCase& mc, const Conditions& conditions, int languageIndex, GivenData& given);
