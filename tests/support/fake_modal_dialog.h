// A stand-in for modal dialogs: opening one counts, runs a script as if the user worked in it,
// and answers a chosen result.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/modal_dialog.h"

struct FakeModalDialogs {
    std::vector<std::string> opened;  // the template of each dialog opened, in order
    std::vector<DialogHandle> owners;
    int result = 0;  // what RunModalDialog answers
    // Runs while the dialog is open, with its handlers: a test can drive them as the user would.
    std::function<void(const DialogHandlers& handlers)> whileOpen;
};

FakeModalDialogs& ModalDialogs();
void ResetModalDialogs();
