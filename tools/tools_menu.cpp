#include "tools/tools_menu.h"

#include "resources/ids.h"

// The tools themselves are not built yet: their ids are taken and do nothing.
bool HandleToolsCommand(std::uint16_t id) {
    return id == ToolsEditionCommand || (id > ToolCommandBase && id <= ToolCommandBase + 64);
}
