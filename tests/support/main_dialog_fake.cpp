#include "tests/support/main_dialog_fake.h"

#include "app/main_dialog.h"
#include "resources/ids.h"
#include "tests/support/fake_about_window.h"
#include "tests/support/fake_canvas.h"
#include "tests/support/fake_clipboard.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_list_field.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_modal_dialog.h"
#include "tests/support/fake_picture.h"
#include "tests/support/fake_pickers.h"
#include "tests/support/fake_settings.h"
#include "tests/support/fake_system.h"
#include "tests/support/fake_timer.h"

void ResetAllFakes() {
    ResetFake();
    ResetSystem();
    ResetCanvas();
    ResetFiles();
    ResetLists();
    ResetMenu();
    ResetModalDialogs();
    ResetPickers();
    ResetClipboard();
    ResetPictureEncoder();
    ResetTimer();
    ResetSettings();
    AboutTitles().clear();
}

DialogHandle OpenMainDialogFake(AppState& state) {
    DialogHandle dialog = FakeDialogHandle(1);
    ResetAllFakes();
    state = AppState();
    FakeDialog& d = FakeOf(dialog);
    auto edit = [&d](int id, const char* text = "") { d.controls[id] = {text, false, true, true}; };
    auto plain = [&d](int id, const char* text = "") { d.controls[id] = {text, false, true, false}; };
    for (int i = 1; i <= 7; ++i) {
        edit(IDC_VALUE_BASE + i);
        plain(IDC_GIVEN_BASE + i);
    }
    edit(IDC_LAUNCH_HEIGHT, "0");
    for (int k = 1; k <= 5; ++k) edit(IDC_POINT_BASE + k);
    const char* labels[] = {"x ", "y", "Vy", "|V |", "t"};
    for (int k = 1; k <= 5; ++k) plain(IDC_POINT_GROUP + k, labels[k - 1]);
    plain(IDC_POINT_GROUP, "Point of the trajectory");
    plain(IDC_SECOND_X, "x2 ");
    plain(IDC_SECOND_VY, "Vy2");
    plain(IDC_SECOND_T, "t2");
    for (int id : {IDC_PLOT, IDC_EXIT, IDC_ACCEPT, IDC_POINT_ACCEPT, IDC_STATUS}) plain(id);
    d.onCommand = [dialog, &state](int id, ControlEvent event) { MainDialogCommand(dialog, id, event, state); };
    InitMainDialog(dialog, state);
    return dialog;
}
