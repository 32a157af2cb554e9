// The plot's right-click menu (also Shift+F10 and the menu key), in its order. An item is one
// line: its command id and its words.
#pragma once

#include "resources/ids.h"
#include "text/words.h"

struct PlotMenuItem {
    int id;
    Word text;
};

inline constexpr PlotMenuItem kPlotMenuItems[] = {
    {IDM_PLAY, Word::MenuPlay},
    {IDM_CLEAR_PATHS, Word::MenuClearPaths},
    {IDM_COPY_CASE, Word::MenuCopyCase},
    {IDM_SAVE_PICTURE, Word::MenuSavePicture},
};
