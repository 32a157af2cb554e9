// The list-box seam: the lines of a list-box control in a dialog. The program links
// list_field_win32.cpp; the unit tests link a fake that keeps the lines and the selection.
#pragma once

#include <string_view>

#include "platform/dialog.h"

void ClearListField(DialogHandle dialog, int id);
void AddListLine(DialogHandle dialog, int id, std::string_view text);
// Selects line `index` (from 0); -1 selects none.
void SelectListLine(DialogHandle dialog, int id, int index);
// The selected line (from 0), -1 when none.
int SelectedListLine(DialogHandle dialog, int id);
