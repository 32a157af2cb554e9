// The MSI package after a silent install (scripts/wine/test_msi.sh installs it first): the Start
// menu shortcut names the program folder as its start folder, and the program starts from there;
// the installed programs carry the version and maker that Apps & features shows.
#include <gtest/gtest.h>

#include <windows.h>
#include <msi.h>
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

// A value of a program's version resource (its only language block); empty when it has none.
std::string VersionValue(const std::string& program, const std::string& name) {
    std::string block(GetFileVersionInfoSizeA(program.c_str(), nullptr), '\0');
    char* value = nullptr;
    UINT size = 0;
    if (block.empty() || !GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
        !VerQueryValueA(block.data(), ("\\StringFileInfo\\040904E4\\" + name).c_str(),
                        reinterpret_cast<void**>(&value), &size) || size == 0)
        return "";
    return value;
}

// What Apps & features shows of the one installed product of the package's upgrade code.
std::string ProductInfo(const char* property) {
    char product[39] = "";
    if (MsiEnumRelatedProductsA("{4471EA78-2967-44BD-BBB3-E382A5B88914}", 0, 0, product) != ERROR_SUCCESS)
        return "";
    char value[256] = "";
    DWORD size = sizeof value;
    return MsiGetProductInfoA(product, property, value, &size) == ERROR_SUCCESS ? value : "";
}

TEST(Installed, ProgramsCarryThePackagesVersionAndMaker) {
    const std::string folder = Folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Ovanta\\";
    const std::string maker = ProductInfo(INSTALLPROPERTY_PUBLISHER);
    const std::string version = ProductInfo(INSTALLPROPERTY_VERSIONSTRING);
    ASSERT_FALSE(maker.empty());
    ASSERT_FALSE(version.empty());
    for (const char* program : {"Ovanta.exe", "ovanta-solve.exe"}) {
        SCOPED_TRACE(program);
        EXPECT_EQ(VersionValue(folder + program, "CompanyName"), maker);
        EXPECT_EQ(VersionValue(folder + program, "FileVersion"), version);
        EXPECT_EQ(VersionValue(folder + program, "OriginalFilename"), program);
    }
}

}  // namespace
