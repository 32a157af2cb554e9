#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "tools/tool_file.h"

std::FILE* CreateNewFile(const std::string& path) {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        DeleteFileA(path.c_str());
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "wb");
    if (!file) {
        _close(descriptor);
        DeleteFileA(path.c_str());
    }
    return file;
}

bool WriteFileBytes(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && !std::ferror(file);
}

bool CloseWrittenFile(std::FILE* file) {
    // The data must be on the disk before the new file takes the old one's place.
    bool flushed = std::fflush(file) == 0;
    flushed = flushed && FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))));
    bool closed = std::fclose(file) == 0;
    return flushed && closed;
}

bool ReplaceFileWith(const std::string& target, const std::string& source) {
    DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A read-only list is one the user chose to protect; a directory is not ours to replace.
        if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
        DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                   FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        if (!SetFileAttributesA(source.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL)) return false;
    }
    if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that it can be deleted
    return false;
}

bool RemoveFileNamed(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileA(path.c_str()) != 0;
}
