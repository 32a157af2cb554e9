#include "app/plot_view.h"

#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "app/point_panel.h"
#include "physics/point.h"
#include "platform/menu.h"
#include "platform/timer.h"
#include "plot/hover.h"
#include "plot/plot_menu.h"
#include "resources/ids.h"
#include "text/number_text.h"
#include "text/conditions_text.h"
#include "text/status_text.h"

namespace {

const Solution& CaseOf(const AppState& state) { return state.motionCase.solution; }

TrajectoryPoint CasePointAtTime(const AppState& state, double t) {
    const MotionCase& mc = state.motionCase;
    TrajectoryPoint point = {};
    if (!IsEarthVacuum(mc.conditions)) return PointOfPath(mc.conditions, mc.solution, mc.flight, t);
    SolvePoint(mc.solution, point, 5, t);
    return point;
}

void HideMarker(DialogHandle dialog, AppState& state) {
    PlotView& view = state.view;
    if (!view.hovering) return;
    view.hovering = false;
    view.hoverColumn = -1;
    HideOverlay(view.overlay, state.plotFrame);
    ShowCaseStatus(dialog, state);
}

void ShowBall(DialogHandle dialog, AppState& state, double t) {
    PlotView& view = state.view;
    view.ball = CasePointAtTime(state, t);
    ShowOverlay(view.overlay, state.plotFrame, OverlayFigure::Ball, view.ball.x, view.ball.y, view.dpi);
    SetFieldText(dialog, IDC_STATUS, PlayStatusText(view.ball, CaseOf(state), view.timeline.scale, state.languageIndex));
    ++view.frames;
}

}  // namespace

bool PlotIsLive(const AppState& state) {
    int launch = 0, landing = 0;
    return state.motionCase.solved && state.view.caseDrawn && PathColumns(state.plotFrame, CaseOf(state), launch, landing);
}

PlotExtras PlotExtrasOf(const AppState& state) {
    PlotExtras extras;
    if (state.view.earlier.count > 0) extras.earlier = &state.view.earlier;
    if (state.view.hasSteeper) extras.steeper = &state.view.steeper;
    if (!IsEarthVacuum(state.motionCase.conditions)) {
        extras.conditions = &state.motionCase.conditions;
        extras.flight = &state.motionCase.flight;
        extras.steeperFlight = &state.view.steeperFlight;
    }
    return extras;
}

void ShowCaseStatus(DialogHandle dialog, const AppState& state) {
    const PlotView& view = state.view;
    if (!state.motionCase.solved) return SetFieldText(dialog, IDC_STATUS, "");
    const int language = state.languageIndex;
    // The two launches of a given angle (with air, downward, with the time) differ in speed, not
    // in angle: the speed names the other. Without air the other is always the steeper.
    const bool sameAngle = view.hasSteeper && state.motionCase.conditions.air &&
                           view.steeper.values[ParamAngle] == CaseOf(state).values[ParamAngle];
    std::string text = CaseStatusText(CaseOf(state), view.hasSteeper && !sameAngle ? &view.steeper : nullptr, language);
    if (sameAngle) text += OtherSpeedPhrase(view.steeper.values[ParamVo], language);
    SetFieldText(dialog, IDC_STATUS, StatusUnderConditions(state.motionCase.conditions, text, language));
}

void PlotBeforeNewCase(DialogHandle dialog, AppState& state, const ConditionsCase& solved) {
    PlotView& view = state.view;
    StopPlay(dialog, state);
    // The ring goes before anything is drawn: a case without movement draws nothing over it.
    view.hovering = false;
    view.hoverColumn = -1;
    HideOverlay(view.overlay, state.plotFrame);
    view.marks = PointQuery{};  // the points marked belong to the case on screen
    // The case on screen joins the earlier paths, unless it is solved again unchanged.
    const MotionCase& mc = state.motionCase;
    if (view.caseDrawn && !(SamePath(mc.solution, solved.solution) && SameConditions(mc.conditions, solved.conditions)))
        KeepEarlierPath(view.earlier, mc.solution, mc.conditions, mc.flight);
    view.hasSteeper = solved.twoLaunches;
    view.steeper = solved.twoLaunches ? solved.other : Solution{};
    view.steeperFlight = solved.otherPath;
}

void PlotPointerMoved(DialogHandle dialog, AppState& state, int px, int py) {
    PlotView& view = state.view;
    double x = 0;
    if (view.playing) return;
    if (!PlotIsLive(state) || !PointerToPathX(state.plotFrame, CaseOf(state), px, py, x)) {
        HideMarker(dialog, state);
        return;
    }
    if (view.hovering && px == view.hoverColumn) return;  // the same column: the same point
    if (IsEarthVacuum(state.motionCase.conditions)) {
        SolvePoint(CaseOf(state), view.hoverPoint, 1, x);
    } else {
        TrajectoryPoint other;
        int count = 0;
        PointRange range;
        const MotionCase& mc = state.motionCase;
        if (AnswerPointOfPath(mc.conditions, mc.solution, mc.flight, 1, x, view.hoverPoint, other, count, range) !=
            PointDone)
            return HideMarker(dialog, state);
    }
    view.hovering = true;
    view.hoverColumn = px;
    ShowOverlay(view.overlay, state.plotFrame, OverlayFigure::Marker, view.hoverPoint.x, view.hoverPoint.y, view.dpi);
    SetFieldText(dialog, IDC_STATUS, PointStatusText(view.hoverPoint, CaseOf(state), state.languageIndex));
}

void PlotPointerLeft(DialogHandle dialog, AppState& state) { HideMarker(dialog, state); }

