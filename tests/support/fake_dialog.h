// A stand-in for the dialog controls: keeps each control's text, check and enabled state and the
// focus per dialog (lost, as in Windows, when the focused control is disabled), records every
// message box and answers questions from a script.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"

struct FakeControl {
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool isEdit = false;  // setting its text raises EN_CHANGE, as a real edit does
    int limit = -1;       // characters the user may type into an edit; -1 for no limit
};

struct FakeMessage {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    bool question = false;  // Yes and No buttons
};

struct FakeDialog {
    std::map<int, FakeControl> controls;  // a control missing here does not exist
    int focus = -1;
    std::string caption;
    int endResult = -1;  // result passed to EndDialogWith; -1 while the dialog runs
    std::function<void(int id, ControlEvent event)> onCommand;  // the dialog's command handler
};

struct FakeUi {
    std::map<DialogHandle, FakeDialog> dialogs;
    std::vector<FakeMessage> messages;
    std::deque<Answer> answers;  // what the user presses in the next questions; No when empty
};

FakeUi& Fake();
void ResetFake();
FakeDialog& FakeOf(DialogHandle dialog);
// A dialog handle for tests: distinct per number, never dereferenced.
DialogHandle FakeDialogHandle(int number);

// The user's own actions, through the dialog's handler as the real controls would raise them.
void UserTypes(DialogHandle dialog, int id, const std::string& text);  // focus, text, EN_CHANGE
// Focuses the control when enabled and toggles a check box first, then WM_COMMAND.
void UserClicks(DialogHandle dialog, int id);
