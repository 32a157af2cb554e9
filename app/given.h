// Which two parameters are given, reading their values, and checking them before a solve, on
// the road the command line takes too (text/given_text.h).
#pragma once

#include "app/app_state.h"
#include "platform/dialog.h"

// Reads a real number from an edit (see ParseReal). Returns true on success; on failure value
// is 0.
bool ReadRealField(DialogHandle dialog, int id, double& value);

// A box was ticked or unticked (boxId 80..86): reads the ticked boxes and the given values into
// `mc` and enables exactly the given value fields. Shows its own refusals, in `language`, and
// unticks the box a refusal of the selection is about; true when the selection is admissible.
bool ReadGivenData(DialogHandle dialog, int boxId, MotionCase& mc, int language);

// Accept: reads the selection, the launch height and the given values as ReadGivenData does,
// then checks count, angle range, signs and the bounds against Vo of a launch from the launch
// height under `conditions` (with air, the bounds of the air), all faults reported in one
// message box. True, with `given` filled, when the case may be solved.
bool AcceptGivenData(DialogHandle dialog, const Conditions& conditions, MotionCase& mc, GivenData& given,
                     int language);
