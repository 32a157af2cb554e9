#include "tests/support/fake_dialog.h"

#include <cstdint>

namespace {

FakeUi fake;

FakeControl* Find(DialogHandle dialog, int id) {
    auto& controls = FakeOf(dialog).controls;
    auto it = controls.find(id);
    return it == controls.end() ? nullptr : &it->second;
}

Answer NextAnswer() {
    if (fake.answers.empty()) return Answer::No;
    Answer answer = fake.answers.front();
    fake.answers.pop_front();
    return answer;
}

}  // namespace

FakeUi& Fake() { return fake; }
void ResetFake() { fake = FakeUi(); }
FakeDialog& FakeOf(DialogHandle dialog) { return fake.dialogs[dialog]; }

DialogHandle FakeDialogHandle(int number) {
    return reinterpret_cast<DialogHandle>(static_cast<std::uintptr_t>(0x10000 + 16 * number));
}

void UserTypes(DialogHandle dialog, int id, const std::string& text) {
    FakeOf(dialog).focus = id;
    SetFieldText(dialog, id, text);
}

void UserClicks(DialogHandle dialog, int id) {
    FakeDialog& d = FakeOf(dialog);
    if (FakeControl* control = Find(dialog, id); control && !control->isEdit) {
        if (!control->enabled) return;
        control->checked = !control->checked;
    }
    if (d.onCommand) d.onCommand(id, ControlEvent::Command);
}

void SetFieldText(DialogHandle dialog, int id, std::string_view text) {
    FakeControl* control = Find(dialog, id);
    if (!control) return;
    control->text = std::string(text.substr(0, kMaxShortText));
    FakeDialog& d = FakeOf(dialog);
    if (control->isEdit && d.onCommand) d.onCommand(id, ControlEvent::EditChanged);
}

std::string GetFieldText(DialogHandle dialog, int id) {
    FakeControl* control = Find(dialog, id);
    return control ? control->text.substr(0, kMaxShortText - 1) : std::string();
}

void SetWindowCaption(DialogHandle window, std::string_view text) {
    FakeOf(window).caption = std::string(text.substr(0, kMaxShortText));
}

bool IsFieldChecked(DialogHandle dialog, int id) {
    FakeControl* control = Find(dialog, id);
    return control && control->checked;
}

void SetFieldChecked(DialogHandle dialog, int id, bool checked) {
    if (FakeControl* control = Find(dialog, id)) control->checked = checked;
}

void EnableField(DialogHandle dialog, int id, bool enable) {
    if (FakeControl* control = Find(dialog, id)) control->enabled = enable;
}

void FocusField(DialogHandle dialog, int id) {
    if (Find(dialog, id)) FakeOf(dialog).focus = id;
}

int FocusedField(DialogHandle dialog) { return FakeOf(dialog).focus; }

void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) {
    fake.messages.push_back({std::string(caption), std::string(text), icon, false});
}

Answer AskYesNo(std::string_view caption, std::string_view text, MessageIcon icon) {
    fake.messages.push_back({std::string(caption), std::string(text), icon, true});
    return NextAnswer();
}

void EndDialogWith(DialogHandle dialog, int result) { FakeOf(dialog).endResult = result; }
