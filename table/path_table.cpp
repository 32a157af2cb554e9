#include "table/path_table.h"

#include <cmath>

#include "physics/point.h"
#include "platform/pickers.h"
#include "platform/safe_file.h"
#include "platform/system.h"
#include "text/message_box.h"
#include "text/number_text.h"

namespace {

constexpr int kSteps = 100;

PathRow RowAt(const Solution& solution, double t, const Conditions& conditions, const FlightPath* flight) {
    TrajectoryPoint point = {};
    if (!IsEarthVacuum(conditions) && flight) {
        point = PointOfPath(conditions, solution, *flight, t);
        const double vx = conditions.air ? StateAt(*flight, t).vx : solution.values[ParamVx];
        if (t == solution.values[ParamTime]) point.y = 0;
        return {t, point.x, point.y, vx, point.vy, point.speed};
    }
    SolvePoint(solution, point, 5, t);
    // The flight time is when the path meets the ground: there y is 0, not the rounding left
    // over from the equation (some 1e-15 m).
    if (t == solution.values[ParamTime]) point.y = 0;
    return {t, point.x, point.y, solution.values[ParamVx], point.vy, point.speed};
}

// The apex as the solve found it: its time, distance and the maximum height, where the
// vertical velocity is 0 and the speed is the horizontal one.
PathRow ApexRow(const Solution& solution, const Conditions& conditions, const FlightPath* flight) {
    const double vx = conditions.air && flight ? StateAt(*flight, solution.apexTime).vx : solution.values[ParamVx];
    return {solution.apexTime, solution.apexX, solution.values[ParamHeight], vx, 0, std::fabs(vx)};
}

bool AllFinite(const PathRow& row) {
    for (double v : {row.t, row.x, row.y, row.vx, row.vy, row.speed})
        if (!std::isfinite(v)) return false;
    return true;
}

// Minus zero (a vertical launch's x, say) reads as 0 in a spreadsheet; it is written as 0.
std::string Number(double value) { return FormatShortest(value + 0.0); }

}  // namespace

std::vector<PathRow> PathTableRows(const Solution& solution, const Conditions& conditions, const FlightPath* flight) {
    const long double flightTime = solution.values[ParamTime];
    const double apexTime = solution.apexTime;
    const bool apexInside = apexTime > 0 && apexTime < solution.values[ParamTime];
    std::vector<PathRow> rows;
    for (int i = 0; i <= kSteps; ++i) {
        // In extended precision T * 100 / 100 is T again: the last row is at exactly T.
        const double t = static_cast<double>(flightTime * i / kSteps);
        if (apexInside && apexTime < t && (rows.empty() || rows.back().t < apexTime))
            rows.push_back(ApexRow(solution, conditions, flight));
        if (!rows.empty() && rows.back().t >= t) continue;
        rows.push_back(apexInside && t == apexTime ? ApexRow(solution, conditions, flight)
                                                   : RowAt(solution, t, conditions, flight));
    }
    return rows;
}

std::vector<std::string> PathTableLines(const Solution& solution, const Conditions& conditions, const FlightPath* flight) {
    std::vector<std::string> lines = {"t,x,y,Vx,Vy,speed\r\n"};
    for (const PathRow& row : PathTableRows(solution, conditions, flight)) {
        if (!AllFinite(row)) return {};
        lines.push_back(Number(row.t) + ',' + Number(row.x) + ',' + Number(row.y) + ',' + Number(row.vx) +
                        ',' + Number(row.vy) + ',' + Number(row.speed) + "\r\n");
    }
    return lines;
}

void ExportPathTable(DialogHandle dialog, const Solution& solution, const std::string& startDirectory,
                     const Conditions& conditions, const FlightPath* flight, int language) {
    std::string path;
    const FileDialogWords words = {Say(Word::ExportPathTableCaption, language),
                                   {Say(Word::CsvFiles, language), Say(Word::AllFiles, language)},
                                   Say(Word::PathTableName, language)};
    if (!ChooseFileToSave(dialog, NewFileKind::PathTable, startDirectory, path, words)) return;
    const std::vector<std::string> lines = PathTableLines(solution, conditions, flight);
    if (lines.empty()) {
        ShowMessage(MessageOf(Word::ExportPathTableCaption, Word::PathTableTooLarge, language),
                    MessageIcon::Exclamation);
        return;
    }
    const SaveOutcome outcome = SaveWholeFile(path, lines);
    if (outcome != SaveOutcome::Saved)
        ShowFileMessage(Say(Word::ExportPathTableCaption, language), SaveFailureReason(outcome, language), path,
                        MessageIcon::Exclamation);
}
