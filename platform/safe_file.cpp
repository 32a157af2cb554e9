#include "platform/safe_file.h"

#include "platform/files.h"

namespace {

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

// A new file beside `path`; a name left by an earlier crash is skipped, never overwritten.
bool CreateTemporary(std::string_view path, std::string_view stem, std::string& temp, WrittenFile& file) {
    for (char n = '1'; n <= '9'; ++n) {
        temp = FolderOf(path) + std::string(stem) + ".~" + n;
        if (temp != path && OpenFileForWriting(temp, WriteMode::CreateNew, file)) return true;
    }
    return false;
}

}  // namespace

SaveOutcome SaveWholeFile(std::string_view path, const std::vector<std::string>& pieces, std::string_view stem) {
    std::string temp;
    WrittenFile file;
    if (!CreateTemporary(path, stem, temp, file)) return SaveOutcome::NoTemporary;
    bool written = true;
    for (const std::string& piece : pieces) {
        written = WriteFileBytes(file, piece);
        if (!written) break;
    }
    // The close flushes: only then are the bytes known to be on the disk.
    const bool closed = CloseWrittenFile(file);
    if (!written || !closed) {
        RemoveFile(temp);
        return SaveOutcome::NotWritten;
    }
    if (ReplaceFileWith(path, temp)) return SaveOutcome::Saved;
    RemoveFile(temp);
    return SaveOutcome::NotReplaced;
}
