#include "app/results_out.h"

#include <string>

#include "app/point_panel.h"
#include "platform/clipboard.h"
#include "platform/picture.h"
#include "platform/pickers.h"
#include "platform/safe_file.h"
#include "platform/system.h"
#include "report/report.h"
#include "text/message_box.h"

namespace {

// The plot drawn into a new surface; null when no surface could be had.
CanvasPicture PlotPicture(const AppState& state, CanvasSurfaceKind kind, int scale) {
    int width = 0, height = 0;
    if (!CanvasClientSize(state.plotWindow, width, height)) return nullptr;
    CanvasWindow surface = CanvasOpenSurface(kind, width * scale, height * scale, scale);
    if (!surface) return nullptr;
    PlotFrame frame{};  // its own frame: the drawing area's stays as the screen shows it
    DrawMainPlot(state, frame, surface);
    return CanvasCloseSurface(surface);
}

bool EndsWithEmf(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end = path.substr(path.size() - 4);
    for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return end == ".emf";
}

}  // namespace

void CopyCase(DialogHandle dialog, const AppState& state) {
    if (!state.motionCase.solved) return;
    // The case as it was solved, with the point the plot marks: the picture beside it shows
    // the same, whatever has been typed into the fields since.
    const int language = state.languageIndex;
    std::string text;
    for (const std::string& line : ReportLines(state.solvedSheet, language)) text += line;
    CanvasPicture metafile = PlotPicture(state, CanvasSurfaceKind::Metafile, 1);
    CanvasPicture bitmap = PlotPicture(state, CanvasSurfaceKind::Bitmap, 1);
    const ClipboardResult result = CopyToClipboard(dialog, text, metafile, bitmap);
    CanvasFreePicture(metafile);
    CanvasFreePicture(bitmap);
    if (result == ClipboardResult::InUse)
        ShowMessage(MessageOf(Word::CopyCaseCaption, Word::ClipboardInUse, language), MessageIcon::Exclamation);
    if (result == ClipboardResult::Failed)
        ShowMessage(MessageOf(Word::CopyCaseCaption, Word::ClipboardFailed, language), MessageIcon::Exclamation);
}

void SavePlotPicture(DialogHandle dialog, const AppState& state) {
    if (!state.motionCase.solved) return;
    const int language = state.languageIndex;
    std::string path;
    const FileDialogWords words = {Say(Word::SavePlotPictureCaption, language),
                                   {Say(Word::PngFiles, language), Say(Word::EmfFiles, language)},
                                   Say(Word::PlotPictureName, language)};
    if (!ChooseFileToSave(dialog, NewFileKind::PlotPicture, state.startDirectory, path, words)) return;
    const bool emf = EndsWithEmf(path);
    CanvasPicture picture = PlotPicture(state, emf ? CanvasSurfaceKind::Metafile : CanvasSurfaceKind::Bitmap,
                                        emf ? 1 : 2);
    std::string bytes;
    const bool encoded = picture && PictureFileBytes(picture, bytes);
    CanvasFreePicture(picture);
    if (!encoded) {
        ShowMessage(MessageOf(Word::SavePlotPictureCaption, Word::PictureFailed, language), MessageIcon::Exclamation);
        return;
    }
    const SaveOutcome outcome = SaveWholeFile(path, {bytes});
    if (outcome != SaveOutcome::Saved)
        ShowFileMessage(Say(Word::SavePlotPictureCaption, language), SaveFailureReason(outcome, language), path,
                        MessageIcon::Exclamation);
}
