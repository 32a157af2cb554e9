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
    FakeControl* control = Find(dialog, id);
    const bool limited = control && control->limit >= 0;
    SetFieldText(dialog, id, limited ? text.substr(0, static_cast<std::size_t>(control->limit)) : text);
}

void UserClicks(DialogHandle dialog, int id) {
    FakeDialog& d = FakeOf(dialog);
    if (FakeControl* control = Find(dialog, id)) {
        if (!control->isEdit) {
            if (!control->enabled) return;
            control->checked = !control->checked;
        }
        if (control->enabled) d.focus = id;  // the mouse gives the clicked control the focus
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
    return control ? control->text.substr(0, kMaxFieldText) : std::string();
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
    FakeControl* control = Find(dialog, id);
    if (!control) return;
    control->enabled = enable;
    // A control that is disabled loses the focus, and nothing else gets it.
    if (!enable && FakeOf(dialog).focus == id) FakeOf(dialog).focus = -1;
}

void FocusField(DialogHandle dialog, int id) {
    if (Find(dialog, id)) FakeOf(dialog).focus = id;
}

int FocusedField(DialogHandle dialog) { return FakeOf(dialog).focus; }

void LimitFieldText(DialogHandle dialog, int id, int characters) {
    if (FakeControl* control = Find(dialog, id)) control->limit = characters;
}

void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) {
    fake.messages.push_back({std::string(caption), std::string(text), icon, false});
}

void ShowFileMessage(std::string_view caption, std::string_view text, std::string_view path, MessageIcon icon) {
    fake.messages.push_back({std::string(caption), std::string(text) + "\r\n" + std::string(path), icon, false});
}

Answer AskYesNo(std::string_view caption, std::string_view text, MessageIcon icon) {
    fake.messages.push_back({std::string(caption), std::string(text), icon, true});
    return NextAnswer();
}

void EndDialogWith(DialogHandle dialog, int result) { FakeOf(dialog).endResult = result; }
