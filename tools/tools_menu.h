// The Tools menu: tool commands and the Tools edition dialog.
#pragma once

#include <cstdint>

constexpr std::uint16_t ToolsEditionCommand = 501;
constexpr std::uint16_t ToolCommandBase = 530;  // tool p (1..64) has id 530 + p

// True when id is one of the Tools commands (it has then been carried out): 501 opens the Tools
// edition dialog (unless it is open already) and then rebuilds the menu, however the dialog
// ended; 531..594 start the tool at position id - 530, or do nothing when the list has no tool
// there.
bool HandleToolsCommand(std::uint16_t id);

// Makes the tool items of the Tools popup name the tools of the list, in order (the program's
// is in tools_menu_win32.cpp).
void UpdateToolsMenu();
