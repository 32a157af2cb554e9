// The words of the status line under the plot: the solved case, a point of its path, and the
// ball's point while the shot plays. Windows-1252 bytes, as the dialog shows them. Every figure
// is true at the case's scale and at most 11 characters long, so that the longest line still
// fits the two lines under the plot; no "-0.00" ever shows.
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
// point panel, for a point of the path of `solution`.
std::string PointStatusText(const TrajectoryPoint& point, const Solution& solution, int language);

// The point as PointStatusText, and when the play's clock runs at `timeScale` times real time
// (anything but exactly 1), the scale after the time: "t 1.23 s  (×0.25)".
std::string PlayStatusText(const TrajectoryPoint& point, const Solution& solution, double timeScale, int language);

// A time scale with two decimals from 1 up to a million and two significant digits elsewhere,
// or as many more digits as it takes not to read 1 when it is not exactly 1, as
// FormatSignificant writes them: 0.25, 0.012, 4, 12.5, 0.997, 1.004, 1.4e-20, 1.2e148.
std::string TimeScaleText(double timeScale);

// A figure of the line: FormatPlain with `decimals` decimals, or with more where a figure of the
// size of `scale` (the case's reach for an x, its flight time for a time...) would keep fewer
// than three significant digits. Where that takes more than six decimals, or the value has more
// than six digits before the point, it is written in four significant digits as
// FormatSignificant writes them ("1.019e-39", "1.235e6"), and a value too small to show beside
// the scale's four digits is "0".
std::string StatusFigure(double value, unsigned decimals, double scale);
