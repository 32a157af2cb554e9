#include "tools/tools_dialog.h"

#include "platform/list_field.h"
#include "platform/modal_dialog.h"
#include "platform/pickers.h"
#include "platform/system.h"
#include "text/code_page.h"
#include "text/messages.h"
#include "text/message_box.h"

namespace {

// The caption and the labels in the dialog's language; the buttons keep the template's texts.
void Relabel(DialogHandle dialog, int language) {
    const struct {
        int id;
        Word word;
    } labels[] = {{IdToolsLabel, Word::ToolsLabel},
                  {IdToolsGroup, Word::ToolGroup},
                  {IdToolsTitleLabel, Word::ToolTitleLabel},
                  {IdToolsFileLabel, Word::ToolFileLabel},
                  {IdToolsDirectoryLabel, Word::ToolDirectoryLabel},
                  {IdToolsParametersLabel, Word::ToolParametersLabel}};
    SetWindowCaption(dialog, Say(Word::ToolsEditionCaption, language));
    for (const auto& label : labels) SetFieldText(dialog, label.id, Say(label.word, language));
}

void FillList(DialogHandle dialog, const ToolList& list) {
    ClearListField(dialog, IdToolsList);
    for (int p = 1; p <= list.toolCount; ++p) AddListLine(dialog, IdToolsList, ToolAt(list, p).title);
}

void ShowTool(DialogHandle dialog, const ToolEntry& entry) {
    SetFieldText(dialog, IdToolsTitle, entry.title);
    SetFieldText(dialog, IdToolsFile, entry.file);
    SetFieldText(dialog, IdToolsDirectory, entry.workDirectory);
    SetFieldText(dialog, IdToolsParameters, entry.parameters);
}

void NewToolState(DialogHandle dialog, ToolsDialog& state) {
    for (int id : {IdToolsTitle, IdToolsFile, IdToolsDirectory, IdToolsParameters}) SetFieldText(dialog, id, "");
    for (int id : {IdToolsDelete, IdToolsUp, IdToolsDown}) EnableField(dialog, id, false);
    state.editPosition = static_cast<std::uint16_t>(state.list->toolCount + 1);
}

bool ToolSelected(const ToolsDialog& state) {
    return state.editPosition >= 1 && state.editPosition <= state.list->toolCount;
}

void ReadFields(DialogHandle dialog, ToolsDialog& state) {
    SetToolFields(state.editBuffer, GetFieldText(dialog, IdToolsTitle), GetFieldText(dialog, IdToolsFile),
                  GetFieldText(dialog, IdToolsDirectory), GetFieldText(dialog, IdToolsParameters));
}

void UpdateMoveButtons(DialogHandle dialog, const ToolsDialog& state) {
    EnableField(dialog, IdToolsUp, state.editPosition > 1);
    EnableField(dialog, IdToolsDown, state.editPosition < state.list->toolCount);
}

void Move(DialogHandle dialog, ToolsDialog& state, int step) {
    ToolList& list = *state.list;
    int target = state.editPosition + step;
    if (!ToolSelected(state) || target < 1 || target > list.toolCount) return;
    SwapTools(list, state.editPosition, target);
    state.editPosition = static_cast<std::uint16_t>(target);
    FillList(dialog, list);
    SelectListLine(dialog, IdToolsList, state.editPosition - 1);
    UpdateMoveButtons(dialog, state);
}

void Delete(DialogHandle dialog, ToolsDialog& state) {
    if (!ToolSelected(state)) return;
    const std::string question =
        Say(Word::DeleteToolQuestion, state.language) + ('"' + ToolAt(*state.list, state.editPosition).title + "\"?");
    if (AskYesNo(Say(Word::DeleteToolCaption, state.language), question, MessageIcon::Question) != Answer::Yes) return;
    DeleteTool(*state.list, state.editPosition);
    FillList(dialog, *state.list);
    NewToolState(dialog, state);
}

void Store(DialogHandle dialog, ToolsDialog& state) {
    ToolList& list = *state.list;
    if (!ToolSelected(state)) {
        // The menu has ids for 64 tools only: a 65th is refused before anything is read.
        if (list.toolCount >= MaxTools) {
            ShowMessage(MessageOf(Word::ToolsEditionCaption, Word::ToolsListFull, state.language));
            return;
        }
        AppendTool(list);
        state.editPosition = list.toolCount;
    }
    ReadFields(dialog, state);
    ToolAt(list, state.editPosition) = state.editBuffer;
    FillList(dialog, list);
    NewToolState(dialog, state);
}

void Browse(DialogHandle dialog, ToolsDialog& state) {
    std::string& browsePath = *state.browsePath;
    const FileDialogWords words = {Say(Word::BrowseToolTitle, state.language), {Say(Word::AllFiles, state.language)}, {}};
    const bool chosen = ChooseOpenFile(dialog, browsePath, words);
    // The open dialog may leave the current directory wherever the user browsed: the tools
    // without a work directory start in the program's folder, as before.
    if (!state.folder.empty()) SetCurrentDirectoryTo(state.folder);
    if (!chosen) return;
    std::string path;  // as the fields show it and Tools.rel keeps it
    if (!Utf8ToCp1252(browsePath, path)) {
        ShowFileMessage(Say(Word::ToolsEditionCaption, state.language), Say(Word::ToolFileNameNotKept, state.language), browsePath,
                        MessageIcon::Exclamation);
        return;
    }
    ToolEntry& editBuffer = state.editBuffer;
    ReadFields(dialog, state);  // the texts typed so far survive
    std::size_t slash = path.find_last_of('\\');
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string directory = editBuffer.workDirectory;
    if (directory.empty() && slash != std::string::npos) {
        directory = path.substr(0, slash);
        // "C:" names the current folder of drive C, not its root: the root keeps its backslash.
        if (directory.empty() || directory.back() == ':') directory += '\\';
    }
    SetToolFields(editBuffer, editBuffer.title, file, directory, editBuffer.parameters);
    ShowTool(dialog, editBuffer);
}

// Ok: the list goes to Tools.rel in the program's folder, whatever the current directory is. A
// failed save keeps the dialog open, with the list as edited, and says what failed and where.
void SaveAndEnd(DialogHandle dialog, const ToolsDialog& state) {
    const std::string path = ToolListPath(state.folder);
    SaveOutcome outcome = SaveOutcome::Saved;
    if (SaveToolList(*state.list, path, &outcome)) {
        EndDialogWith(dialog, 1);
        return;
    }
    ShowFileMessage(Say(Word::ToolsEditionCaption, state.language), SaveFailureReason(outcome, state.language), path,
                    MessageIcon::Exclamation);
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

void SelectionChanged(DialogHandle dialog, ToolsDialog& state) {
    int line = SelectedListLine(dialog, IdToolsList);
    if (line < 0 || line >= state.list->toolCount) return;
    state.editPosition = static_cast<std::uint16_t>(line + 1);
    ShowTool(dialog, ToolAt(*state.list, state.editPosition));
    EnableField(dialog, IdToolsDelete, true);
    UpdateMoveButtons(dialog, state);
}

}  // namespace

int OpenToolsEditionDialog(DialogHandle owner, ToolList& list, std::string& browsePath, int language,
                           const std::string& folder) {
    ToolsDialog state;
    state.list = &list;
    state.folder = folder;
    state.browsePath = &browsePath;
    state.language = language;
    DialogHandlers handlers;
    handlers.init = [](DialogHandle dialog, void* context) {
        InitToolsDialog(dialog, *static_cast<ToolsDialog*>(context));
    };
    handlers.command = [](DialogHandle dialog, int id, ControlEvent event, void* context) {
        ToolsDialogCommand(dialog, id, event, *static_cast<ToolsDialog*>(context));
    };
    handlers.context = &state;
    return RunModalDialog(owner, "DlgTools", handlers);
}

void InitToolsDialog(DialogHandle dialog, ToolsDialog& state) {
    // What the user sees in an edit is what is read: no more characters than that.
    for (int id : {IdToolsTitle, IdToolsFile, IdToolsDirectory, IdToolsParameters})
        LimitFieldText(dialog, id, kMaxFieldText);
    for (int id : {IdToolsDelete, IdToolsUp, IdToolsDown}) EnableField(dialog, id, false);
    state.editPosition = static_cast<std::uint16_t>(state.list->toolCount + 1);
    Relabel(dialog, state.language);
    FillList(dialog, *state.list);
}

void ToolsDialogCommand(DialogHandle dialog, int id, ControlEvent event, ToolsDialog& state) {
    switch (id) {
        case IdToolsEnter: MoveFocusOn(dialog); break;
        case IdToolsEsc: EndDialogWith(dialog, 0); break;
        case IdToolsNew: NewToolState(dialog, state); break;
        case IdToolsDelete: Delete(dialog, state); break;
        case IdToolsUp: Move(dialog, state, -1); break;
        case IdToolsDown: Move(dialog, state, +1); break;
        case IdToolsBrowse: Browse(dialog, state); break;
        case IdToolsStore: Store(dialog, state); break;
        case IdToolsOk: SaveAndEnd(dialog, state); break;
        case IdToolsList:
            if (event == ControlEvent::ListSelectionChanged) SelectionChanged(dialog, state);
            break;
        default: break;
    }
}
