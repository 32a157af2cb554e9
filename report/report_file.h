// The report file, written through a few small operations: the program links the Win32 file
// functions (report_win32.cpp), the unit tests an in-memory fake that can fail any one of them.
#pragma once

#include <cstdint>
#include <string_view>

struct ReportFile {
    void* handle = nullptr;      // the open file; owned by these functions
    bool created = false;        // the file did not exist before it was opened
    std::uint64_t startSize = 0; // its size when it was opened
};

// Opens the file for writing after its last byte, creating it when there is none.
bool OpenReportFile(std::string_view path, ReportFile& file);
// True when every byte reached the file.
bool WriteReportFile(ReportFile& file, std::string_view bytes);
// Releases the handle in any case; false when the file may not hold everything written.
bool CloseReportFile(ReportFile& file);
// Cuts the (closed) file back to `size` bytes.
bool TruncateReportFile(std::string_view path, std::uint64_t size);
// Deletes the (closed) file.
bool RemoveReportFile(std::string_view path);
