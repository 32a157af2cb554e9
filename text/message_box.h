// The one way the program shows a message: a box owned by the program's active window (see
// platform/dialog.h), caption and text in the words of the message's language, one OK button.
// A refusal of what the user typed has no icon; a failure of the system or of a file has the
// exclamation mark.
#pragma once

#include "platform/dialog.h"
#include "text/messages.h"

inline void ShowMessage(const Message& message, MessageIcon icon = MessageIcon::None) {
    ShowMessage(message.caption, message.text, icon);
}
