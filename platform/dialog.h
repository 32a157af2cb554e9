// The dialog seam: the only way portable code touches dialog controls and message boxes. The
// program links dialog_win32.cpp; the unit tests link tests/support/fake_dialog.cpp, which
// keeps each control's state and records every message box.
#pragma once

#include <string>
#include <string_view>

struct DialogWindow;  // a dialog window of the platform, opaque to portable code
using DialogHandle = DialogWindow*;

constexpr int kMaxShortText = 255;  // texts set into controls are cut to this many characters
constexpr int kMaxFieldText = kMaxShortText - 1;  // characters of a control's text that are read

// What a control tells its dialog, besides being clicked or chosen from a menu.
enum class ControlEvent { Command, EditChanged, ListSelectionChanged };

enum class MessageIcon { None, Exclamation, Question };
enum class Answer { Ok, Yes, No };

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
// An edit takes no more than `characters` characters from the user, typed or pasted.
void LimitFieldText(DialogHandle dialog, int id, int characters);

// Modal message boxes owned by the active window of the program (the main dialog when another
// application is in front), with one OK button. Caption first, text second, both Windows-1252.
void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon = MessageIcon::None);
// The same for a message about a file: `text`, then on the next line `path`, which is UTF-8 (as
// every path in portable code) and shown with every character.
void ShowFileMessage(std::string_view caption, std::string_view text, std::string_view path, MessageIcon icon);
// The same with Yes and No buttons.
Answer AskYesNo(std::string_view caption, std::string_view text, MessageIcon icon);

void EndDialogWith(DialogHandle dialog, int result);
