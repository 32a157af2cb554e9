#include "text/status_text.h"

#include "text/number_text.h"

namespace {

// The words with %1, %2... replaced by the numbers, in the order the words put them.
std::string Filled(const char* words, std::initializer_list<std::string> numbers) {
    std::string text;
    for (const char* at = words; *at; ++at) {
        const bool mark = at[0] == '%' && at[1] >= '1' && at[1] <= '9';
        const std::size_t n = mark ? static_cast<std::size_t>(at[1] - '1') : numbers.size();
        if (n < numbers.size()) {
            text += numbers.begin()[n];
            ++at;
        } else {
            text += *at;
        }
    }
    return text;
}

}  // namespace

std::string CaseStatusText(const Solution& solution, const Solution* steeper, int language) {
    const double* v = solution.values;
    // A launch at or below the horizontal is highest where it starts.
    const double apexTime = solution.apexTime > 0 ? solution.apexTime : 0;
    std::string text = Filled(Say(Word::StatusCase, language), {FormatPlain(v[ParamReach], 3), FormatPlain(v[ParamTime], 3),
                                                              FormatPlain(v[ParamHeight], 3), FormatPlain(apexTime, 3)});
    if (steeper) text += Filled(Say(Word::StatusSteeper, language), {FormatPlain(steeper->values[ParamAngle], 3)});
    return text;
}

std::string PointStatusText(const TrajectoryPoint& point, int language) {
    return Filled(Say(Word::StatusPoint, language), {FormatPlain(point.x, 2), FormatPlain(point.y, 2), FormatPlain(point.vy, 2),
                                                     FormatPlain(point.speed, 2), FormatPlain(point.t, 2)});
}

std::string PlayStatusText(const TrajectoryPoint& point, double timeScale, int language) {
    std::string text = PointStatusText(point, language);
    if (timeScale != 1) text += Filled(Say(Word::StatusScale, language), {TimeScaleText(timeScale)});
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
