#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/deferred_dlls_win32.h"
#include "platform/system.h"
#include "platform/wide_win32.h"

namespace {

// A directory search for the exact name, as the program has always looked files up.
bool FindEntry(std::string_view path, DWORD& attributes) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WideOf(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    attributes = found.dwFileAttributes;
    return true;
}

// A text the system writes into a buffer it sizes: asked for its size first, then filled.
template <typename Fill>
std::wstring SystemText(Fill fill) {
    std::wstring text(MAX_PATH, L'\0');
    for (int tries = 0; tries < 3; ++tries) {
        const DWORD length = fill(text.data(), static_cast<DWORD>(text.size()));
        if (length == 0) return {};
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.assign(length + 1, L'\0');  // too small: the answer is the size it needs
    }
    return {};
}

// The folders a bare program name is looked up in: the current directory (the tool's work
// directory) first, then the system's folders, then PATH.
std::wstring SearchFolders() {
    std::wstring folders = L".";
    for (const std::wstring& folder :
         {SystemText([](wchar_t* b, DWORD n) { return static_cast<DWORD>(GetSystemDirectoryW(b, n)); }),
          SystemText([](wchar_t* b, DWORD n) { return static_cast<DWORD>(GetWindowsDirectoryW(b, n)); }),
          SystemText([](wchar_t* b, DWORD n) { return GetEnvironmentVariableW(L"PATH", b, n); })})
        if (!folder.empty()) folders.append(1, L';').append(folder);
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
    return Utf8Of(SystemText([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); }));
}

bool SetCurrentDirectoryTo(std::string_view path) { return SetCurrentDirectoryW(WideOf(path).c_str()) != 0; }

bool FileExists(std::string_view path) {
    DWORD attributes;
    return FindEntry(path, attributes) &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
}

bool DirectoryExists(std::string_view path) {
    std::string name(path);
    while (name.size() > 3 && (name.back() == '\\' || name.back() == '/')) name.pop_back();
    DWORD attributes = GetFileAttributesW(WideOf(name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    unsigned seen = 0;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) seen |= kEntryDirectory;
    if (attributes & FILE_ATTRIBUTE_HIDDEN) seen |= kEntryHidden;
    if (attributes & FILE_ATTRIBUTE_SYSTEM) seen |= kEntrySystem;
    return IsVisibleDirectory(name, seen);
}

std::string FindProgram(std::string_view name) {
    const std::wstring folders = SearchFolders(), wanted = WideOf(name);
    return Utf8Of(SystemText([&](wchar_t* buffer, DWORD size) {
        return SearchPathW(folders.c_str(), wanted.c_str(), L".exe", size, buffer, nullptr);
    }));
}

StartOutcome StartProgram(const std::string& path, const std::string& arguments) {
    const std::wstring program = WideOf(path);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine.append(1, L' ').append(WideOf(arguments));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    // The application name is given, so CreateProcess never guesses where the program's name
    // ends in a path with blanks.
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return Failure(GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

StartOutcome OpenWithShell(const std::string& file, const std::string& parameters) {
    const std::wstring name = WideOf(file), more = WideOf(parameters);
    auto result = reinterpret_cast<INT_PTR>(
        DeferredShellExecuteW(nullptr, L"open", name.c_str(), more.empty() ? nullptr : more.c_str(), L"", SW_SHOW));
    return result > 32 ? StartOutcome{} : Failure(static_cast<DWORD>(result));
}
