// The 64-bit package unzipped into a clean folder: the program starts from there, and Info opens
// the guide that came with it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "resources/ids.h"
#include "tests/win32/driver.h"

namespace {

void SetDefault(const char* key, const std::string& value) {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr), ERROR_SUCCESS);
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

TEST(Package, RunsFromAFreshFolderAndOpensItsGuide) {
    const std::string folder = ProgramPath("OVANTA_PACKAGE_DIR");
    ASSERT_FALSE(folder.empty());
    // A stand-in PDF reader: the probe leaves its command line in ran-ovanta_probe.txt in its
    // current directory, which is the program's.
    SetDefault(".pdf", "OvantaTestPdf");
    SetDefault("OvantaTestPdf\\shell\\open\\command",
               "\"" + ProgramPath("OVANTA_PROBE") + "\" \"%1\"");
    const std::string marker = folder + "\\ran-ovanta_probe.txt";
    DeleteFileA(marker.c_str());

    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(StartProgram(folder + "\\Ovanta.exe", process, folder.c_str()));
    HWND dialog = WaitDialog("Ovanta shot");
    ASSERT_NE(dialog, nullptr);
    Command(dialog, IDM_INFO);
    EXPECT_TRUE(WaitFor([&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000));
    std::ifstream in(marker);
    std::stringstream opened;
    opened << in.rdbuf();
    EXPECT_NE(opened.str().find("Ovanta.pdf"), std::string::npos) << opened.str();
    EXPECT_EQ(WaitMessageBox(dialog, 500).window, nullptr);  // no "Cannot start"
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(process), 0);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "OvantaTestPdf");
}

}  // namespace
