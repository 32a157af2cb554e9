#include <windows.h>

#include <commdlg.h>

#include <string>

#include "report/report.h"
#include "report/report_file.h"
#include "ui/deferred_dlls_win32.h"

namespace {

HANDLE Handle(const ReportFile& file) { return static_cast<HANDLE>(file.handle); }

}  // namespace

bool ChooseReportFile(DialogHandle owner, std::string& path) {
    static const char filter[] = "All files (*.*)\0*.*\0";  // the literal adds the final zero
    char buffer[MAX_PATH] = "";
    path.copy(buffer, sizeof buffer - 1);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    // Owned by the main dialog, which stays disabled while the user chooses.
    dialog.hwndOwner = static_cast<HWND>(owner);
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = sizeof buffer;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    dialog.lpstrDefExt = nullptr;  // a name typed without an extension is kept as typed
    bool chosen = DeferredGetSaveFileNameA(&dialog) != 0;
    path = buffer;
    return chosen;
}

bool OpenReportFile(std::string_view path, ReportFile& file) {
    HANDLE handle = CreateFileA(std::string(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    LARGE_INTEGER size = {}, zero = {};
    if (!GetFileSizeEx(handle, &size) || !SetFilePointerEx(handle, zero, nullptr, FILE_END)) {
        CloseHandle(handle);
        if (!existed) DeleteFileA(std::string(path).c_str());
        return false;
    }
    file.handle = handle;
    file.created = !existed;
    file.startSize = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

bool WriteReportFile(ReportFile& file, std::string_view bytes) {
    DWORD written = 0;
    return WriteFile(Handle(file), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool CloseReportFile(ReportFile& file) {
    bool flushed = FlushFileBuffers(Handle(file)) != 0;
    bool closed = CloseHandle(Handle(file)) != 0;
    file.handle = nullptr;
    return flushed && closed;
}

bool TruncateReportFile(std::string_view path, std::uint64_t size) {
    HANDLE handle = CreateFileA(std::string(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    bool cut = SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
    return CloseHandle(handle) && cut;
}

bool RemoveReportFile(std::string_view path) { return DeleteFileA(std::string(path).c_str()) != 0; }
