// Which two parameters are given, reading their values, and checking them before a solve.
#pragma once

#include "ui/fields.h"

// Name of a parameter in messages and in the report, by ParamId 1..7.
const char* ParamName(int paramId);

// Reads the ticked boxes, the launch height and the given values into motionCase and enables
// exactly the given value fields. commandId is the box just clicked (80..86) or 3 for Accept.
// Shows its own refusals; returns true when the selection is admissible and was read.
bool ReadGivenData(DialogHandle dialog, int commandId);

// Checks count, angle range, signs and the bounds against Vo of a launch from the launch
// height, all reported in one message box. Returns true when the case may be solved.
bool CheckGivenData();
