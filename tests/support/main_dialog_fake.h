// The main dialog's controls in the fake, wired to the real command handler.
#pragma once

#include "tests/support/fake_fields.h"

// Resets the fake, the canvas, the motion record, the plot frame and the point query, creates
// the main dialog's controls and runs its initialisation. Returns the dialog's handle.
DialogHandle OpenMainDialogFake();
