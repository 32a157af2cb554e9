// The file-system and process seam shared by the tools and the case report. The program links
// system_win32.cpp; the unit tests link a fake that keeps a current directory and a set of
// files and directories, and records what would have been started. The rules of what is seen
// are portable (system.cpp) and used by both.
#pragma once

#include <string>
#include <string_view>

std::string CurrentDirectory();
// True when the process's current directory is now `path`.
bool SetCurrentDirectoryTo(std::string_view path);
// A file (ordinary or hidden; not a directory or a system file) of exactly that path exists.
bool FileExists(std::string_view path);
// A directory of that name exists (hidden and system directories are not seen, except roots:
// see IsVisibleDirectory).
bool DirectoryExists(std::string_view path);
// The full path of the program a bare name (no folder in it) starts, looked up in the current
// directory, then the system's folders, then PATH, with ".exe" added to a name that has no
// extension. Empty when it is found nowhere.
std::string FindProgram(std::string_view name);

// What a lookup sees of a directory entry, in portable bits.
enum EntryAttribute : unsigned { kEntryDirectory = 1, kEntryHidden = 2, kEntrySystem = 4 };

// A drive's or a share's root: "C:\", "\\server\share" (either slash, a last slash or not).
bool IsRootPath(std::string_view path);
// Whether DirectoryExists sees an entry with these attributes: a directory that is neither hidden
// nor system, or any root directory, which NTFS marks hidden and system and the user always sees.
bool IsVisibleDirectory(std::string_view path, unsigned attributes);
