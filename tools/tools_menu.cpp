#include "tools/tools_menu.h"

#include "tools/launch.h"
#include "tools/tool_list.h"
#include "tools/tools_dialog.h"

bool HandleToolsCommand(std::uint16_t id) {
    if (id == ToolsEditionCommand) {
        // The main dialog is disabled while the Tools dialog runs, but a command posted to it
        // still arrives through the Tools dialog's message loop: one dialog at a time.
        static bool editing;
        if (editing) return true;
        editing = true;
        OpenToolsEditionDialog();
        editing = false;
        // Even after "esc" the list may have changed in memory: the menu follows it always.
        UpdateToolsMenu();
        return true;
    }
    if (id > ToolCommandBase && id <= ToolCommandBase + MaxTools) {
        int position = id - ToolCommandBase;
        if (position <= toolList.toolCount) LaunchTool(ToolAt(position));
        return true;
    }
    return false;
}
