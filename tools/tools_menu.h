// The Tools menu: tool commands and the Tools edition dialog.
#pragma once

#include <cstdint>

constexpr std::uint16_t ToolsEditionCommand = 501;
constexpr std::uint16_t ToolCommandBase = 530;  // tool p (1..64) has id 530 + p

// True when id is one of the Tools commands (it has then been carried out).
bool HandleToolsCommand(std::uint16_t id);
