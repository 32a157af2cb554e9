// The words of the status line under the plot: the solved case, a point of its path, and the
// ball's point while the shot plays. Windows-1252 bytes, as the dialog shows them; numbers as
// FormatPlain writes them, so no "-0.00" ever shows.
#pragma once

#include <string>

#include "physics/motion.h"
#include "physics/point.h"
#include "text/words.h"

// "Lands 40.775 m away after 2.883 s; highest 10.194 m at 1.442 s", three decimals like the
// results; the highest point of a launch that does not rise is the launch itself, at 0 s. With
// `steeper` (the other launch angle that lands at the same reach), followed by
// "; also lands there at 75.300°". In English; `language` chooses the words.
std::string CaseStatusText(const Solution& solution, const Solution* steeper, int language);

// "x 12.30 m   y 8.31 m   Vy 5.41 m/s   |V| 15.15 m/s   t 0.87 s", two decimals like the
// point panel.
std::string PointStatusText(const TrajectoryPoint& point, int language);

// The point as PointStatusText, and when the play's clock runs at `timeScale` times real time
// (anything but exactly 1), the scale after the time: "t 1.23 s  (×0.25)".
std::string PlayStatusText(const TrajectoryPoint& point, double timeScale, int language);

// A time scale in two significant digits at least, without trailing zeros: 0.25, 0.012, 4, 12.5.
std::string TimeScaleText(double timeScale);
