// The file-picker seam: the system's save and open dialogs. The program links
// pickers_win32.cpp; the unit tests link tests/support/fake_pickers.cpp, which answers from a
// script.
#pragma once

#include <optional>
#include <string>

#include "platform/dialog.h"

// The words of a file dialog, in the program's language: its title, the names of its file
// types (the patterns are the dialog's own) and, for a new file, the name it proposes.
struct FileDialogWords {
    std::string_view title;
    std::string_view types[2];
    std::string_view name;
};

// The save dialog, owned by `owner` (disabled while it is open), starting from the file name in
// `path`. True when the user confirmed a name; `path` then holds the full path. The dialog may
// leave the process's current directory wherever the user browsed.
// Its one file type is "all files" (types[0]).
bool ChooseSaveFile(DialogHandle owner, std::string& path, const FileDialogWords& words);

// The open dialog for an existing file, owned by `owner`, starting at `path` (at most 255
// characters). True when the user chose a file; `path` then holds its whole name (cut to 255
// characters). Its one file type is "all files" (types[0]).
bool ChooseOpenFile(DialogHandle owner, std::string& path, const FileDialogWords& words);

// What a new file is for: its save dialog's file types and default extension.
enum class NewFileKind {
    PathTable,    // CSV files, then all files; extension .csv
    PlotPicture,  // PNG pictures, then enhanced metafiles (.emf); extension .png
};

// The save dialog for a new file of that kind, owned by `owner` (disabled while it is open),
// proposing the name in `words`. It asks before replacing an existing file and refuses a folder
// that does not exist. True when the user confirmed; `path` then holds the full path. The
// dialog may leave the process's current directory wherever the user browsed.
bool ChooseNewFile(DialogHandle owner, NewFileKind kind, std::string& path, const FileDialogWords& words);

// The save dialog for a report (no kind: ChooseSaveFile) or for a new file of `kind`
// (ChooseNewFile), after which the process's current directory is `startDirectory` again
// (when it is not empty), wherever the user browsed: the program looks files up relative to
// it. True when the user confirmed; `path` then holds the full path.
bool ChooseFileToSave(DialogHandle owner, std::optional<NewFileKind> kind, const std::string& startDirectory,
                      std::string& path, const FileDialogWords& words);
