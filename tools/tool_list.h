// The user's tools: the list in memory and its file, Tools.rel.
//
// Tools.rel is plain single-byte text with no header: four lines per tool (title, file, work
// directory, parameters), each ended by CR LF. Reading accepts CR LF, LF or a lone CR, keeps
// every byte of a line as it is (above 127 included), keeps the first 255 characters of a
// longer line and skips the rest, and stops at the end of the file or at a Ctrl-Z (0x1A) where
// a tool would begin. A last tool with missing lines gets empty fields.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/safe_file.h"

constexpr int MaxTools = 64;          // the Tools menu has ids for exactly this many
constexpr std::size_t kToolFieldMax = 255;  // characters kept in each field

struct ToolEntry {
    std::string title;          // Tools menu entry and list-box line
    std::string file;           // program or document, possibly followed by arguments
    std::string workDirectory;  // made current while the tool starts; empty keeps the current one
    std::string parameters;     // kept with the tool, not passed to it
};

struct ToolList {
    std::uint16_t toolCount = 0;
    std::unique_ptr<ToolEntry> entries[MaxTools];  // positions 1..toolCount are entries[0..]
};

// The list file's name; it lies in the folder the program starts in.
constexpr const char* kToolListFile = "Tools.rel";

// The list file's full path in `folder` (a UTF-8 path, a drive's root included); the bare name
// when the folder is not known.
std::string ToolListPath(std::string_view folder);

// Fills the list from the file at `path` (UTF-8). False (list unchanged) when there is no such
// file (a search that sees ordinary and hidden files only) or it cannot be read. Beyond 64 tools
// reading stops and the user is told, in the words of `language`.
bool LoadToolList(ToolList& list, int language, const std::string& path = kToolListFile);
// Writes the whole list to the file at `path` (UTF-8). The old file stays byte for byte as it
// was unless the new one was written completely: a temporary file in the same directory
// replaces it at the end, taking over its attributes. No temporary file is left behind. True on
// success; `outcome`, when given, receives how the save ended.
bool SaveToolList(const ToolList& list, const std::string& path = kToolListFile, SaveOutcome* outcome = nullptr);

// Reads the tools of a file's bytes into the list, as LoadToolList does. `truncated` tells
// whether more tools followed the 64th.
void ParseToolList(std::string_view bytes, ToolList& list, bool& truncated);
// The exact bytes SaveToolList writes for one tool.
std::string ToolBytes(const ToolEntry& entry);

// Adds a fresh empty tool at position toolCount + 1. False, list unchanged, when it is full.
bool AppendTool(ToolList& list);
// Removes the tool at `position` (1..toolCount); the later tools move up one position.
void DeleteTool(ToolList& list, int position);
// Stores the four texts into `entry`, each cut to its first 255 characters.
void SetToolFields(ToolEntry& entry, std::string_view title, std::string_view file,
                   std::string_view workDirectory, std::string_view parameters);
// The tool at `position` (1..toolCount).
ToolEntry& ToolAt(ToolList& list, int position);
const ToolEntry& ToolAt(const ToolList& list, int position);
// Exchanges the contents of the tools at two positions (1..toolCount).
void SwapTools(ToolList& list, int first, int second);
// Empties the list.
void ClearToolList(ToolList& list);
