// The modal-dialog seam: runs a dialog of the program's resources with portable handlers. The
// program links modal_dialog_win32.cpp; the unit tests link a fake that runs a script instead
// of the user (tests/support/fake_modal_dialog.cpp).
#pragma once

#include "platform/dialog.h"

struct DialogHandlers {
    void (*init)(DialogHandle dialog, void* context);                                 // once shown
    void (*command)(DialogHandle dialog, int id, ControlEvent event, void* context);  // each command
    void* context;  // handed to both: the dialog's own state
};

// Runs the dialog of template `templateName` modally, owned by `owner` (disabled meanwhile), and
// returns the result given to EndDialogWith; -1 when the dialog could not be created.
int RunModalDialog(DialogHandle owner, const char* templateName, const DialogHandlers& handlers);
