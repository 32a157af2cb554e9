// The file-system and process seam shared by the tools and the case report. The program links
// system_win32.cpp; the unit tests link a fake that keeps a current directory and a set of
// files and directories, and records what would have been started.
#pragma once

#include <string>
#include <string_view>

std::string CurrentDirectory();
// True when the process's current directory is now `path`.
bool SetCurrentDirectoryTo(std::string_view path);
// A file (ordinary or hidden; not a directory or a system file) of exactly that path exists.
bool FileExists(std::string_view path);
// A directory of that name exists (hidden and system directories are not seen).
bool DirectoryExists(std::string_view path);
