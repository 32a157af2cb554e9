#include "platform/pickers.h"

#include "platform/system.h"

bool ChooseFileToSave(DialogHandle owner, std::optional<NewFileKind> kind, const std::string& startDirectory,
                      std::string& path, const FileDialogWords& words) {
    const bool chosen = kind ? ChooseNewFile(owner, *kind, path, words) : ChooseSaveFile(owner, path, words);
    if (!startDirectory.empty()) SetCurrentDirectoryTo(startDirectory);
    return chosen;
}
