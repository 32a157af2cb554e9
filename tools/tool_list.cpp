#include "tools/tool_list.h"

#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/safe_file.h"
#include "platform/system.h"
#include "text/message_box.h"

namespace {

constexpr char kCtrlZ = 0x1A;
// A list file is a few kilobytes; a larger one is read this far, enough for 64 tools of
// any line length a person would type.
constexpr std::size_t kMaxListBytes = std::size_t(64) << 20;

// Reads the bytes of a list file line by line.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    // The end is looked for only where a tool begins: there a Ctrl-Z ends the file too (old
    // editors put one at the end of text files).
    bool AtListEnd() const { return at_ == bytes_.size() || bytes_[at_] == kCtrlZ; }

    // One line into `field`: it ends at CR LF, LF, a lone CR or the end of the file. Characters
    // past the field's size are read and dropped, so the next line starts where it should.
    void ReadLine(std::string& field) {
        const std::size_t end = std::min(bytes_.find_first_of("\r\n", at_), bytes_.size());
        field.assign(bytes_.substr(at_, std::min(end - at_, kToolFieldMax)));
        at_ = end;
        if (at_ == bytes_.size()) return;
        if (bytes_[at_++] == '\r' && at_ < bytes_.size() && bytes_[at_] == '\n') ++at_;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

}  // namespace

void ParseToolList(std::string_view bytes, ToolList& list, bool& truncated) {
    ClearToolList(list);
    truncated = false;
    LineReader reader(bytes);
    while (!reader.AtListEnd()) {
        if (list.toolCount == MaxTools) {
            truncated = true;
            break;
        }
        AppendTool(list);
        ToolEntry& entry = ToolAt(list, list.toolCount);
        reader.ReadLine(entry.title);
        reader.ReadLine(entry.file);
        reader.ReadLine(entry.workDirectory);
        reader.ReadLine(entry.parameters);
    }
}

bool LoadToolList(ToolList& list, int language, const std::string& path) {
    std::string bytes;
    // Present but unreadable counts as missing.
    if (!FileExists(path) || !ReadFileBytes(path, bytes, kMaxListBytes)) return false;
    bool truncated = false;
    ParseToolList(bytes, list, truncated);
    if (truncated)
        ShowMessage(MessageOf(Word::ToolsListCaption, Word::ToolsListTooLong, language));
    return true;
}

std::string ToolBytes(const ToolEntry& entry) {
    std::string bytes;
    for (const std::string* field : {&entry.title, &entry.file, &entry.workDirectory, &entry.parameters}) {
        bytes += *field;
        bytes += "\r\n";
    }
    return bytes;
}

std::string ToolListPath(std::string_view folder) {
    if (folder.empty()) return kToolListFile;
    const char last = folder.back();
    return std::string(folder) + (last == '\\' || last == '/' ? "" : "\\") + kToolListFile;
}

bool SaveToolList(const ToolList& list, const std::string& path, SaveOutcome* outcome) {
    std::vector<std::string> pieces;
    for (int p = 1; p <= list.toolCount; ++p) pieces.push_back(ToolBytes(ToolAt(list, p)));
    const SaveOutcome result = SaveWholeFile(path, pieces, "Tools");
    if (outcome) *outcome = result;
    return result == SaveOutcome::Saved;
}

bool AppendTool(ToolList& list) {
    if (list.toolCount >= MaxTools) return false;
    list.entries[list.toolCount++] = std::make_unique<ToolEntry>();
    return true;
}

void DeleteTool(ToolList& list, int position) {
    if (position < 1 || position > list.toolCount) return;
    --list.toolCount;
    for (int i = position; i <= list.toolCount; ++i) *list.entries[i - 1] = std::move(*list.entries[i]);
    list.entries[list.toolCount].reset();
}

void SetToolFields(ToolEntry& entry, std::string_view title, std::string_view file,
                   std::string_view workDirectory, std::string_view parameters) {
    entry.title = title.substr(0, kToolFieldMax);
    entry.file = file.substr(0, kToolFieldMax);
    entry.workDirectory = workDirectory.substr(0, kToolFieldMax);
    entry.parameters = parameters.substr(0, kToolFieldMax);
}

ToolEntry& ToolAt(ToolList& list, int position) { return *list.entries[position - 1]; }
const ToolEntry& ToolAt(const ToolList& list, int position) { return *list.entries[position - 1]; }

void SwapTools(ToolList& list, int first, int second) { std::swap(ToolAt(list, first), ToolAt(list, second)); }

void ClearToolList(ToolList& list) {
    for (auto& entry : list.entries) entry.reset();
    list.toolCount = 0;
}
