// The dialog-field seam: the only way the program's logic touches dialog controls and message
// boxes. The program links the Win32 definitions (fields_win32.cpp); the unit tests link a fake
// that keeps each control's state and records every message box.
#pragma once

#include <string>
#include <string_view>

using DialogHandle = void*;  // a dialog window, opaque to portable code

constexpr int kMaxShortText = 255;  // texts set into controls are cut to this many characters
constexpr int kMaxFieldText = kMaxShortText - 1;  // characters of a control's text that are read

// Setting an edit's text raises its change notification before the call returns, as the real
// edit control does.
void SetFieldText(DialogHandle dialog, int id, std::string_view text);
// At most kMaxFieldText characters; the empty text for a missing control.
std::string GetFieldText(DialogHandle dialog, int id);
void SetWindowCaption(DialogHandle window, std::string_view text);

bool IsFieldChecked(DialogHandle dialog, int id);  // any non-zero check state
void SetFieldChecked(DialogHandle dialog, int id, bool checked);

// Enables or greys the control with that id in the given dialog (never in another window that
// happens to be active).
void EnableField(DialogHandle dialog, int id, bool enable);
void FocusField(DialogHandle dialog, int id);  // an edit's text is selected, as Tab does
int FocusedField(DialogHandle dialog);  // id of the focused control of the dialog, -1 if none

// Modal message boxes owned by the active window of the program (the main dialog when another
// application is in front). Caption first, text second.
void ShowMessage(std::string_view caption, std::string_view text);             // OK, no icon
int ShowMessageStyled(std::string_view caption, std::string_view text, unsigned flags);
int AskYesNo(std::string_view caption, std::string_view text, unsigned flags);  // IDYES 6, IDNO 7

void EndDialogWith(DialogHandle dialog, int result);

// Reads a real number from an edit (see ParseReal). Returns true on success; on failure value
// is 0. Portable: built on GetFieldText.
bool ReadRealField(DialogHandle dialog, int id, double& value);
