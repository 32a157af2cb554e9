#include "tools/tool_list.h"

#include <utility>

#include "tools/system.h"
#include "tools/tool_file.h"
#include "ui/fields.h"

ToolList toolList;

namespace {

constexpr int kCtrlZ = 0x1A;

// One line into `field`: it ends at CR LF, LF, a lone CR or the end of the file. Characters past
// the field's size are read and dropped, so the next line starts where it should.
void ReadLine(std::FILE* file, std::string& field) {
    field.clear();
    for (;;) {
        int c = std::getc(file);
        if (c == EOF || c == '\n') return;
        if (c == '\r') {
            int next = std::getc(file);
            if (next != '\n' && next != EOF) std::ungetc(next, file);
            return;
        }
        if (field.size() < kToolFieldMax) field.push_back(static_cast<char>(c));
    }
}

// The end is looked for only where a tool begins: there a Ctrl-Z ends the file too (old
// editors put one at the end of text files).
bool AtListEnd(std::FILE* file) {
    int c = std::getc(file);
    if (c == EOF || c == kCtrlZ) return true;
    std::ungetc(c, file);
    return false;
}

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Writes the list into a new file beside `path`; on success `temp` names it.
bool WriteTemporaryCopy(const std::string& path, std::string& temp) {
    std::FILE* out = nullptr;
    // A name left behind by an earlier crash is skipped, not overwritten.
    for (int n = 1; n <= 9 && !out; ++n) {
        temp = DirectoryOf(path) + "Tools.~" + std::to_string(n);
        out = CreateNewFile(temp);
    }
    if (!out) return false;
    bool written = true;
    for (int p = 1; p <= toolList.toolCount && written; ++p) written = WriteFileBytes(out, ToolBytes(ToolAt(p)));
    bool closed = CloseWrittenFile(out);
    if (written && closed) return true;
    RemoveFileNamed(temp);
    return false;
}

}  // namespace

bool ReadToolList(std::FILE* file, bool& truncated) {
    ClearToolList();
    truncated = false;
    while (!AtListEnd(file)) {
        if (toolList.toolCount == MaxTools) {
            truncated = true;
            break;
        }
        AppendTool();
        ToolEntry& entry = ToolAt(toolList.toolCount);
        ReadLine(file, entry.title);
        ReadLine(file, entry.file);
        ReadLine(file, entry.workDirectory);
        ReadLine(file, entry.parameters);
        if (std::ferror(file)) return false;
    }
    return !std::ferror(file);
}

bool LoadToolListFrom(const std::string& path) {
    if (!FileExists(path)) return false;
    // Binary: line ends and Ctrl-Z are handled here, the same on every system.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;  // present but unreadable: as if it were missing
    bool truncated = false;
    bool read = ReadToolList(file, truncated);
    std::fclose(file);
    if (truncated)
        ShowMessage("Tools",
                    "Tools.rel holds more than 64 tools.\r\nOnly the first 64 are used.");
    return read;
}

bool LoadToolList() { return LoadToolListFrom(kToolListFile); }

std::string ToolBytes(const ToolEntry& entry) {
    std::string bytes;
    for (const std::string* field : {&entry.title, &entry.file, &entry.workDirectory, &entry.parameters}) {
        bytes += *field;
        bytes += "\r\n";
    }
    return bytes;
}

bool SaveToolListTo(const std::string& path) {
    std::string temp;
    if (!WriteTemporaryCopy(path, temp)) return false;
    if (ReplaceFileWith(path, temp)) return true;
    RemoveFileNamed(temp);
    return false;
}

bool SaveToolList() { return SaveToolListTo(kToolListFile); }

bool AppendTool() {
    if (toolList.toolCount >= MaxTools) return false;
    toolList.entries[toolList.toolCount++] = std::make_unique<ToolEntry>();
    return true;
}

void DeleteTool(int position) {
    if (position < 1 || position > toolList.toolCount) return;
    --toolList.toolCount;
    for (int i = position; i <= toolList.toolCount; ++i) *toolList.entries[i - 1] = std::move(*toolList.entries[i]);
    toolList.entries[toolList.toolCount].reset();
}

void SetToolFields(ToolEntry& entry, std::string_view title, std::string_view file,
                   std::string_view workDirectory, std::string_view parameters) {
    entry.title = title.substr(0, kToolFieldMax);
    entry.file = file.substr(0, kToolFieldMax);
    entry.workDirectory = workDirectory.substr(0, kToolFieldMax);
    entry.parameters = parameters.substr(0, kToolFieldMax);
}

ToolEntry& ToolAt(int position) { return *toolList.entries[position - 1]; }

void SwapTools(int first, int second) { std::swap(ToolAt(first), ToolAt(second)); }

void ClearToolList() {
    for (auto& entry : toolList.entries) entry.reset();
    toolList.toolCount = 0;
}
