#include "app/point_panel.h"

#include <string>

#include "app/given.h"
#include "app/plot_view.h"
#include "plot/trajectory.h"
#include "resources/ids.h"
#include "text/conditions_text.h"
#include "text/message_box.h"
#include "text/number_text.h"

void EnablePointPanel(DialogHandle dialog, bool enable) {
    EnableField(dialog, IDC_POINT_GROUP, enable);
    for (int k = 1; k <= 5; ++k) {
        EnableField(dialog, IDC_POINT_BASE + k, enable);
        EnableField(dialog, IDC_POINT_GROUP + k, enable);
    }
    EnableField(dialog, IDC_POINT_ACCEPT, enable);
    FocusField(dialog, IDC_POINT_BASE + 1);
}

PointError QueryPoint(DialogHandle dialog, int k, AppState& state) {
    PointQuery& q = state.pointQuery;
    q.solutionCount = 1;
    double value = 0;
    if (!ReadRealField(dialog, IDC_POINT_BASE + k, value)) return PointNotNumber;
    int solutions = 1;
    const MotionCase& mc = state.motionCase;
    const PointError code =
        IsEarthVacuum(mc.conditions)
            ? AnswerPoint(mc.solution, k, value, q.first, q.second, solutions)
            : AnswerPointOfPath(mc.conditions, mc.solution, mc.flight, k, value, q.first, q.second, solutions,
                                state.pointRange);
    if (code != PointDone) return code;
    q.solutionCount = static_cast<std::uint16_t>(solutions);
    state.view.marks = q;  // the plot marks this answer, on this case, until the next solve
    RedrawMainPlot(state);
    return PointDone;
}

void ReportPointError(PointError code, int k, int language) {
    if (code == PointDone) return;
    ShowMessage(PointErrorMessage(code, k, language));
}

void ReportPointError(PointError code, int k, const AppState& state) {
    const bool air = state.motionCase.conditions.air;
    const int language = state.languageIndex;
    if (air && code == PointOutOfRange && state.pointRange.outside)
        ShowMessage(PointRangeMessage(k, state.pointRange, language));
    else if (air && code == PointBelowVx)
        ShowMessage(LeastSpeedMessage(state.pointRange.low, language));
    else
        ReportPointError(code, k, language);
}

void ShowPoint(DialogHandle dialog, const TrajectoryPoint& point, AppState& state) {
    state.pointQuery.pointShown = true;
    const double fields[] = {point.x, point.y, point.vy, point.speed, point.t};
    for (int k = 1; k <= 5; ++k) SetFieldText(dialog, IDC_POINT_BASE + k, FormatFixed(fields[k - 1], 6, 2));
    // The button may hold the focus (the user clicked it or pressed Space on it); greyed, it
    // would leave the dialog without one, and the keyboard would be lost. The field that was
    // asked takes it, ready for the next value.
    if (state.pointInput > IDC_POINT_BASE && state.pointInput <= IDC_POINT_BASE + 5)
        FocusField(dialog, state.pointInput);
    // The writes above re-enable the button through their change notifications; a new query
    // needs the user to edit a field first.
    EnableField(dialog, IDC_POINT_ACCEPT, false);
}

void ShowSecondSolution(DialogHandle dialog, bool shown, const PointQuery& query, int language) {
    // Characters a value may take after its prefix; a longer one is written shorter, never cut.
    constexpr unsigned kSecondSolutionRoom = 20;
    const struct {
        int id;
        Word prefix;
        double value;
    } rows[] = {{IDC_SECOND_X, Word::SecondX, query.second.x},
                {IDC_SECOND_VY, Word::SecondVy, query.second.vy},
                {IDC_SECOND_T, Word::SecondT, query.second.t}};
    for (const auto& row : rows) {
        std::string number = shown ? FitNumber(row.value, 6, 2, kSecondSolutionRoom) : std::string();
        SetFieldText(dialog, row.id, Say(row.prefix, language) + number);
    }
    for (const auto& row : rows) EnableField(dialog, row.id, shown);
}

bool RedrawMainPlot(AppState& state) {
    const bool drawn = DrawMainPlot(state, state.plotFrame, state.plotWindow);
    PlotOverlayAfterRedraw(state);  // the hover marker or the ball: on the screen only
    return drawn;
}

bool DrawMainPlot(const AppState& state, PlotFrame& frame, CanvasWindow target) {
    const MotionCase& mc = state.motionCase;
    return RedrawPlot(frame, target, mc.solved ? &mc.solution : nullptr, state.view.marks, PlotExtrasOf(state));
}
