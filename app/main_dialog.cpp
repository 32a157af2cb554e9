#include "app/main_dialog.h"

#include "about/about_window.h"
#include "app/conditions_dialog.h"
#include "app/given.h"
#include "app/language.h"
#include "app/plot_view.h"
#include "app/point_panel.h"
#include "app/results_out.h"
#include "platform/menu.h"
#include "platform/system.h"
#include "plot/trajectory.h"
#include "report/report.h"
#include "table/path_table.h"
#include "resources/ids.h"
#include "text/conditions_text.h"
#include "text/message_box.h"
#include "text/number_text.h"
#include "tools/launch.h"

namespace {

// Reads, checks and solves the case under the chosen conditions; false, with the message shown,
// when it is refused.
bool SolveOnScreen(DialogHandle dialog, AppState& state, ConditionsCase& solved) {
    MotionCase& mc = state.motionCase;
    GivenData given;
    const Conditions& conditions = state.conditions;
    if (!AcceptGivenData(dialog, conditions, mc, given, state.languageIndex)) return false;
    AirLimit limit;
    double bound;
    const SolveResult result = SolveCaseUnder(conditions, given, solved, limit, bound);
    if (result == SolveResult::Solved) return true;
    ShowMessage(limit != AirLimit::None ? AirLimitMessage(limit, given, bound, state.languageIndex)
                                        : SolveFailureMessage(result, state.languageIndex));
    return false;
}

void SolveSequence(DialogHandle dialog, AppState& state) {
    MotionCase& mc = state.motionCase;
    ConditionsCase solved;
    if (!SolveOnScreen(dialog, state, solved)) return;
    const Solution& solution = solved.solution;
    PlotBeforeNewCase(dialog, state, solved);
    mc.solution = solution;
    mc.conditions = solved.conditions;
    mc.flight = std::move(solved.path);
    for (int i = 1; i <= kParamCount; ++i) {
        mc.values[i] = solution.values[i];
        if (!(mc.givenMask & (1u << i)))
            SetFieldText(dialog, IDC_VALUE_BASE + i, FormatFixed(mc.values[i], 6, 3));
    }
    mc.solved = true;  // before drawing: a case without movement can still be saved
    state.solvedSheet = DialogReportSheet(dialog, PointQuery{}, 0);  // no point of this case yet
    state.solvedSheet.conditions = mc.conditions;
    ShowCaseStatus(dialog, state);
    state.view.caseDrawn = RedrawMainPlot(state);
    if (state.view.caseDrawn)
        EnablePointPanel(dialog, true);
    else
        ShowMessage(MessageOf(Word::NothingToDoCaption, Word::NoMovement, state.languageIndex));
}

// The guide in the dialog's language, beside the program; the English one when that is missing.
void OpenGuide(int language) {
    const std::string guide = Say(Word::GuideFile, language);
    RunCommand(FileExists(guide) ? guide : Say(Word::GuideFile, kEnglish), language);
}

// The earlier paths go, and the plot is drawn without them.
void ClearPathsCommand(AppState& state) {
    ClearEarlierPaths(state.view.earlier);
    if (state.view.caseDrawn) RedrawMainPlot(state);
}

// Point Accept: the field the user last typed into is the question; all four steps run whatever
// the query found, so a refusal shows the last good point again.
void PointSequence(DialogHandle dialog, AppState& state) {
    // The whole id, not only its low byte, must name a point field: k indexes the point.
    const int field = state.lastPointField;
    if (field <= IDC_POINT_BASE || field > IDC_POINT_BASE + 5) return;
    state.pointInput = state.lastPointField;
    const int k = field - IDC_POINT_BASE;
    const PointError code = QueryPoint(dialog, k, state);
    ReportPointError(code, k, state);
    ShowPoint(dialog, state.pointQuery.first, state);
    ShowSecondSolution(dialog, state.pointQuery.solutionCount == 2, state.pointQuery, state.languageIndex);
    // The copy's point section: the answer the plot now marks, as the panel shows it.
    if (code == PointDone) {
        const ReportSheet panel = DialogReportSheet(dialog, state.pointQuery, state.pointInput);
        ReportSheet& sheet = state.solvedSheet;
        sheet.pointShown = panel.pointShown;
        sheet.secondShown = panel.secondShown;
        for (int k = 1; k <= 5; ++k) sheet.pointLines[k] = panel.pointLines[k];
        for (int j = 0; j < 3; ++j) sheet.secondLines[j] = panel.secondLines[j];
    }
}

}  // namespace

