// The system seam: the current directory, what exists on disk, and starting programs and
// documents. The program links system_win32.cpp; the unit tests link
// tests/support/fake_system.cpp, which keeps a current directory and a set of files and
// directories, and records what would have been started.
#pragma once

#include <string>
#include <string_view>

std::string CurrentDirectory();
// True when the process's current directory is now `path`.
bool SetCurrentDirectoryTo(std::string_view path);
// A file (ordinary or hidden; not a directory or a system file) of exactly that path exists.
bool FileExists(std::string_view path);
// A directory of that name exists that the user can see (see IsVisibleDirectory).
bool DirectoryExists(std::string_view path);

// What a lookup sees of a directory entry, in portable bits.
enum EntryAttribute : unsigned { kEntryDirectory = 1, kEntryHidden = 2, kEntrySystem = 4 };

// A drive's or a share's root: "C:\", "\\server\share" (either slash, a last slash or not).
bool IsRootPath(std::string_view path);
// Whether DirectoryExists sees an entry with these attributes: a directory that is neither hidden
// nor system, or any root directory, which NTFS marks hidden and system and the user always sees.
bool IsVisibleDirectory(std::string_view path, unsigned attributes);

// Why a program or document did not start.
enum class StartError { None, FileNotFound, PathNotFound, AccessDenied, NotAProgram, NoAssociation, Other };

struct StartOutcome {
    StartError error = StartError::None;
    unsigned code = 0;  // the system's own number for the failure (shown for Other)
};

// The full path of the program a bare name (no folder in it) starts, looked up in the current
// directory, then the system's folders, then PATH, with ".exe" added to a name that has no
// extension. Empty when it is found nowhere.
std::string FindProgram(std::string_view name);
// Starts the program at `path` (no search) with the current directory as its own.
StartOutcome StartProgram(const std::string& path, const std::string& arguments);
// Opens a document through the shell's "open", with its parameters (may be empty).
StartOutcome OpenWithShell(const std::string& file, const std::string& parameters);
