// libFuzzer target for the Tools.rel reader: whatever the bytes, no crash, never more than 64
// tools, no field longer than 255 characters, and writing the list and reading it back gives
// the same list.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/tool_list.h"

namespace {

ToolList toolList;

std::string Serialise() {
    std::string bytes;
    for (int p = 1; p <= toolList.toolCount; ++p) bytes += ToolBytes(ToolAt(toolList, p));
    return bytes;
}

bool Read(const std::string& bytes, bool& truncated) {
    ParseToolList(bytes, toolList, truncated);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    bool truncated = false;
    if (!Read(input, truncated)) std::abort();
    if (toolList.toolCount > MaxTools) std::abort();
    for (int p = 1; p <= toolList.toolCount; ++p) {
        const ToolEntry& t = ToolAt(toolList, p);
        for (const std::string* field : {&t.title, &t.file, &t.workDirectory, &t.parameters})
            if (field->size() > kToolFieldMax || field->find_first_of("\r\n") != std::string::npos) std::abort();
    }
    std::string written = Serialise();
    int count = toolList.toolCount;
    bool again = false;
    if (!Read(written, again) || again || toolList.toolCount != count || Serialise() != written) std::abort();
    ClearToolList(toolList);
    return 0;
}
