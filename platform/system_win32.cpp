#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/deferred_dlls_win32.h"
#include "platform/system.h"

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

// The folders a bare program name is looked up in: the current directory (the tool's work
// directory) first, then the system's folders, then PATH.
std::string SearchFolders() {
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
    return folders;
}

StartOutcome Failure(DWORD code) {
    StartOutcome outcome;
    outcome.code = code;
    switch (code) {
        case ERROR_FILE_NOT_FOUND: outcome.error = StartError::FileNotFound; break;
        case ERROR_PATH_NOT_FOUND: outcome.error = StartError::PathNotFound; break;
        case ERROR_ACCESS_DENIED: outcome.error = StartError::AccessDenied; break;
        case ERROR_BAD_FORMAT:
        case ERROR_BAD_EXE_FORMAT: outcome.error = StartError::NotAProgram; break;
        case SE_ERR_NOASSOC: outcome.error = StartError::NoAssociation; break;
        default: outcome.error = StartError::Other; break;
    }
    return outcome;
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
    char found[MAX_PATH];
    DWORD length = SearchPathA(SearchFolders().c_str(), std::string(name).c_str(), ".exe", MAX_PATH, found, nullptr);
    return length && length < MAX_PATH ? std::string(found, length) : std::string();
}

StartOutcome StartProgram(const std::string& path, const std::string& arguments) {
    std::string commandLine(1, '"');
    commandLine.append(path).append(1, '"');
    if (!arguments.empty()) commandLine.append(1, ' ').append(arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    // The application name is given, so CreateProcess never guesses where the program's name
    // ends in a path with blanks.
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return Failure(GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

StartOutcome OpenWithShell(const std::string& file, const std::string& parameters) {
    auto result = reinterpret_cast<INT_PTR>(DeferredShellExecuteA(
        nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), "", SW_SHOW));
    return result > 32 ? StartOutcome{} : Failure(static_cast<DWORD>(result));
}
