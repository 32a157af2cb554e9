#include "platform/system.h"

namespace {

bool IsSlash(char c) { return c == '\\' || c == '/'; }

}  // namespace

bool IsRootPath(std::string_view path) {
    if (path.size() == 3 && path[1] == ':' && IsSlash(path[2])) {
        const char drive = path[0];
        return (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
    }
    // \\server\share, then at most one slash.
    if (path.size() < 5 || !IsSlash(path[0]) || !IsSlash(path[1])) return false;
    if (IsSlash(path.back())) path.remove_suffix(1);
    const std::size_t split = path.find_first_of("\\/", 2);
    if (split == std::string_view::npos || split == 2 || split + 1 == path.size()) return false;
    return path.find_first_of("\\/", split + 1) == std::string_view::npos;
}

bool IsVisibleDirectory(std::string_view path, unsigned attributes) {
    if (!(attributes & kEntryDirectory)) return false;
    return IsRootPath(path) || !(attributes & (kEntryHidden | kEntrySystem));
}
