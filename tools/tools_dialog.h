// The Tools edition dialog: adds, changes, deletes and reorders the tools of the list in memory
// and saves the list with Ok. The logic here is free of Win32; tools_dialog_win32.cpp runs the
// dialog and hands its messages over.
#pragma once

#include <cstdint>
#include <string>

#include "resources/ids.h"
#include "tools/tool_list.h"
#include "ui/fields.h"

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

constexpr unsigned kListSelectionChanged = 1;  // LBN_SELCHANGE

// Position of the tool the edits show (1..toolCount), or toolCount + 1 while they hold a new tool.
extern std::uint16_t editPosition;
extern ToolEntry editBuffer;    // the edits' texts while storing and browsing
extern std::string browsePath;  // the path the file dialog last gave; kept between openings

// Runs the dialog modally, owned by the main dialog. Returns 1 after Ok with the list saved, 0
// after "esc", -1 when the dialog could not be created.
int OpenToolsEditionDialog();

// Shows the open-file dialog starting at `path` (at most 255 characters) and, when the user
// chooses a file, puts its whole name into `path` (cut to 255 characters) and returns true.
bool BrowseForFile(std::string& path);

// WM_INITDIALOG: the new-tool state with "-", "^" and "v" disabled, the labels in the user's
// language, the list box filled with the titles.
void InitToolsDialog(DialogHandle dialog);
// One WM_COMMAND: id is the control id, code the notification code.
void ToolsDialogCommand(DialogHandle dialog, int id, unsigned code);
