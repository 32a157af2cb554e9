#include <windows.h>

#include <string>
#include <vector>

#include "tools/system.h"

namespace {

// A directory search for the exact name, as the program has always looked files up.
bool FindEntry(std::string_view path, DWORD& attributes) {
    WIN32_FIND_DATAA found;
    std::string name(path);
    HANDLE search = FindFirstFileA(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    attributes = found.dwFileAttributes;
    return true;
}

}  // namespace

std::string CurrentDirectory() {
    char buffer[MAX_PATH] = "";
    DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return length < sizeof buffer ? std::string(buffer, length) : std::string();
}

bool SetCurrentDirectoryTo(std::string_view path) {
    return SetCurrentDirectoryA(std::string(path).c_str()) != 0;
}

bool FileExists(std::string_view path) {
    DWORD attributes;
    return FindEntry(path, attributes) &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
}

bool DirectoryExists(std::string_view path) {
    std::string name(path);
    while (name.size() > 3 && (name.back() == '\\' || name.back() == '/')) name.pop_back();
    DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    unsigned seen = 0;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) seen |= kEntryDirectory;
    if (attributes & FILE_ATTRIBUTE_HIDDEN) seen |= kEntryHidden;
    if (attributes & FILE_ATTRIBUTE_SYSTEM) seen |= kEntrySystem;
    return IsVisibleDirectory(name, seen);
}

std::string FindProgram(std::string_view name) {
    // The current directory (a tool's work directory) first, then the system's folders, then PATH.
    char folder[MAX_PATH];
    std::string folders = ".";
    if (UINT n = GetSystemDirectoryA(folder, MAX_PATH); n && n < MAX_PATH) folders.append(1, ';').append(folder, n);
    if (UINT n = GetWindowsDirectoryA(folder, MAX_PATH); n && n < MAX_PATH) folders.append(1, ';').append(folder, n);
    DWORD size = GetEnvironmentVariableA("PATH", nullptr, 0);
    if (size > 1) {
        std::vector<char> path(size);
        DWORD length = GetEnvironmentVariableA("PATH", path.data(), size);
        if (length && length < size) folders.append(1, ';').append(path.data(), length);
    }
    char found[MAX_PATH];
    DWORD length = SearchPathA(folders.c_str(), std::string(name).c_str(), ".exe", MAX_PATH, found, nullptr);
    return length && length < MAX_PATH ? std::string(found, length) : std::string();
}
