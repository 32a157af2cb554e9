// The plot's right-click menu (also Shift+F10 and the menu key), in its order. An item is one
// line: its command id and its text.
#pragma once

#include "resources/ids.h"

struct PlotMenuItem {
    int id;
    const char* text;
};

inline constexpr PlotMenuItem kPlotMenuItems[] = {
    {IDM_PLAY, "&Play the shot\tF5"},
    {IDM_CLEAR_PATHS, "&Clear earlier paths"},
    {IDM_COPY_CASE, "C&opy case\tCtrl+C"},
    {IDM_SAVE_PICTURE, "Save plot &picture..."},
};
