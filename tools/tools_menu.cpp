#include "tools/tools_menu.h"

#include "tools/launch.h"
#include "tools/tools_dialog.h"

void InstallToolsMenu(DialogHandle dialog, ToolsState& tools, int language) {
    tools.popup = DialogMenuPopup(dialog, 2);
    if (LoadToolList(tools.list, language, ToolListPath(tools.folder))) UpdateToolsMenu(tools);
}

void UpdateToolsMenu(const ToolsState& tools) {
    ClearMenuTail(tools.popup, ToolCommandBase);
    for (int p = 1; p <= tools.list.toolCount; ++p)
        AppendMenuCommand(tools.popup, ToolCommandBase + p, ToolAt(tools.list, p).title);
}

bool HandleToolsCommand(DialogHandle dialog, std::uint16_t id, ToolsState& tools, int language) {
    if (id == ToolsEditionCommand) {
        // The main dialog is disabled while the Tools dialog runs, but a command posted to it
        // still arrives through the Tools dialog's message loop: one dialog at a time.
        if (tools.editing) return true;
        tools.editing = true;
        OpenToolsEditionDialog(dialog, tools.list, tools.browsePath, language, tools.folder);
        tools.editing = false;
        // Even after "esc" the list may have changed in memory: the menu follows it always.
        UpdateToolsMenu(tools);
        return true;
    }
    if (id > ToolCommandBase && id <= ToolCommandBase + MaxTools) {
        int position = id - ToolCommandBase;
        if (position <= tools.list.toolCount) LaunchTool(ToolAt(tools.list, position), language);
        return true;
    }
    return false;
}
