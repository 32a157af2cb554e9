// Copy case and Save plot picture through the fakes: what reaches the clipboard and the file,
// drawn by the same code as the drawing area, and what the user is told when it fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/main_dialog.h"
#include "app/point_panel.h"
#include "resources/ids.h"
#include "tests/support/fake_canvas.h"
#include "tests/support/fake_clipboard.h"
#include "tests/support/fake_dialog.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_picture.h"
#include "tests/support/fake_pickers.h"
#include "tests/support/fake_system.h"
#include "tests/support/main_dialog_fake.h"

namespace {

const char kStart[] = "C:\\Work";

std::string Golden(const std::string& name) {
    std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/unit/")) + "/data/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A picture's drawing is the drawing area's, call for call: the same operations, texts, pens
// and colours, at `scale` times the coordinates (within the pixel that rounding may move).
// Freeing a region belongs to no context: those calls are left out of both.
void ExpectSameDrawing(std::vector<CanvasCall> area, std::vector<CanvasCall> picture, int scale) {
    for (auto* calls : {&area, &picture})
        std::erase_if(*calls, [](const CanvasCall& c) { return c.op == CanvasOp::FreeRegion; });
    ASSERT_EQ(area.size(), picture.size());
    for (std::size_t i = 0; i < area.size(); ++i) {
        SCOPED_TRACE(i);
        const CanvasCall &a = area[i], &p = picture[i];
        EXPECT_EQ(a.op, p.op);
        EXPECT_EQ(a.text, p.text);
        EXPECT_EQ(a.pen, p.pen);
        EXPECT_EQ(a.colour, p.colour);
        EXPECT_LE(std::abs(p.x - scale * a.x), scale - 1);
        EXPECT_LE(std::abs(p.y - scale * a.y), scale - 1);
    }
}

class ResultsOut : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = OpenMainDialogFake(state_);
        state_.startDirectory = kStart;
        System().currentDirectory = kStart;
        System().directories = {kStart, "C:\\Pictures"};
        Pickers().browsedDirectory = "C:\\Pictures";
    }
    void TearDown() override {
        EXPECT_EQ(Canvas().openContexts, 0);
        EXPECT_EQ(Canvas().liveRegions, 0);
        EXPECT_EQ(LivePictures(), 0) << "a picture was not freed";
        EXPECT_FALSE(Canvas().misuse);
        EXPECT_EQ(System().currentDirectory, kStart);
    }
    // The worked example with the point at y = 5, whose two passages are marked on the plot;
    // returns the calls of one repaint of the drawing area.
    std::vector<CanvasCall> SolveWithPoint() {
        UserTypes(dialog_, IDC_VALUE_BASE + 1, "20");
        UserTypes(dialog_, IDC_VALUE_BASE + 2, "45");
        UserClicks(dialog_, IDC_ACCEPT);
        UserTypes(dialog_, IDC_POINT_BASE + 2, "5");
        UserClicks(dialog_, IDC_POINT_ACCEPT);
        Canvas().calls.clear();
        RedrawMainPlot(state_);
        std::vector<CanvasCall> repaint = Canvas().calls;
        Canvas().calls.clear();
        return repaint;
    }
    AppState state_;
    DialogHandle dialog_ = nullptr;
};

// Ctrl+C sends Copy case whatever the menu shows (the Wine tests see the menu greyed).
TEST_F(ResultsOut, TheCommandsDoNothingUntilACaseIsSolved) {
    for (int id : {IDM_COPY_CASE, IDM_EXPORT_TABLE, IDM_SAVE_PICTURE}) UserClicks(dialog_, id);
    EXPECT_TRUE(Pickers().saveOwners.empty());
    EXPECT_TRUE(Clipboard().owners.empty());
    EXPECT_TRUE(Canvas().surfaces.empty());
}

