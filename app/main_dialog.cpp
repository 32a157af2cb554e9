#include "app/main_dialog.h"

#include "about/about.h"
#include "app/given.h"
#include "physics/motion.h"
#include "physics/point.h"
#include "plot/trajectory.h"
#include "report/report.h"
#include "resources/ids.h"
#include "tools/launch.h"
#include "tools/tools_menu.h"
#include "ui/numtext.h"

std::int32_t LanguageIndex = 1;
std::string startDirectory;
std::uint16_t lastPointField;
std::uint16_t pointInput;

namespace {

void SolveSequence(DialogHandle dialog) {
    if (!ReadGivenData(dialog, IDC_ACCEPT) || !CheckGivenData()) return;
    MotionCase& mc = motionCase;
    SolveResult result = SolveCase(mc.given.first, mc.given.second);
    if (result != SolveResult::Solved) {
        ShowMessage(SolveFailureCaption(), SolveFailureText(result));
        return;
    }
    for (int i = 1; i <= kParamCount; ++i) {
        if (!(mc.givenMask & (1u << i)))
            SetFieldText(dialog, IDC_VALUE_BASE + i, FormatFixed(mc.values[i], 6, 3));
    }
    mc.solved = true;  // before drawing: a case without movement can still be saved
    if (DrawTrajectory())
        EnablePointPanel(dialog, true);
    else
        ShowMessage("Nohing to do ", "There is not movement");
}

// Point Accept: the field the user last typed into is the question; all four steps run whatever
// the query found, so a refusal shows the last good point again.
void PointSequence(DialogHandle dialog) {
    // The whole id, not only its low byte, must name a point field: k indexes the point.
    if (lastPointField <= IDC_POINT_BASE || lastPointField > IDC_POINT_BASE + 5) return;
    pointInput = lastPointField;
    const int k = lastPointField - IDC_POINT_BASE;
    const PointError code = QueryPoint(dialog, k);
    ReportPointError(code, k);
    ShowPoint(dialog, pointQuery.first, pointInput);
    ShowSecondSolution(dialog, pointQuery.solutionCount == 2);
}

}  // namespace

void EnablePointPanel(DialogHandle dialog, bool enable) {
    EnableField(dialog, IDC_POINT_GROUP, enable);
    for (int k = 1; k <= 5; ++k) {
        EnableField(dialog, IDC_POINT_BASE + k, enable);
        EnableField(dialog, IDC_POINT_GROUP + k, enable);
    }
    EnableField(dialog, IDC_POINT_ACCEPT, enable);
    FocusField(dialog, IDC_POINT_BASE + 1);
}

void InitMainDialog(DialogHandle dialog) {
    SetFieldChecked(dialog, IDC_GIVEN_BASE + ParamVo, true);
    SetFieldChecked(dialog, IDC_GIVEN_BASE + ParamAngle, true);
    for (int i = ParamVx; i <= kParamCount; ++i) EnableField(dialog, IDC_VALUE_BASE + i, false);
    EnablePointPanel(dialog, false);
    ShowSecondSolution(dialog, false);
    motionCase.solved = false;
    pointQuery.pointShown = false;
    // The disabled point field cannot take keys; the user starts by typing Vo.
    FocusField(dialog, IDC_VALUE_BASE + ParamVo);
}

void MainDialogCommand(DialogHandle dialog, int id, unsigned code) {
    if (HandleToolsCommand(static_cast<std::uint16_t>(id))) return;
    if (id > IDC_GIVEN_BASE && id <= IDC_GIVEN_BASE + kParamCount) {
        ReadGivenData(dialog, id);
        return;
    }
    if (id > IDC_POINT_BASE && id <= IDC_POINT_BASE + 5) {
        if (code == kEditChange) {
            lastPointField = static_cast<std::uint16_t>(FocusedField(dialog));
            EnableField(dialog, IDC_POINT_ACCEPT, true);
        }
        return;
    }
    switch (id) {
        case IDC_EXIT: EndDialogWith(dialog, 0); break;
        case IDC_ACCEPT: SolveSequence(dialog); break;
        case IDC_POINT_ACCEPT: PointSequence(dialog); break;
        case IDM_SAVE_CASE: SaveCase(dialog); break;
        case IDM_INFO: RunCommand("Ovanta.pdf"); break;
        case IDM_ABOUT: ShowAbout("Ovanta movement: calculations"); break;
        default: break;
    }
}
