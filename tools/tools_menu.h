// The Tools menu: tool commands and the Tools edition dialog.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog.h"
#include "platform/menu.h"
#include "tools/tool_list.h"

constexpr std::uint16_t ToolsEditionCommand = 501;
constexpr std::uint16_t ToolCommandBase = 530;  // tool p (1..64) has id 530 + p

// What the Tools commands work on; the program keeps one for its main dialog.
struct ToolsState {
    ToolList list;
    MenuHandle popup = nullptr;  // the Tools popup of the dialog's menu bar
    bool editing = false;        // the Tools edition dialog is open
    std::string browsePath;      // the path the file dialog last gave; kept between openings
    std::string folder;          // the program's start folder (UTF-8): Tools.rel lies there
};

// Finds the Tools popup (the second of the dialog's menu bar), loads Tools.rel from the tools'
// folder and appends the tools to the popup; a list too long is told in `language`.
void InstallToolsMenu(DialogHandle dialog, ToolsState& tools, int language);

// Makes the tool items of the Tools popup name the tools of the list, in order.
void UpdateToolsMenu(const ToolsState& tools);

// True when id is one of the Tools commands (it has then been carried out): 501 opens the Tools
// edition dialog, owned by `dialog` (unless it is open already), and then rebuilds the menu,
// however the dialog ended; 531..594 start the tool at position id - 530, or do nothing when
// the list has no tool there. `language` chooses the dialog's words.
bool HandleToolsCommand(DialogHandle dialog, std::uint16_t id, ToolsState& tools, int language);