// The text is byte for byte what Save case appends; the two pictures are drawn as the drawing
// area is, point marks included, at its size.
TEST_F(ResultsOut, CopyCasePutsTheReportLinesAndThePlotOnTheClipboard) {
    UserTypes(dialog_, IDC_VALUE_BASE + 1, "20");
    UserTypes(dialog_, IDC_VALUE_BASE + 2, "45");
    UserClicks(dialog_, IDC_ACCEPT);
    UserClicks(dialog_, IDM_COPY_CASE);
    EXPECT_EQ(Clipboard().text, Golden("report_worked_example.txt"));

    const std::vector<CanvasCall> area = SolveWithPoint();
    UserClicks(dialog_, IDM_COPY_CASE);
    EXPECT_TRUE(Fake().messages.empty());
    EXPECT_EQ(Clipboard().owners, (std::vector<DialogHandle>{dialog_, dialog_}));
    UserClicks(dialog_, IDM_SAVE_CASE);
    EXPECT_EQ(Clipboard().text, Files().files.at(Pickers().saveChoice));
    const FakeSurface& metafile = Canvas().surfaces.at(Clipboard().metafileSurface - 1);
    const FakeSurface& bitmap = Canvas().surfaces.at(Clipboard().bitmapSurface - 1);
    EXPECT_EQ(metafile.kind, CanvasSurfaceKind::Metafile);
    EXPECT_EQ(bitmap.kind, CanvasSurfaceKind::Bitmap);
    for (const FakeSurface* s : {&metafile, &bitmap}) {
        EXPECT_EQ(s->width, 300);
        EXPECT_EQ(s->height, 100);
        EXPECT_EQ(s->scale, 1);
    }
    ExpectSameDrawing(area, CallsOn(Clipboard().metafileSurface), 1);
    ExpectSameDrawing(area, CallsOn(Clipboard().bitmapSurface), 1);
}

// The marks of a point belong to the case it was asked about: after a new solve no road of the
// drawing (the solve itself, a repaint, Clear earlier paths, Copy case, Save plot picture)
// marks the old point, and each draws what the screen shows.
TEST_F(ResultsOut, AnEarlierCasesPointIsMarkedNowhere) {
    SolveWithPoint();
    UserTypes(dialog_, IDC_VALUE_BASE + 2, "60");
    UserClicks(dialog_, IDC_ACCEPT);
    const std::vector<CanvasCall> solve = Canvas().calls;
    auto marked = [](const std::vector<CanvasCall>& calls) {
        return std::any_of(calls.begin(), calls.end(), [](const CanvasCall& c) {
            return c.pen == CanvasPen::RedDot || c.colour == CanvasColour::Red;
        });
    };
    EXPECT_FALSE(marked(solve)) << "the solve";
    Pickers().saveChoice = "C:\\Pictures\\plot.emf";
    const struct {
        const char* label;
        int command;  // 0: a repaint
        int surface;  // the surface drawn on, 0 for the area
    } roads[] = {{"a repaint", 0, 0}, {"Copy case", IDM_COPY_CASE, 1}, {"Save plot picture", IDM_SAVE_PICTURE, 3},
                 {"Clear earlier paths", IDM_CLEAR_PATHS, 0}};
    for (const auto& road : roads) {
        SCOPED_TRACE(road.label);
        Canvas().calls.clear();
        if (road.command) {
            UserClicks(dialog_, road.command);
        } else {
            RedrawMainPlot(state_);
        }
        const std::vector<CanvasCall> drawn = CallsOn(road.surface);
        ASSERT_FALSE(drawn.empty());
        EXPECT_FALSE(marked(drawn));
        if (road.command != IDM_CLEAR_PATHS) ExpectSameDrawing(solve, drawn, 1);
    }
    EXPECT_EQ(Clipboard().text.find("Point:"), std::string::npos) << "nor does the copy's text tell it";
}

