// ovanta_drive: solves a case in the running Ovanta.exe and saves a picture of the dialog.
// Usage: ovanta_drive VO ANGLE [Y0] OUT.bmp
#include <cstdio>
#include <string>

#include "resources/ids.h"
#include "tests/win32/driver.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: ovanta_drive VO ANGLE [Y0] OUT.bmp\n");
        return 2;
    }
    HWND dialog = WaitDialog("Ovanta shot", 20000);
    if (!dialog) {
        std::fprintf(stderr, "ovanta_drive: no Ovanta shot dialog\n");
        return 1;
    }
    if (argc > 4) SetText(dialog, IDC_LAUNCH_HEIGHT, argv[3]);
    TypeInto(dialog, IDC_VALUE_BASE + 1, argv[1]);
    TypeInto(dialog, IDC_VALUE_BASE + 2, argv[2]);
    Click(dialog, IDC_ACCEPT);
    WaitFor([&] { return FieldText(dialog, IDC_VALUE_BASE + 7) != ""; }, 5000);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    return SaveWindowBitmap(dialog, argv[argc - 1]) ? 0 : 1;
}
