#include "plot/hover.h"

#include <cmath>

#include "text/number_text.h"

double PixelToWorldX(const PlotFrame& frame, int px) {
    return static_cast<double>(frame.x1 + static_cast<long double>(px) / frame.sx);
}

bool PathColumns(const PlotFrame& frame, const Solution& solution, int& launch, int& landing) {
    const double reach = solution.values[ParamReach];
    if (frame.width == 0 || frame.height == 0 || !(frame.sx > 0) || !(reach > 0) || !std::isfinite(reach))
        return false;
    launch = WorldToPixelX(frame, 0);
    landing = WorldToPixelX(frame, reach);
    return landing > launch;
}

bool PointerToPathX(const PlotFrame& frame, const Solution& solution, int px, int py, double& x) {
    int launch = 0, landing = 0;
    if (!PathColumns(frame, solution, launch, landing)) return false;
    if (px < 0 || py < 0 || px >= frame.width || py >= frame.height || px < launch || px > landing) return false;
    const double reach = solution.values[ParamReach];
    if (px == launch) x = 0;
    else if (px == landing) x = reach;
    else x = std::fmin(std::fmax(PixelToWorldX(frame, px), 0.0), reach);
    return true;
}

std::string PathXText(const PlotFrame& frame, double x) {
    // Written with d decimals, x is off by half of 10^-d at most: a quarter of a column, or
    // less, once 10^d reaches twice the pixels per metre.
    unsigned decimals = 2;
    for (double step = 100; step < 2 * frame.sx && decimals <= 16; step *= 10) ++decimals;
    if (decimals <= 16) return FormatPlain(x, decimals);
    return x == 0 ? "0" : FormatShortest(x);
}
