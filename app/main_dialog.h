// The main dialog's behaviour, free of Win32: what its start and each command do to the fields.
#pragma once

#include <cstdint>
#include <string>

#include "ui/fields.h"

extern std::int32_t LanguageIndex;  // 0 Catalan, 1 English, 2 Spanish
extern std::string startDirectory;  // the current directory when the program started
extern std::uint16_t lastPointField;  // focused control at the last change of a point field
extern std::uint16_t pointInput;      // lastPointField when the last point query started

constexpr unsigned kEditChange = 0x300;  // EN_CHANGE

// The initial state: Vo and angle ticked, the other value fields and the point panel disabled,
// no case solved. Runs once the dialog is visible.
void InitMainDialog(DialogHandle dialog);

// One WM_COMMAND: id is the control or menu id, code the notification code.
void MainDialogCommand(DialogHandle dialog, int id, unsigned code);

// Group 150, the point edits with their labels, and button 5; the focus then goes to edit 110.
void EnablePointPanel(DialogHandle dialog, bool enable);
