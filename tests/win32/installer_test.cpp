// The MSI package after a silent install (scripts/wine/test_msi.sh installs it first): the Start
// menu shortcut names the program folder as its start folder, and the program starts from there.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "tests/win32/driver.h"

namespace {

std::string Folder(int csidl) {
    char path[MAX_PATH] = "";
    return SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK ? path : "";
}

// The target and start folder of a shortcut; empty when it cannot be read.
std::pair<std::string, std::string> ReadShortcut(const std::string& path) {
    char target[MAX_PATH] = "", directory[MAX_PATH] = "";
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    CoInitialize(nullptr);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetWorkingDirectory(directory, MAX_PATH);
    }
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return {target, directory};
}

TEST(Installed, ShortcutStartsTheProgramInItsFolder) {
    const std::string folder = Folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Ovanta";
    const auto [target, directory] = ReadShortcut(Folder(CSIDL_PROGRAMS) + "\\Ovanta shot.lnk");
    EXPECT_EQ(target, folder + "\\Ovanta.exe");
    EXPECT_TRUE(directory == folder || directory == folder + "\\") << directory;

    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(StartProgram(target, process, directory.c_str()));
    HWND dialog = WaitDialog("Ovanta shot");
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(process), 0);
}

}  // namespace
