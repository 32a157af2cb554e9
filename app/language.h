// The language of the program: chosen at start, shown in every text of the main dialog and its
// menus, and changed from the Language menu while the case stays on screen.
#pragma once

#include "app/app_state.h"
#include "platform/dialog.h"
#include "platform/settings.h"

// The language to start in: the one the user chose last, when one is remembered, otherwise
// the display language of Windows (Catalan, Spanish of any country, anything else English).
int StartLanguage(int remembered, DisplayLanguage display);

// Writes every text of the main dialog and its menu bar in state.languageIndex: labels, frames,
// buttons, menus (the Language menu marks the language), the status line and the second
// solution's prefixes. Values, ticks and the plot are left as they are.
void ShowLanguage(DialogHandle dialog, const AppState& state);

// The Language menu's command for `language` (0..2): the dialog speaks it at once, and it is
// remembered for the next start when the settings can be written.
void ChooseLanguage(DialogHandle dialog, AppState& state, int language);
