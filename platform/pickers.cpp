#include "platform/pickers.h"

#include "platform/system.h"

bool ChooseFileToSave(DialogHandle owner, std::optional<NewFileKind> kind, const std::string& startDirectory,
                      std::string& path) {
    const bool chosen = kind ? ChooseNewFile(owner, *kind, path) : ChooseSaveFile(owner, path);
    if (!startDirectory.empty()) SetCurrentDirectoryTo(startDirectory);
    return chosen;
}
