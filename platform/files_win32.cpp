#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/wide_win32.h"

namespace {

HANDLE Handle(const WrittenFile& file) { return reinterpret_cast<HANDLE>(file.handle); }
// Every path goes to the wide-character functions, so that no letter is lost on the way.
std::wstring Path(std::string_view path) { return WideOf(path); }

}  // namespace

bool OpenFileForWriting(std::string_view path, WriteMode mode, WrittenFile& file) {
    const DWORD disposition = mode == WriteMode::Append ? OPEN_ALWAYS : CREATE_NEW;
    const DWORD share = mode == WriteMode::Append ? FILE_SHARE_READ : 0;
    HANDLE handle = CreateFileW(Path(path).c_str(), GENERIC_WRITE, share, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    const bool existed = mode == WriteMode::Append && GetLastError() == ERROR_ALREADY_EXISTS;
    LARGE_INTEGER size = {}, zero = {};
    if (!GetFileSizeEx(handle, &size) || !SetFilePointerEx(handle, zero, nullptr, FILE_END)) {
        CloseHandle(handle);
        if (!existed) DeleteFileW(Path(path).c_str());
        return false;
    }
    file.handle = reinterpret_cast<OpenFileTag*>(handle);
    file.created = !existed;
    file.startSize = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

bool WriteFileBytes(WrittenFile& file, std::string_view bytes) {
    DWORD written = 0;
    return WriteFile(Handle(file), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool CloseWrittenFile(WrittenFile& file) {
    // The data must be on the disk before the file is reported written or takes another's place.
    bool flushed = FlushFileBuffers(Handle(file)) != 0;
    bool closed = CloseHandle(Handle(file)) != 0;
    file.handle = nullptr;
    return flushed && closed;
}

bool TruncateFile(std::string_view path, std::uint64_t size) {
    HANDLE handle = CreateFileW(Path(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    bool cut = SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
    return CloseHandle(handle) && cut;
}

bool RemoveFile(std::string_view path) {
    SetFileAttributesW(Path(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(Path(path).c_str()) != 0;
}

bool ReplaceFileWith(std::string_view target, std::string_view source) {
    const std::wstring to = Path(target), from = Path(source);
    DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A read-only file is one the user chose to protect; a directory is not ours to replace.
        if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
        DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                   FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        if (!SetFileAttributesW(from.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL)) return false;
    }
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    SetFileAttributesW(from.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that it can be deleted
    return false;
}

bool ReadFileBytes(std::string_view path, std::string& bytes, std::size_t limit) {
    HANDLE handle = CreateFileW(Path(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while (bytes.size() < limit && (ok = ReadFile(handle, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0)
        bytes.append(buffer, std::min<std::size_t>(got, limit - bytes.size()));
    CloseHandle(handle);
    return ok;
}
