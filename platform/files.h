// The file-writing seam: every file the program writes goes through these few operations, each
// of which says whether it worked, so that a failed save can put back what the user had. The
// program links files_win32.cpp; the unit tests link tests/support/fake_files.cpp, which writes
// real files and can make any one operation fail, as a full or vanished disk would.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct OpenFileTag;  // an open file of the platform, opaque to portable code

struct WrittenFile {
    OpenFileTag* handle = nullptr;  // open from OpenFileForWriting to CloseWrittenFile
    bool created = false;           // the file did not exist before it was opened
    std::uint64_t startSize = 0;    // its size when it was opened
};

enum class WriteMode {
    Append,     // after the last byte of the file, creating it when missing
    CreateNew,  // a new file; fails when the name is taken
};

bool OpenFileForWriting(std::string_view path, WriteMode mode, WrittenFile& file);
// True when every byte reached the file.
bool WriteFileBytes(WrittenFile& file, std::string_view bytes);
// Flushes the data to the disk and closes the file (closed in every case); false when the file
// may not hold everything written.
bool CloseWrittenFile(WrittenFile& file);

// Cuts the (closed) file back to `size` bytes.
bool TruncateFile(std::string_view path, std::uint64_t size);
// Deletes a file, read-only or not; false when it could not.
bool RemoveFile(std::string_view path);
// Puts `source` in the place of `target` in one step, `target` keeping its attributes (hidden
// included); creates `target` when it does not exist. False, both files untouched, when the
// target is read-only, a directory, in use or cannot be replaced.
bool ReplaceFileWith(std::string_view target, std::string_view source);

// The whole file, up to `limit` bytes; false when it cannot be opened or read.
bool ReadFileBytes(std::string_view path, std::string& bytes, std::size_t limit);
