#include "text/status_text.h"

#include "text/number_text.h"

std::string CaseStatusText(const Solution& solution, const Solution* steeper) {
    const double* v = solution.values;
    // A launch at or below the horizontal is highest where it starts.
    const double apexTime = solution.apexTime > 0 ? solution.apexTime : 0;
    std::string text = "Lands " + FormatPlain(v[ParamReach], 3) + " m away after " + FormatPlain(v[ParamTime], 3) +
                       " s; highest " + FormatPlain(v[ParamHeight], 3) + " m at " + FormatPlain(apexTime, 3) + " s";
    if (steeper) text += "; also lands there at " + FormatPlain(steeper->values[ParamAngle], 3) + "\xB0";
    return text;
}

std::string PointStatusText(const TrajectoryPoint& point) {
    return "x " + FormatPlain(point.x, 2) + " m   y " + FormatPlain(point.y, 2) + " m   Vy " + FormatPlain(point.vy, 2) +
           " m/s   |V| " + FormatPlain(point.speed, 2) + " m/s   t " + FormatPlain(point.t, 2) + " s";
}

std::string PlayStatusText(const TrajectoryPoint& point, double timeScale) {
    std::string text = PointStatusText(point);
    if (timeScale != 1) text += "  (\xD7" + TimeScaleText(timeScale) + ")";
    return text;
}

std::string TimeScaleText(double timeScale) {
    unsigned decimals = 2;
    for (double v = timeScale; v > 0 && v < 0.1 && decimals < 16; v *= 10) ++decimals;
    std::string text = FormatPlain(timeScale, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}
