#include "platform/modal_dialog.h"

#include "platform/dialog_win32.h"

namespace {

INT_PTR CALLBACK ModalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            const auto* handlers = reinterpret_cast<const DialogHandlers*>(lParam);
            if (handlers->init) handlers->init(DialogOf(dialog), handlers->context);
            break;
        }
        case WM_COMMAND: {
            const auto* handlers = reinterpret_cast<const DialogHandlers*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (handlers && handlers->command)
                handlers->command(DialogOf(dialog), LOWORD(wParam), EventOf(HIWORD(wParam)), handlers->context);
            break;
        }
        default: break;
    }
    return FALSE;  // WM_INITDIALOG too: no control gets the focus from the system
}

}  // namespace

int RunModalDialog(DialogHandle owner, const char* templateName, const DialogHandlers& handlers) {
    return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), templateName, WindowOf(owner),
                                            ModalDialogProc, reinterpret_cast<LPARAM>(&handlers)));
}
