// The file operations behind saving Tools.rel. The program links tool_file_win32.cpp; the unit
// tests link a plain stdio version that can make any one operation fail, as a full or vanished
// disk would.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Creates a new, empty file for writing bytes; null when the name is taken or creation fails.
std::FILE* CreateNewFile(const std::string& path);
// Writes all the bytes; false on any error.
bool WriteFileBytes(std::FILE* file, std::string_view bytes);
// Flushes the data to the disk and closes the file (closed in every case); false when any of
// it failed.
bool CloseWrittenFile(std::FILE* file);
// Puts `source` in the place of `target` in one step, `target` keeping its attributes (hidden
// included); creates `target` when it does not exist. False, both files untouched, when the
// target is read-only, in use or cannot be replaced.
bool ReplaceFileWith(const std::string& target, const std::string& source);
// Deletes a file; false when it could not.
bool RemoveFileNamed(const std::string& path);