void PlotClicked(DialogHandle dialog, AppState& state, int px, int py) {
    if (PlotStopByUser(dialog, state)) return;
    double x = 0;
    if (!PlotIsLive(state) || !PointerToPathX(state.plotFrame, CaseOf(state), px, py, x)) return;
    // As the user types: the field takes the focus, its change is noticed, then Accept.
    const std::string asked = PathXText(state.plotFrame, x);
    FocusField(dialog, IDC_POINT_BASE + 1);
    SetFieldText(dialog, IDC_POINT_BASE + 1, asked);
    MainDialogCommand(dialog, IDC_POINT_ACCEPT, ControlEvent::Command, state);
    // The answer is written with two decimals, the question too; an x that needs more digits
    // to stand under the pointer keeps them, and the panel's Accept stays greyed.
    if (state.pointQuery.pointShown && TrimBlanks(GetFieldText(dialog, IDC_POINT_BASE + 1)) != asked) {
        SetFieldText(dialog, IDC_POINT_BASE + 1, asked);
        EnableField(dialog, IDC_POINT_ACCEPT, false);
    }
}

void PlotDoubleClicked(DialogHandle dialog, AppState& state, int px, int py) {
    const PlotFrame& f = state.plotFrame;
    if (px >= 0 && py >= 0 && px < f.width && py < f.height) StartPlay(dialog, state);
}

void PlotMenu(DialogHandle dialog, AppState& state, int px, int py) {
    PlotStopByUser(dialog, state);
    if (px < 0 || py < 0) {
        int width = 0, height = 0;
        CanvasClientSize(state.plotWindow, width, height);
        px = width / 2;
        py = height / 2;
    }
    std::vector<PopupMenuItem> items;
    for (const PlotMenuItem& item : kPlotMenuItems) {
        bool enabled = true;
        if (item.id == IDM_PLAY) enabled = PlotIsLive(state);
        if (item.id == IDM_CLEAR_PATHS) enabled = state.view.earlier.count > 0;
        if (item.id == IDM_COPY_CASE || item.id == IDM_SAVE_PICTURE) enabled = state.motionCase.solved;
        items.push_back({static_cast<unsigned>(item.id), Say(item.text, state.languageIndex), enabled});
    }
    const unsigned chosen = ChoosePopupMenu(dialog, state.plotWindow, px, py, items);
    if (chosen) MainDialogCommand(dialog, static_cast<int>(chosen), ControlEvent::Command, state);
}

bool PlotKeyDown(DialogHandle dialog, AppState& state, PlotKey key, bool repeat, int code) {
    PlotView& view = state.view;
    // Held down, a key the plot took repeats nothing: a held Esc that stopped the play must
    // not go on to close the dialog, nor a held F5 start the play again. Its key-downs until
    // its release are repeats, whether or not they say so (Wine's synthetic ones do not).
    if (code == view.spentKey) return true;
    view.spentKey = 0;
    const bool wasPlaying = view.playing;
    StopPlay(dialog, state);
    // Marked spent before the menu opens: its release may come while the menu is open.
    const bool taken = wasPlaying || key == PlotKey::Play || key == PlotKey::Menu;
    if (taken) view.spentKey = code;
    if (key == PlotKey::Play && !repeat && !wasPlaying) StartPlay(dialog, state);
    if (key == PlotKey::Menu) PlotMenu(dialog, state, -1, -1);  // during the play too
    return taken;
}

bool PlotKeyUp(AppState& state, int code) {
    if (code == 0 || code != state.view.spentKey) return false;
    state.view.spentKey = 0;
    return true;
}

bool PlotStopByUser(DialogHandle dialog, AppState& state) {
    if (!state.view.playing) return false;
    StopPlay(dialog, state);
    return true;
}

void StartPlay(DialogHandle dialog, AppState& state) {
    PlotView& view = state.view;
    if (view.playing || !PlotIsLive(state)) return;
    HideMarker(dialog, state);
    view.timeline = MakePlayTimeline(CaseOf(state).values[ParamTime]);
    view.playStart = ClockSeconds();
    view.playing = true;
    view.frames = 0;
    ShowBall(dialog, state, 0);
    StartTicks(dialog, kPlayFrameMilliseconds);
}

void StopPlay(DialogHandle dialog, AppState& state) {
    PlotView& view = state.view;
    if (!view.playing) return;
    StopTicks(dialog);
    view.playing = false;
    HideOverlay(view.overlay, state.plotFrame);
    ShowCaseStatus(dialog, state);
}

void PlayTick(DialogHandle dialog, AppState& state) {
    PlotView& view = state.view;
    if (!view.playing) return;
    const double elapsed = ClockSeconds() - view.playStart;
    if (PlayOver(view.timeline, elapsed)) {
        StopPlay(dialog, state);
        return;
    }
    const double t = PlayTimeAt(view.timeline, elapsed);
    if (t != view.ball.t) ShowBall(dialog, state, t);  // resting at the landing: nothing moves
}

void PlotOverlayAfterRedraw(AppState& state) {
    PlotView& view = state.view;
    ForgetOverlay(view.overlay);
    if (view.playing)
        ShowOverlay(view.overlay, state.plotFrame, OverlayFigure::Ball, view.ball.x, view.ball.y, view.dpi);
    else if (view.hovering)
        ShowOverlay(view.overlay, state.plotFrame, OverlayFigure::Marker, view.hoverPoint.x, view.hoverPoint.y, view.dpi);
}

void PlotUseDpi(AppState& state, int dpi) {
    state.view.dpi = dpi;
    CanvasUseDpi(dpi);
    ForgetOverlay(state.view.overlay);  // the area is drawn again at its new size
}

void ClosePlotView(DialogHandle dialog, AppState& state) {
    StopPlay(dialog, state);
    FreeOverlay(state.view.overlay);
}
