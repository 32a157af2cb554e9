// The file-picker seam: the system's save and open dialogs. The program links
// pickers_win32.cpp; the unit tests link tests/support/fake_pickers.cpp, which answers from a
// script.
#pragma once

#include <optional>
#include <string>

#include "platform/dialog.h"

// The save dialog, owned by `owner` (disabled while it is open), starting from the file name in
// `path`. True when the user confirmed a name; `path` then holds the full path. The dialog may
// leave the process's current directory wherever the user browsed.
bool ChooseSaveFile(DialogHandle owner, std::string& path);

// The open dialog for an existing file, owned by `owner`, starting at `path` (at most 255
// characters). True when the user chose a file; `path` then holds its whole name (cut to 255
// characters).
bool ChooseOpenFile(DialogHandle owner, std::string& path);

// What a new file is for: its save dialog's file types, default extension and proposed name.
enum class NewFileKind {
    PathTable,    // "path.csv"; CSV files, then all files; extension .csv
    PlotPicture,  // "plot.png"; PNG pictures, then enhanced metafiles (.emf); extension .png
};

// The save dialog for a new file of that kind, owned by `owner` (disabled while it is open),
// proposing the kind's name. It asks before replacing an existing file and refuses a folder
// that does not exist. True when the user confirmed; `path` then holds the full path. The
// dialog may leave the process's current directory wherever the user browsed.
bool ChooseNewFile(DialogHandle owner, NewFileKind kind, std::string& path);

// The save dialog for a report (no kind: ChooseSaveFile) or for a new file of `kind`
// (ChooseNewFile), after which the process's current directory is `startDirectory` again
// (when it is not empty), wherever the user browsed: the program looks files up relative to
// it. True when the user confirmed; `path` then holds the full path.
bool ChooseFileToSave(DialogHandle owner, std::optional<NewFileKind> kind, const std::string& startDirectory,
                      std::string& path);
