// The main dialog's behaviour, free of Win32: what its start and each command do to the fields.
#pragma once

#include "app/app_state.h"
#include "platform/dialog.h"

// The initial state: Vo and angle ticked, the other value fields and the point panel disabled,
// no case solved. Runs once the dialog is visible, after the Tools menu has been installed.
void InitMainDialog(DialogHandle dialog, AppState& state);

// One command: id is the control or menu id, event what the control tells.
void MainDialogCommand(DialogHandle dialog, int id, ControlEvent event, AppState& state);

// Enables the menu commands that need a solved case (Save case, Copy case, Export path table,
// Save plot picture) exactly when one is solved; the menu is
// touched only when that changes.
void UpdateCaseCommands(DialogHandle dialog, AppState& state);
