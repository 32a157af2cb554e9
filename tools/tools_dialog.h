// The Tools edition dialog: adds, changes, deletes and reorders the tools of the list in memory
// and saves the list with Ok. It runs through the modal-dialog seam.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog.h"
#include "resources/ids.h"
#include "tools/tool_list.h"

// Control ids of the template DlgTools (resources/ids.h).
enum ToolsDialogId {
    IdToolsEnter = 1,  // Enter with no push button focused
    IdToolsEsc = IDC_TOOLS_ESC,
    IdToolsNew = IDC_TOOLS_NEW,
    IdToolsDelete = IDC_TOOLS_DELETE,
    IdToolsUp = IDC_TOOLS_UP,
    IdToolsDown = IDC_TOOLS_DOWN,
    IdToolsBrowse = IDC_TOOLS_BROWSE,
    IdToolsStore = IDC_TOOLS_STORE,
    IdToolsOk = IDC_TOOLS_OK,
    IdToolsLabel = IDC_TOOLS_LABEL,
    IdToolsTitleLabel = IDC_TOOLS_LABEL + 1,
    IdToolsFileLabel = IDC_TOOLS_LABEL + 2,
    IdToolsDirectoryLabel = IDC_TOOLS_LABEL + 3,
    IdToolsParametersLabel = IDC_TOOLS_LABEL + 4,
    IdToolsList = IDC_TOOLS_LIST,
    IdToolsTitle = IDC_TOOLS_FIELD_BASE,
    IdToolsFile = IDC_TOOLS_FIELD_BASE + 1,
    IdToolsDirectory = IDC_TOOLS_FIELD_BASE + 2,
    IdToolsParameters = IDC_TOOLS_FIELD_BASE + 3,
    IdToolsGroup = IDC_TOOLS_GROUP,
};

// One opening of the dialog: the list it edits and what it keeps while it runs.
struct ToolsDialog {
    ToolList* list = nullptr;
    std::string* browsePath = nullptr;  // the path the file dialog last gave; kept between openings
    int language = 1;                   // 0 Catalan, 1 English, 2 Spanish
    std::string folder;                 // the program's folder (UTF-8), where Tools.rel lies
    // Position of the tool the edits show (1..toolCount), or toolCount + 1 while they hold a
    // new tool.
    std::uint16_t editPosition = 0;
    ToolEntry editBuffer;  // the edits' texts while storing and browsing
};

// Runs the dialog modally, owned by `owner`, on `list`. Returns 1 after Ok with the list saved
// to Tools.rel in `folder`, 0 after "esc", -1 when the dialog could not be created. The file
// dialog of "···" gives back UTF-8 paths; a path whose letters Windows-1252 cannot hold is
// refused with a message, as Tools.rel could not keep it.
int OpenToolsEditionDialog(DialogHandle owner, ToolList& list, std::string& browsePath, int language,
                           const std::string& folder);

// Once shown: the new-tool state with "-", "^" and "v" disabled, the labels in the user's
// language, the list box filled with the titles.
void InitToolsDialog(DialogHandle dialog, ToolsDialog& state);
// One command of a control: its id and what it tells.
void ToolsDialogCommand(DialogHandle dialog, int id, ControlEvent event, ToolsDialog& state);
