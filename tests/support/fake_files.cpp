#include "tests/support/fake_files.h"

#include "platform/files.h"

namespace {

FakeFiles fake;

// Counts one operation; true when it is the one that must fail.
bool Fails() { return fake.operations++ == fake.failAt; }

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The bytes of an open file: the handle is the address of the map's entry.
std::string& Bytes(const WrittenFile& file) { return *reinterpret_cast<std::string*>(file.handle); }

}  // namespace

FakeFiles& Files() { return fake; }
void ResetFiles() { fake = FakeFiles(); }

bool OpenFileForWriting(std::string_view path, WriteMode mode, WrittenFile& file) {
    const std::string name(path);
    fake.log.push_back((mode == WriteMode::Append ? "append " : "create ") + name);
    if (Fails() || fake.readOnly.count(name)) return false;
    if (!fake.directories.empty() && !fake.directories.count(DirectoryOf(name))) return false;
    const bool existed = fake.files.count(name) > 0;
    if (existed && mode == WriteMode::CreateNew) return false;
    std::string& bytes = fake.files[name];
    file.handle = reinterpret_cast<OpenFileTag*>(&bytes);
    file.created = !existed;
    file.startSize = bytes.size();
    ++fake.openFiles;
    return true;
}

bool WriteFileBytes(WrittenFile& file, std::string_view bytes) {
    fake.log.push_back("write " + std::to_string(bytes.size()));
    if (Fails() || fake.writes++ == fake.failingWrite) {  // the disk filled up half-way
        Bytes(file) += bytes.substr(0, bytes.size() / 2);
        return false;
    }
    Bytes(file) += bytes;
    return true;
}

bool CloseWrittenFile(WrittenFile& file) {
    fake.log.push_back("close");
    file.handle = nullptr;
    --fake.openFiles;
    return !Fails();
}

bool TruncateFile(std::string_view path, std::uint64_t size) {
    auto entry = fake.files.find(std::string(path));
    if (fake.failTruncate || fake.openFiles || entry == fake.files.end()) return false;
    entry->second.resize(size);
    return true;
}

bool RemoveFile(std::string_view path) {
    fake.log.push_back("remove " + std::string(path));
    if (fake.failRemove || fake.openFiles) return false;
    return fake.files.erase(std::string(path)) == 1;
}

bool ReplaceFileWith(std::string_view target, std::string_view source) {
    fake.log.push_back("replace " + std::string(target));
    if (Fails() || fake.readOnly.count(std::string(target))) return false;
    auto from = fake.files.find(std::string(source));
    if (from == fake.files.end()) return false;
    fake.files[std::string(target)] = from->second;
    fake.files.erase(std::string(source));
    return true;
}

bool ReadFileBytes(std::string_view path, std::string& bytes, std::size_t limit) {
    auto entry = fake.files.find(std::string(path));
    if (entry == fake.files.end()) return false;
    bytes = entry->second.substr(0, limit);
    return true;
}