void InitMainDialog(DialogHandle dialog, AppState& state) {
    state.plotWindow = CanvasOfControl(dialog, IDC_PLOT);
    // What the user sees in an edit is what is read: no more characters than that.
    for (int id = IDC_VALUE_BASE + 1; id <= IDC_LAUNCH_HEIGHT; ++id) LimitFieldText(dialog, id, kMaxFieldText);
    for (int k = 1; k <= 5; ++k) LimitFieldText(dialog, IDC_POINT_BASE + k, kMaxFieldText);
    SetFieldChecked(dialog, IDC_GIVEN_BASE + ParamVo, true);
    SetFieldChecked(dialog, IDC_GIVEN_BASE + ParamAngle, true);
    for (int i = ParamVx; i <= kParamCount; ++i) EnableField(dialog, IDC_VALUE_BASE + i, false);
    EnablePointPanel(dialog, false);
    ShowSecondSolution(dialog, false, state.pointQuery, state.languageIndex);
    state.motionCase.solved = false;
    state.pointQuery.pointShown = false;
    UpdateCaseCommands(dialog, state);
    ShowLanguage(dialog, state);
    // The disabled point field cannot take keys; the user starts by typing Vo.
    FocusField(dialog, IDC_VALUE_BASE + ParamVo);
}

void UpdateCaseCommands(DialogHandle dialog, AppState& state) {
    const bool solved = state.motionCase.solved;
    if (state.caseCommandsKnown && state.caseCommandsEnabled == solved) return;
    for (int id : {IDM_SAVE_CASE, IDM_COPY_CASE, IDM_EXPORT_TABLE, IDM_SAVE_PICTURE})
        EnableMenuCommand(dialog, id, solved);
    state.caseCommandsEnabled = solved;
    state.caseCommandsKnown = true;
}

void MainDialogCommand(DialogHandle dialog, int id, ControlEvent event, AppState& state) {
    if (HandleToolsCommand(dialog, static_cast<std::uint16_t>(id), state.tools, state.languageIndex)) return;
    if (id > IDC_GIVEN_BASE && id <= IDC_GIVEN_BASE + kParamCount) {
        ReadGivenData(dialog, id, state.motionCase, state.languageIndex);
        return;
    }
    if (id > IDC_POINT_BASE && id <= IDC_POINT_BASE + 5) {
        if (event == ControlEvent::EditChanged) {
            state.lastPointField = static_cast<std::uint16_t>(FocusedField(dialog));
            EnableField(dialog, IDC_POINT_ACCEPT, true);
        }
        return;
    }
    switch (id) {
        case IDC_EXIT: EndDialogWith(dialog, 0); break;
        case IDC_ACCEPT: SolveSequence(dialog, state); break;
        case IDC_POINT_ACCEPT: PointSequence(dialog, state); break;
        case IDM_SAVE_CASE:
            SaveCase(dialog, state.pointQuery, state.pointInput, state.startDirectory, state.motionCase.conditions,
                     state.languageIndex);
            break;
        case IDM_COPY_CASE: CopyCase(dialog, state); break;
        case IDM_SAVE_PICTURE: SavePlotPicture(dialog, state); break;
        case IDM_EXPORT_TABLE:
            if (state.motionCase.solved)
                ExportPathTable(dialog, state.motionCase.solution, state.startDirectory, state.motionCase.conditions,
                                &state.motionCase.flight, state.languageIndex);
            break;
        case IDM_INFO: OpenGuide(state.languageIndex); break;
        case IDM_ABOUT: ShowAbout(Say(Word::AboutTitle, state.languageIndex), state.languageIndex); break;
        case IDM_PLAY: StartPlay(dialog, state); break;
        case IDM_CLEAR_PATHS: ClearPathsCommand(state); break;
        case IDM_CONDITIONS:
            // New conditions solve the case on screen again; the old path joins the earlier ones.
            if (ChooseConditions(dialog, state.conditions, state.languageIndex) && state.motionCase.solved)
                SolveSequence(dialog, state);
            break;
        case IDM_LANGUAGE_CA:
        case IDM_LANGUAGE_EN:
        case IDM_LANGUAGE_ES: ChooseLanguage(dialog, state, id - IDM_LANGUAGE_BASE); break;
        default: break;
    }
}
