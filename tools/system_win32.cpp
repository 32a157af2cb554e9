#include <windows.h>

#include <string>

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
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}
