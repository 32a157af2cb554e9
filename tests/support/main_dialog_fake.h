// The main dialog's controls in the fake, wired to the real command handler.
#pragma once

#include "app/app_state.h"
#include "tests/support/fake_dialog.h"

// Resets every fake and `state`, creates the main dialog's controls with their command handler
// working on `state`, and runs the dialog's initialisation. Returns the dialog's handle.
DialogHandle OpenMainDialogFake(AppState& state);

// Resets every fake of the platform.
void ResetAllFakes();
