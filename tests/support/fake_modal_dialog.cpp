#include "tests/support/fake_modal_dialog.h"

namespace {
FakeModalDialogs fake;
}

FakeModalDialogs& ModalDialogs() { return fake; }
void ResetModalDialogs() { fake = FakeModalDialogs(); }

int RunModalDialog(DialogHandle owner, const char* templateName, const DialogHandlers& handlers) {
    fake.opened.emplace_back(templateName);
    fake.owners.push_back(owner);
    if (fake.whileOpen) fake.whileOpen(handlers);
    return fake.result;
}
