// Win32 side of the canvas seam.
#pragma once

// Every GDI and window call the canvas has made since the program started; a test reads it
// before and after a repaint to see what one drawing costs.
extern unsigned long canvasSystemCalls;
