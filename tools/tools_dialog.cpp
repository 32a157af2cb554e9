#include "tools/tools_dialog.h"

#include "app/main_dialog.h"
#include "tools/list_field.h"

std::uint16_t editPosition;
ToolEntry editBuffer;
std::string browsePath;

namespace {

constexpr unsigned kQuestionIcon = 0x20;  // MB_ICONQUESTION
constexpr int kYes = 6;                   // IDYES

// Caption and labels in Catalan and Spanish, Windows-1252 bytes; English is the template's.
struct Labels {
    const char* caption;
    const char* texts[6];  // controls 30, 150, 31, 32, 33, 34
};
const Labels kCatalan = {"Edici\xF3 eines",
                         {"Eines", "Eina", "T\xEDtol", "Fitxer", "Dir. de treball", "par\xE0metres"}};
const Labels kSpanish = {"Edici\xF3n \xFAtiles",
                         {"\xDAtiles", "\xDAtil", "T\xEDtulo", "Fichero", "Dir. de trabajo", "par\xE1metros"}};
const int kLabelIds[6] = {IdToolsLabel, IdToolsGroup, IdToolsTitleLabel, IdToolsFileLabel,
                          IdToolsDirectoryLabel, IdToolsParametersLabel};

void Relabel(DialogHandle dialog) {
    const Labels* labels = LanguageIndex == 0 ? &kCatalan : LanguageIndex == 2 ? &kSpanish : nullptr;
    if (!labels) return;
    SetWindowCaption(dialog, labels->caption);
    for (int i = 0; i < 6; ++i) SetFieldText(dialog, kLabelIds[i], labels->texts[i]);
}

void FillList(DialogHandle dialog) {
    ClearListField(dialog, IdToolsList);
    for (int p = 1; p <= toolList.toolCount; ++p) AddListLine(dialog, IdToolsList, ToolAt(p).title);
}

void ShowTool(DialogHandle dialog, const ToolEntry& entry) {
    SetFieldText(dialog, IdToolsTitle, entry.title);
    SetFieldText(dialog, IdToolsFile, entry.file);
    SetFieldText(dialog, IdToolsDirectory, entry.workDirectory);
    SetFieldText(dialog, IdToolsParameters, entry.parameters);
}

void NewToolState(DialogHandle dialog) {
    for (int id : {IdToolsTitle, IdToolsFile, IdToolsDirectory, IdToolsParameters}) SetFieldText(dialog, id, "");
    for (int id : {IdToolsDelete, IdToolsUp, IdToolsDown}) EnableField(dialog, id, false);
    editPosition = static_cast<std::uint16_t>(toolList.toolCount + 1);
}

bool ToolSelected() { return editPosition >= 1 && editPosition <= toolList.toolCount; }

void ReadFields(DialogHandle dialog) {
    SetToolFields(editBuffer, GetFieldText(dialog, IdToolsTitle), GetFieldText(dialog, IdToolsFile),
                  GetFieldText(dialog, IdToolsDirectory), GetFieldText(dialog, IdToolsParameters));
}

void UpdateMoveButtons(DialogHandle dialog) {
    EnableField(dialog, IdToolsUp, editPosition > 1);
    EnableField(dialog, IdToolsDown, editPosition < toolList.toolCount);
}

void Move(DialogHandle dialog, int step) {
    int target = editPosition + step;
    if (!ToolSelected() || target < 1 || target > toolList.toolCount) return;
    SwapTools(editPosition, target);
    editPosition = static_cast<std::uint16_t>(target);
    FillList(dialog);
    SelectListLine(dialog, IdToolsList, editPosition - 1);
    UpdateMoveButtons(dialog);
}

void Delete(DialogHandle dialog) {
    if (!ToolSelected()) return;
    std::string question = "Eliminar \"" + ToolAt(editPosition).title + "\"?";
    if (AskYesNo("Confirmar eliminar", question, kQuestionIcon) != kYes) return;
    DeleteTool(editPosition);
    FillList(dialog);
    NewToolState(dialog);
}

void Store(DialogHandle dialog) {
    if (!ToolSelected()) {
        // The menu has ids for 64 tools only: a 65th is refused before anything is read.
        if (toolList.toolCount >= MaxTools) {
            ShowMessage("Tools edition", "The list already holds 64 tools.\r\nDelete one to add another.");
            return;
        }
        AppendTool();
        editPosition = toolList.toolCount;
    }
    ReadFields(dialog);
    ToolAt(editPosition) = editBuffer;
    FillList(dialog);
    NewToolState(dialog);
}

void Browse(DialogHandle dialog) {
    if (!BrowseForFile(browsePath)) return;
    ReadFields(dialog);  // the texts typed so far survive
    std::size_t slash = browsePath.find_last_of('\\');
    std::string file = slash == std::string::npos ? browsePath : browsePath.substr(slash + 1);
    std::string directory = editBuffer.workDirectory;
    if (directory.empty() && slash != std::string::npos) {
        directory = browsePath.substr(0, slash);
        // "C:" names the current folder of drive C, not its root: the root keeps its backslash.
        if (directory.empty() || directory.back() == ':') directory += '\\';
    }
    SetToolFields(editBuffer, editBuffer.title, file, directory, editBuffer.parameters);
    ShowTool(dialog, editBuffer);
}

void MoveFocusOn(DialogHandle dialog) {
    switch (FocusedField(dialog)) {
        case IdToolsTitle: FocusField(dialog, IdToolsFile); break;
        case IdToolsFile: FocusField(dialog, IdToolsDirectory); break;
        case IdToolsDirectory: FocusField(dialog, IdToolsParameters); break;
        case IdToolsParameters: FocusField(dialog, IdToolsStore); break;
        case IdToolsStore: FocusField(dialog, IdToolsList); break;
        default: break;
    }
}

void SelectionChanged(DialogHandle dialog) {
    int line = SelectedListLine(dialog, IdToolsList);
    if (line < 0 || line >= toolList.toolCount) return;
    editPosition = static_cast<std::uint16_t>(line + 1);
    ShowTool(dialog, ToolAt(editPosition));
    EnableField(dialog, IdToolsDelete, true);
    UpdateMoveButtons(dialog);
}

}  // namespace

void InitToolsDialog(DialogHandle dialog) {
    for (int id : {IdToolsDelete, IdToolsUp, IdToolsDown}) EnableField(dialog, id, false);
    editPosition = static_cast<std::uint16_t>(toolList.toolCount + 1);
    Relabel(dialog);
    FillList(dialog);
}

void ToolsDialogCommand(DialogHandle dialog, int id, unsigned code) {
    switch (id) {
        case IdToolsEnter: MoveFocusOn(dialog); break;
        case IdToolsEsc: EndDialogWith(dialog, 0); break;
        case IdToolsNew: NewToolState(dialog); break;
        case IdToolsDelete: Delete(dialog); break;
        case IdToolsUp: Move(dialog, -1); break;
        case IdToolsDown: Move(dialog, +1); break;
        case IdToolsBrowse: Browse(dialog); break;
        case IdToolsStore: Store(dialog); break;
        case IdToolsOk:
            if (SaveToolList()) EndDialogWith(dialog, 1);
            break;
        case IdToolsList:
            if (code == kListSelectionChanged) SelectionChanged(dialog);
            break;
        default: break;
    }
}
