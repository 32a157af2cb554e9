// The "Gravity and air" dialog: a world or a gravity typed in, the air on or off, a ball or its
// values typed in, and the air's density; k and the terminal speed shown as they are typed.
#pragma once

#include "physics/conditions.h"
#include "platform/dialog.h"

// Runs the dialog owned by `owner`, starting from `conditions`. OK with valid values writes
// them and returns true; a value that cannot be flown is refused with a message and the dialog
// stays; Cancel changes nothing and returns false.
bool ChooseConditions(DialogHandle owner, Conditions& conditions, int languageIndex);
