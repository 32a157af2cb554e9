#include "app/conditions_dialog.h"

#include <cmath>

#include "platform/list_field.h"
#include "platform/modal_dialog.h"
#include "resources/ids.h"
#include "text/conditions_text.h"
#include "text/message_box.h"
#include "text/number_text.h"

namespace {

struct DialogState {
    Conditions conditions;
    int language;
    bool filling;  // the dialog writes its own edits: their changes are not the user's
};

constexpr int kBallEdits[] = {IDC_COND_MASS, IDC_COND_DIAMETER, IDC_COND_CD};

// An edit's number; NaN for anything else, which the checks refuse.
double EditValue(DialogHandle dialog, int id) {
    double value = 0;
    return ParseReal(TrimBlanks(GetFieldText(dialog, id)), value) && !GetFieldText(dialog, id).empty() ? value : NAN;
}

void Write(DialogHandle dialog, DialogState& s, int id, double value) {
    s.filling = true;
    SetFieldText(dialog, id, FormatShortest(value));
    s.filling = false;
}

// The conditions as the dialog shows them now; the lists name a choice only while the edits
// still hold its values.
Conditions Shown(DialogHandle dialog) {
    Conditions c;
    c.g = EditValue(dialog, IDC_COND_G);
    c.air = IsFieldChecked(dialog, IDC_COND_AIR);
    const int world = SelectedListLine(dialog, IDC_COND_WORLD);
    c.world = world >= 0 && world < kWorldCount && kWorlds[world].g == c.g ? world : kWorldOther;
    if (!c.air) return c;
    c.mass = EditValue(dialog, IDC_COND_MASS);
    c.diameter = EditValue(dialog, IDC_COND_DIAMETER);
    c.cd = EditValue(dialog, IDC_COND_CD);
    c.rho = EditValue(dialog, IDC_COND_RHO);
    const int ball = SelectedListLine(dialog, IDC_COND_BALL);
    const bool same = ball >= 0 && ball < kBallCount && kBalls[ball].mass == c.mass &&
                      kBalls[ball].diameter == c.diameter && kBalls[ball].cd == c.cd;
    c.ball = same ? ball : kBallOther;
    return c;
}

void ShowSummary(DialogHandle dialog, const DialogState& s) {
    SetFieldText(dialog, IDC_COND_SUMMARY, DragSummary(Shown(dialog), s.language));
}

void EnableAir(DialogHandle dialog, bool air) {
    for (int id = IDC_COND_BALL; id <= IDC_COND_RHO; ++id) EnableField(dialog, id, air);
    for (int label = IDC_COND_LABEL + 3; label <= IDC_COND_LABEL + 7; ++label) EnableField(dialog, label, air);
}

void Init(DialogHandle dialog, void* context) {
    DialogState& s = *static_cast<DialogState*>(context);
    const Conditions& c = s.conditions;
    SetWindowCaption(dialog, Say(Word::ConditionsTitle, s.language));
    const struct {
        int id;
        Word word;
    } labels[] = {{IDC_COND_LABEL, Word::ConditionsWorldLabel},     {IDC_COND_LABEL + 1, Word::ConditionsGravityLabel},
                  {IDC_COND_AIR, Word::ConditionsAirBox},           {IDC_COND_LABEL + 3, Word::ConditionsBallLabel},
                  {IDC_COND_LABEL + 4, Word::ConditionsMassLabel},  {IDC_COND_LABEL + 5, Word::ConditionsDiameterLabel},
                  {IDC_COND_LABEL + 6, Word::ConditionsCdLabel},    {IDC_COND_LABEL + 7, Word::ConditionsDensityLabel},
                  {IDC_COND_OK, Word::ConditionsOk},                {IDC_COND_CANCEL, Word::ConditionsCancel}};
    for (const auto& label : labels) SetFieldText(dialog, label.id, Say(label.word, s.language));
    ClearListField(dialog, IDC_COND_WORLD);
    for (int w = 0; w <= kWorldCount; ++w) AddListLine(dialog, IDC_COND_WORLD, WorldName(w < kWorldCount ? w : kWorldOther, s.language));
    ClearListField(dialog, IDC_COND_BALL);
    for (int b = 0; b <= kBallCount; ++b) AddListLine(dialog, IDC_COND_BALL, BallName(b < kBallCount ? b : kBallOther, s.language));
    SelectListLine(dialog, IDC_COND_WORLD, c.world >= 0 ? c.world : kWorldCount);
    const int ball = c.air ? (c.ball >= 0 ? c.ball : kBallCount) : 0;
    SelectListLine(dialog, IDC_COND_BALL, ball);
    // Without air the edits show the first ball, ready for the check box.
    const BallPreset& preset = kBalls[ball < kBallCount ? ball : 0];
    Write(dialog, s, IDC_COND_G, c.g);
    Write(dialog, s, IDC_COND_MASS, c.air ? c.mass : preset.mass);
    Write(dialog, s, IDC_COND_DIAMETER, c.air ? c.diameter : preset.diameter);
    Write(dialog, s, IDC_COND_CD, c.air ? c.cd : preset.cd);
    Write(dialog, s, IDC_COND_RHO, c.rho);
    SetFieldChecked(dialog, IDC_COND_AIR, c.air);
    EnableAir(dialog, c.air);
    ShowSummary(dialog, s);
    FocusField(dialog, IDC_COND_G);
}

void Accept(DialogHandle dialog, DialogState& s) {
    const Conditions c = Shown(dialog);
    const ConditionsFault fault = CheckConditions(c);
    if (fault != ConditionsFault::None) {
        ShowMessage(ConditionsFaultMessage(fault, s.language), MessageIcon::Exclamation);
        return;
    }
    s.conditions = c;
    EndDialogWith(dialog, IDC_COND_OK);
}

void Command(DialogHandle dialog, int id, ControlEvent event, void* context) {
    DialogState& s = *static_cast<DialogState*>(context);
    if (id == IDC_COND_WORLD && event == ControlEvent::ListSelectionChanged) {
        const int w = SelectedListLine(dialog, IDC_COND_WORLD);
        if (w >= 0 && w < kWorldCount) Write(dialog, s, IDC_COND_G, kWorlds[w].g);
    } else if (id == IDC_COND_BALL && event == ControlEvent::ListSelectionChanged) {
        const int b = SelectedListLine(dialog, IDC_COND_BALL);
        if (b >= 0 && b < kBallCount) {
            const double values[] = {kBalls[b].mass, kBalls[b].diameter, kBalls[b].cd};
            for (int i = 0; i < 3; ++i) Write(dialog, s, kBallEdits[i], values[i]);
        }
    } else if (id == IDC_COND_AIR) {
        EnableAir(dialog, IsFieldChecked(dialog, IDC_COND_AIR));
    } else if (event == ControlEvent::EditChanged && !s.filling) {
        // A value typed in is the user's own: the list says "Other".
        if (id == IDC_COND_G) SelectListLine(dialog, IDC_COND_WORLD, kWorldCount);
        if (id >= IDC_COND_MASS && id <= IDC_COND_CD) SelectListLine(dialog, IDC_COND_BALL, kBallCount);
    } else if (id == IDC_COND_OK) {
        return Accept(dialog, s);
    } else if (id == IDC_COND_CANCEL) {
        return EndDialogWith(dialog, IDC_COND_CANCEL);
    }
    if (!s.filling) ShowSummary(dialog, s);
}

}  // namespace

bool ChooseConditions(DialogHandle owner, Conditions& conditions, int languageIndex) {
    DialogState state{conditions, languageIndex, false};
    const DialogHandlers handlers{Init, Command, &state};
    if (RunModalDialog(owner, "DlgConditions", handlers) != IDC_COND_OK) return false;
    conditions = state.conditions;
    return true;
}