// Copy case tells the case the plot shows: as it was solved, with the point marked on it, not
// what has been typed since (a refused solve, a point field edited and not asked). Save case
// writes the dialog as it stands.
TEST_F(ResultsOut, CopyCaseTellsTheSolvedCaseNotTheFieldsTypedSince) {
    SolveWithPoint();
    UserClicks(dialog_, IDM_SAVE_CASE);
    const std::string solved = Files().files.at(Pickers().saveChoice);
    Files().files.clear();
    UserTypes(dialog_, IDC_VALUE_BASE + 2, "95");  // refused: the angle is out of range
    UserClicks(dialog_, IDC_ACCEPT);
    ASSERT_EQ(Fake().messages.size(), 1u);
    Fake().messages.clear();
    UserTypes(dialog_, IDC_POINT_BASE + 1, "7");  // typed, not asked
    UserClicks(dialog_, IDM_COPY_CASE);
    EXPECT_EQ(Clipboard().text, solved);
    UserClicks(dialog_, IDM_SAVE_CASE);
    const std::string asShown = Files().files.at(Pickers().saveChoice);
    EXPECT_NE(asShown.find("angle\t95\t*"), std::string::npos) << asShown;
    // A point asked and refused leaves the marks, and the copy, as they were.
    UserTypes(dialog_, IDC_POINT_BASE + 2, "11");  // above the highest point
    UserClicks(dialog_, IDC_POINT_ACCEPT);
    ASSERT_EQ(Fake().messages.size(), 1u);
    UserClicks(dialog_, IDM_COPY_CASE);
    EXPECT_EQ(Clipboard().text, solved);
}

// PNG unless the name ends in .emf: a bitmap drawn again at twice the area's size, or a
// metafile at its size. The drawing area's own frame is left as the screen shows it.
TEST_F(ResultsOut, SavePlotPictureWritesAPngOrAnEmfByTheName) {
    const struct {
        const char* path;
        CanvasSurfaceKind kind;
        int scale;
        const char* bytes;  // as the fake encoder writes them
    } cases[] = {
        {"C:\\Pictures\\plot.png", CanvasSurfaceKind::Bitmap, 2, "PNG 600x200"},
        {"C:\\Pictures\\plot", CanvasSurfaceKind::Bitmap, 2, "PNG 600x200"},
        {"C:\\Pictures\\plot.EMF", CanvasSurfaceKind::Metafile, 1, "EMF 300x100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        SetUp();
        const std::vector<CanvasCall> area = SolveWithPoint();
        const PlotFrame before = state_.plotFrame;
        Pickers().saveChoice = c.path;
        UserClicks(dialog_, IDM_SAVE_PICTURE);
        EXPECT_TRUE(Fake().messages.empty());
        EXPECT_EQ(Pickers().newFileKinds, std::vector<NewFileKind>{NewFileKind::PlotPicture});
        EXPECT_EQ(Files().files, (std::map<std::string, std::string>{{c.path, c.bytes}}));
        ASSERT_EQ(Canvas().surfaces.size(), 1u);
        EXPECT_EQ(Canvas().surfaces[0].kind, c.kind);
        EXPECT_EQ(Canvas().surfaces[0].scale, c.scale);
        ExpectSameDrawing(area, CallsOn(1), c.scale);
        EXPECT_EQ(state_.plotFrame.x1, before.x1);
        EXPECT_EQ(state_.plotFrame.sx, before.sx);
    }
}

TEST_F(ResultsOut, AFailedPictureLeavesTheFileAsItWasAndSaysWhy) {
    const char kPath[] = "C:\\Pictures\\plot.png";
    const struct {
        const char* label;
        bool noEncoder, readOnly;
        const char* text;
    } cases[] = {
        {"no imaging components", true, false, "The picture could not be made; nothing was written."},
        {"read-only file", false, true,
         "The file cannot be replaced (it is read-only or in use); it is as it was:\r\nC:\\Pictures\\plot.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SetUp();
        SolveWithPoint();
        Files().files[kPath] = "the user's picture";
        Pickers().saveChoice = kPath;
        PictureEncoder().fail = c.noEncoder;
        if (c.readOnly) Files().readOnly.insert(kPath);
        UserClicks(dialog_, IDM_SAVE_PICTURE);
        EXPECT_EQ(Files().files, (std::map<std::string, std::string>{{kPath, "the user's picture"}}));
        ASSERT_EQ(Fake().messages.size(), 1u);
        EXPECT_EQ(Fake().messages[0].caption, "Save plot picture");
        EXPECT_EQ(Fake().messages[0].text, c.text);
    }
}

}  // namespace
