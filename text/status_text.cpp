#include "text/status_text.h"

#include <algorithm>
#include <cmath>

#include "text/number_text.h"

namespace {

// Beyond these a written-out figure grows long: a shorter form takes over.
constexpr unsigned kMostDecimals = 6;
constexpr std::size_t kMostIntegerDigits = 6;

// The fastest the path is flown: at its landing, its lowest point.
double LandingSpeed(const Solution& solution) {
    const double* v = solution.values;
    const long double vy = v[ParamVy0] - Gravity * v[ParamTime];
    return static_cast<double>(std::sqrt(static_cast<long double>(v[ParamVx]) * v[ParamVx] + vy * vy));
}

}  // namespace

std::string StatusFigure(double value, unsigned decimals, double scale) {
    double size = std::fabs(scale);
    if (!(size > 0) || !std::isfinite(size)) size = std::fabs(value);
    double shown = size;
    for (unsigned i = 0; i < decimals; ++i) shown *= 10;
    unsigned d = decimals;
    for (; shown > 0 && shown < 100 && d <= kMostDecimals; shown *= 10) ++d;
    if (d <= kMostDecimals && std::fabs(value) < 1e7) {
        std::string text = FormatPlain(value, d);
        const std::size_t integerDigits = std::min(text.find('.'), text.size()) - (text[0] == '-' ? 1 : 0);
        if (integerDigits <= kMostIntegerDigits) return text;
    }
    if (std::fabs(value) < size * 5e-4) return "0";
    return FormatSignificant(value, 4);
}

std::string CaseStatusText(const Solution& solution, const Solution* steeper, int language) {
    const double* v = solution.values;
    const double reach = v[ParamReach], time = v[ParamTime], height = v[ParamHeight];
    // A launch at or below the horizontal is highest where it starts.
    const double apexTime = solution.apexTime > 0 ? solution.apexTime : 0;
    std::string text = SayWith(Word::StatusCase, language,
                              {StatusFigure(reach, 3, reach), StatusFigure(time, 3, time),
                               StatusFigure(height, 3, height), StatusFigure(apexTime, 3, time)});
    if (steeper) text += SayWith(Word::StatusSteeper, language, {FormatPlain(steeper->values[ParamAngle], 3)});
    return text;
}

std::string PointStatusText(const TrajectoryPoint& point, const Solution& solution, int language) {
    const double* v = solution.values;
    const double speed = LandingSpeed(solution);
    return SayWith(Word::StatusPoint, language,
                  {StatusFigure(point.x, 2, v[ParamReach]), StatusFigure(point.y, 2, v[ParamHeight]),
                   StatusFigure(point.vy, 2, speed), StatusFigure(point.speed, 2, speed),
                   StatusFigure(point.t, 2, v[ParamTime])});
}

std::string PlayStatusText(const TrajectoryPoint& point, const Solution& solution, double timeScale, int language) {
    std::string text = PointStatusText(point, solution, language);
    if (timeScale != 1) text += SayWith(Word::StatusScale, language, {TimeScaleText(timeScale)});
    return text;
}

std::string TimeScaleText(double timeScale) {
    // Two decimals from 1 up to a million, two significant digits elsewhere; more where the
    // text would read 1 for a clock that does not run in real time.
    unsigned digits = 2;
    for (double whole = 1; timeScale >= whole && timeScale < 1e6; whole *= 10) ++digits;
    std::string text = FormatSignificant(timeScale, digits);
    while (text == "1" && timeScale != 1 && digits < 17) text = FormatSignificant(timeScale, ++digits);
    return text;
}
