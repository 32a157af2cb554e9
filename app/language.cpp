#include "app/language.h"

#include "app/plot_view.h"
#include "app/point_panel.h"
#include "platform/menu.h"
#include "resources/ids.h"
#include "text/words.h"

namespace {

// The main dialog's controls that hold words, and the words.
struct Label {
    int id;
    Word word;
};
constexpr Label kDialogLabels[] = {
    {IDC_PARAM_FRAME, Word::ParametersFrame},
    {IDC_PARAM_HEADS, Word::ParameterHeads},
    {IDC_PARAM_LABEL_BASE + ParamVo, Word::LabelVo},
    {IDC_PARAM_LABEL_BASE + ParamAngle, Word::LabelAngle},
    {IDC_PARAM_LABEL_BASE + ParamVx, Word::LabelVx},
    {IDC_PARAM_LABEL_BASE + ParamVy0, Word::LabelVy0},
    {IDC_PARAM_LABEL_BASE + ParamReach, Word::LabelReach},
    {IDC_PARAM_LABEL_BASE + ParamHeight, Word::LabelHeight},
    {IDC_PARAM_LABEL_BASE + ParamTime, Word::LabelTime},
    {IDC_ACCEPT, Word::AcceptButton},
    {IDC_POINT_GROUP, Word::PointFrame},
    {IDC_POINT_ACCEPT, Word::AcceptButton},
    {IDC_EXIT, Word::ExitButton},
};

// The menu bar: its popups by position, then its commands. The tools' own titles are the
// user's and stay as they are.
constexpr Word kPopups[] = {Word::MenuFile, Word::MenuTools, Word::MenuInfo, Word::MenuLanguage};
constexpr int kLanguagePopup = 4;
constexpr Label kMenuCommands[] = {
    {IDM_SAVE_CASE, Word::MenuSaveCase},
    {IDM_COPY_CASE, Word::MenuCopyCaseFile},
    {IDM_EXPORT_TABLE, Word::MenuExportTable},
    {IDM_SAVE_PICTURE, Word::MenuSavePictureFile},
    {IDC_EXIT, Word::MenuExit},
    {IDM_TOOLS_EDITION, Word::MenuToolsEdition},
    {IDM_INFO, Word::MenuGuide},
    {IDM_ABOUT, Word::MenuAbout},
    {IDM_CONDITIONS, Word::MenuConditions},
    {IDM_LANGUAGE_CA, Word::LanguageCatalan},
    {IDM_LANGUAGE_EN, Word::LanguageEnglish},
    {IDM_LANGUAGE_ES, Word::LanguageSpanish},
};

}  // namespace

int StartLanguage(int remembered, DisplayLanguage display) {
    if (remembered >= 0 && remembered < kLanguageCount) return remembered;
    switch (display) {
        case DisplayLanguage::Catalan: return kCatalan;
        case DisplayLanguage::Spanish: return kSpanish;
        case DisplayLanguage::Other: break;
    }
    return kEnglish;
}

void ShowLanguage(DialogHandle dialog, const AppState& state) {
    const int language = state.languageIndex;
    for (const Label& label : kDialogLabels) SetFieldText(dialog, label.id, Say(label.word, language));
    for (int position = 1; position <= kLanguagePopup; ++position)
        SetMenuPopupText(dialog, position, Say(kPopups[position - 1], language));
    for (const Label& command : kMenuCommands) SetMenuCommandText(dialog, command.id, Say(command.word, language));
    CheckMenuChoice(dialog, kLanguagePopup, IDM_LANGUAGE_CA, IDM_LANGUAGE_ES, IDM_LANGUAGE_BASE + language);
    if (!state.view.hovering && !state.view.playing) ShowCaseStatus(dialog, state);
    ShowSecondSolution(dialog, state.pointQuery.solutionCount == 2, state.pointQuery, language);
}

void ChooseLanguage(DialogHandle dialog, AppState& state, int language) {
    if (language < 0 || language >= kLanguageCount) return;
    state.languageIndex = language;
    RememberLanguage(language);
    ShowLanguage(dialog, state);
}
