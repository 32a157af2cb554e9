// Copy case, Export path table and Save plot picture in the real Ovanta.exe under Wine: the
// clipboard read back from this process, the real save dialog, the files decoded, refusals.
#include <gtest/gtest.h>

#include <wincodec.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "tests/win32/driver.h"

namespace {

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    return folder + name;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// WaitFor with a millisecond between looks, for the timings.
template <typename Condition>
bool WaitClosely(Condition condition, double milliseconds = 3000) {
    const auto start = std::chrono::steady_clock::now();
    while (!condition()) {
        if (MillisecondsSince(start) > milliseconds) return false;
        Sleep(1);
    }
    return true;
}

// What the clipboard holds, read as another program reads it.
struct ClipboardSeen {
    bool opened = false;
    std::string text;
    Capture bitmap;    // CF_DIB; empty when missing
    Capture metafile;  // CF_ENHMETAFILE played at the bitmap's size; empty when missing
};

ClipboardSeen ReadClipboard() {
    ClipboardSeen seen;
    seen.opened = WaitFor([] { return OpenClipboard(nullptr) != 0; }, 2000);
    if (!seen.opened) return seen;
    if (HANDLE text = GetClipboardData(CF_TEXT)) {
        seen.text = static_cast<const char*>(GlobalLock(text));
        GlobalUnlock(text);
    }
    if (HANDLE dib = GetClipboardData(CF_DIB)) {
        seen.bitmap = CaptureOfDib(static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib)));
        GlobalUnlock(dib);
    }
    if (HANDLE metafile = GetClipboardData(CF_ENHMETAFILE))
        seen.metafile = RenderMetafile(static_cast<HENHMETAFILE>(metafile), seen.bitmap.width, seen.bitmap.height);
    CloseClipboard();
    return seen;
}

int CountPixels(const Capture& capture, COLORREF colour) {
    return static_cast<int>(std::count_if(capture.pixels.begin(), capture.pixels.end(), [&](std::uint32_t p) {
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) == colour;
    }));
}

// Ctrl+C as the keyboard sends it, to the focused control of the window in front.
void PressCtrlC() {
    INPUT keys[4] = {};
    const WORD codes[] = {VK_CONTROL, 'C', 'C', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, keys, sizeof keys[0]);
}

// A PNG file decoded by Windows' imaging components into 32-bit pixels.
Capture DecodePng(const std::string& path) {
    Capture picture;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    std::wstring name(path.begin(), path.end());
    UINT width = 0, height = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(name.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom))) {
        picture.pixels.resize(static_cast<size_t>(width) * height);
        if (SUCCEEDED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                            reinterpret_cast<BYTE*>(picture.pixels.data())))) {
            picture.width = static_cast<int>(width);
            picture.height = static_cast<int>(height);
        }
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, factory})
        if (object) object->Release();
    CoUninitialize();
    return picture;
}

class ResultsOut : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = StartOvanta(process_);
        ASSERT_NE(dialog_, nullptr);
        RECT area;
        GetClientRect(GetDlgItem(dialog_, 0), &area);
        areaWidth_ = area.right;
        areaHeight_ = area.bottom;
    }
    void TearDown() override {
        PostMessageA(dialog_, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitExit(process_, 5000), 0);
    }
    void SolveWorkedExample() {
        TypeInto(dialog_, IDC_VALUE_BASE + 1, "20");
        TypeInto(dialog_, IDC_VALUE_BASE + 2, "45");
        Click(dialog_, IDC_ACCEPT);
        ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 7) != ""; }));
    }
    // A menu command that opens the save dialog; the dialog, owned by the main one, which it
    // disables while it is open.
    HWND OpenSaveDialog(int id) {
        Command(dialog_, id);
        MessageBoxSeen box = WaitMessageBox(dialog_);
        EXPECT_NE(box.window, nullptr) << "no save dialog";
        EXPECT_FALSE(IsWindowEnabled(dialog_));
        return box.window;
    }
    bool WaitSaveDialogClosed(HWND box) {
        return WaitFor([&] { return !IsWindow(box) && IsWindowEnabled(dialog_) != 0; });
    }
    // The copy made by the command (the clipboard's contents changed), as another program sees it.
    ClipboardSeen CopyAndRead(void (*copy)(HWND), double* milliseconds = nullptr) {
        const DWORD before = GetClipboardSequenceNumber();
        const auto start = std::chrono::steady_clock::now();
        copy(dialog_);
        EXPECT_TRUE(WaitClosely([&] { return GetClipboardSequenceNumber() != before; }));
        EXPECT_TRUE(WaitClosely([] { return IsClipboardFormatAvailable(CF_DIB) != 0; }));
        if (milliseconds) *milliseconds = MillisecondsSince(start);
        return ReadClipboard();
    }

    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
    int areaWidth_ = 0, areaHeight_ = 0;
};

// The text is byte for byte what Save case appends; the metafile, played at the drawing
// area's size, shows what the bitmap shows.
TEST_F(ResultsOut, CopyCaseFillsTheClipboardForOtherPrograms) {
    SolveWorkedExample();
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        double ms = 0;
        ClipboardSeen seen = CopyAndRead([](HWND dialog) { Command(dialog, IDM_COPY_CASE); }, &ms);
        times.push_back(ms);
        ASSERT_TRUE(seen.opened);
        ASSERT_EQ(seen.text, Golden("report_worked_example.txt"));
        ASSERT_EQ(seen.bitmap.width, areaWidth_);
        ASSERT_EQ(seen.bitmap.height, areaHeight_);
        ASSERT_EQ(seen.metafile.pixels.size(), seen.bitmap.pixels.size());
        if (i > 0) continue;
        const int blue = CountPixels(seen.bitmap, RGB(0, 100, 200));
        EXPECT_GT(blue, 100);  // the reach dimension and the apex line
        EXPECT_GT(CountPixels(seen.bitmap, RGB(0, 0, 0)), 500);
        size_t same = 0;
        for (size_t p = 0; p < seen.bitmap.pixels.size(); ++p) same += seen.bitmap.pixels[p] == seen.metafile.pixels[p];
        EXPECT_GT(same, seen.bitmap.pixels.size() * 99 / 100);  // the texts may be smoothed otherwise
    }
    std::sort(times.begin(), times.end());
    std::printf("Copy case: menu command to the clipboard filled, median of 9: %.1f ms\n", times[4]);
}

// Ctrl+C in an edit with a selection copies that text; anywhere else it copies the case.
TEST_F(ResultsOut, CtrlCCopiesTheCaseExceptAnEditsSelection) {
    SolveWorkedExample();
    SetForegroundWindow(dialog_);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == dialog_; }));
    // The solve left the focus in the point panel's empty x field: nothing is selected there.
    ClipboardSeen seen = CopyAndRead([](HWND) { PressCtrlC(); });
    EXPECT_EQ(seen.text, Golden("report_worked_example.txt"));

    HWND angle = GetDlgItem(dialog_, IDC_VALUE_BASE + 2);
    PostMessageA(angle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(angle, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(angle, EM_SETSEL, 0, -1);
    Sleep(200);
    const DWORD before = GetClipboardSequenceNumber();
    PressCtrlC();
    ASSERT_TRUE(WaitFor([&] { return GetClipboardSequenceNumber() != before; }, 3000));
    Sleep(200);  // a copy of the case would follow at once
    seen = ReadClipboard();
    EXPECT_EQ(seen.text, "45");
    EXPECT_TRUE(seen.bitmap.pixels.empty());
}

// After a solve the program puts the focus in the point panel's x field and selects the old
// point's text, so that typing replaces it: Ctrl+C there copies the case, not that text. Once
// the user acts in the field, a selection is theirs again.
TEST_F(ResultsOut, CtrlCCopiesTheCaseOverASelectionTheProgramMade) {
    SetForegroundWindow(dialog_);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == dialog_; }));
    SolveWorkedExample();
    TypeInto(dialog_, IDC_POINT_BASE + 1, "10");
    Click(dialog_, IDC_POINT_ACCEPT);
    ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_POINT_BASE + 1) == " 10.00"; }));
    TypeInto(dialog_, IDC_VALUE_BASE + 2, "60");
    Click(dialog_, IDC_ACCEPT);  // a new case: the focus goes back to the x field
    ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 3) == "10.000"; }));
    HWND x = GetDlgItem(dialog_, IDC_POINT_BASE + 1);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(WaitFor([&] { return GetGUIThreadInfo(process_.dwThreadId, &info) && info.hwndFocus == x; }));
    Sleep(200);
    DWORD start = 0, end = 0;
    SendMessageA(x, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    ASSERT_EQ(end - start, 6u) << "the program selected the old value";
    ClipboardSeen seen = CopyAndRead([](HWND) { PressCtrlC(); });
    EXPECT_EQ(seen.text.find("\r\nOvanta movement\r\n"), 0u) << seen.text;

    PostMessageA(x, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(x, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(x, EM_SETSEL, 0, -1);
    Sleep(200);
    const DWORD before = GetClipboardSequenceNumber();
    PressCtrlC();
    ASSERT_TRUE(WaitFor([&] { return GetClipboardSequenceNumber() != before; }, 3000));
    Sleep(200);
    EXPECT_EQ(ReadClipboard().text, " 10.00");
}

// After a new solve and a refused one, the copy tells and shows the case solved last: its
// fields as they were solved, no point of the case before it in the text or in the pictures.
TEST_F(ResultsOut, CopyCaseTellsAndShowsTheCaseSolvedLast) {
    SolveWorkedExample();
    TypeInto(dialog_, IDC_POINT_BASE + 2, "5");
    Click(dialog_, IDC_POINT_ACCEPT);
    ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_POINT_BASE + 5) != ""; }));
    TypeInto(dialog_, IDC_VALUE_BASE + 2, "60");
    Click(dialog_, IDC_ACCEPT);
    ASSERT_TRUE(WaitFor([&] { return FieldText(dialog_, IDC_VALUE_BASE + 3) == "10.000"; }));
    TypeInto(dialog_, IDC_VALUE_BASE + 2, "95");
    Click(dialog_, IDC_ACCEPT);
    MessageBoxSeen box = WaitMessageBox(dialog_);
    ASSERT_NE(box.window, nullptr);
    PressButton(box.window, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box.window); }));
    ClipboardSeen seen = CopyAndRead([](HWND dialog) { Command(dialog, IDM_COPY_CASE); });
    EXPECT_NE(seen.text.find("angle\t60\t*\r\nVx\t10.000\t\r\n"), std::string::npos) << seen.text;
    EXPECT_EQ(seen.text.find("Point:"), std::string::npos) << seen.text;
    EXPECT_GT(CountPixels(seen.bitmap, RGB(0, 100, 200)), 100);
    EXPECT_EQ(CountPixels(seen.bitmap, RGB(250, 0, 0)), 0) << "the marks of the case before";
    EXPECT_EQ(CountPixels(seen.metafile, RGB(250, 0, 0)), 0);
    EXPECT_EQ(CountPixels(CaptureWindow(GetDlgItem(dialog_, 0)), RGB(250, 0, 0)), 0) << "on screen";
}

TEST_F(ResultsOut, AClipboardHeldByAnotherProgramIsReported) {
    SolveWorkedExample();
    ASSERT_TRUE(OpenClipboard(nullptr));
    Command(dialog_, IDM_COPY_CASE);
    MessageBoxSeen box = WaitMessageBox(dialog_);
    CloseClipboard();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption, "Copy case");
    EXPECT_EQ(box.text, "Another program is using the clipboard; nothing was copied. Try again.");
    PressButton(box.window, IDOK);
    ClipboardSeen seen = CopyAndRead([](HWND dialog) { Command(dialog, IDM_COPY_CASE); });
    EXPECT_EQ(seen.text, Golden("report_worked_example.txt"));
}

// The real save dialog proposes path.csv; an existing file is replaced only once the user
// says so in the dialog's own question.
TEST_F(ResultsOut, ExportWritesThePathTableThroughTheSaveDialog) {
    const std::string path = TempPath("Ovanta table\\path table.csv");
    CreateDirectoryA(TempPath("Ovanta table").c_str(), nullptr);
    DeleteFileA(path.c_str());
    SolveWorkedExample();

    auto start = std::chrono::steady_clock::now();
    HWND box = OpenSaveDialog(IDM_EXPORT_TABLE);
    ASSERT_NE(box, nullptr);
    std::printf("Export path table: menu command to the save dialog shown: %.1f ms\n", MillisecondsSince(start));
    EXPECT_EQ(TextOf(SaveDialogNameField(box)), "path.csv");
    start = std::chrono::steady_clock::now();
    PressSaveAs(box, path);
    const std::string golden = Golden("path_table_worked_example.csv");
    EXPECT_TRUE(WaitClosely([&] { return ReadFile(path) == golden; }));
    std::printf("Export path table: Save pressed to the CSV written: %.1f ms\n", MillisecondsSince(start));
    ASSERT_TRUE(WaitSaveDialogClosed(box));

    std::ofstream(path, std::ios::binary) << "old";
    box = OpenSaveDialog(IDM_EXPORT_TABLE);
    ASSERT_NE(box, nullptr);
    PressSaveAs(box, path);
    MessageBoxSeen question = WaitMessageBox(box);
    ASSERT_NE(question.window, nullptr) << "no question before replacing the file";
    Sleep(200);
    EXPECT_EQ(ReadFile(path), "old");
    PressButton(question.window, IDYES);
    ASSERT_TRUE(WaitSaveDialogClosed(box));
    EXPECT_TRUE(WaitFor([&] { return ReadFile(path) == golden; }));
    DeleteFileA(path.c_str());
}

// A PNG of twice the drawing area's size, decoded; an EMF when the name says so.
TEST_F(ResultsOut, SavePlotPictureWritesAPngAtTwiceTheAreasSize) {
    SolveWorkedExample();
    const std::string png = TempPath("ovanta plot.png"), emf = TempPath("ovanta plot.emf");
    DeleteFileA(png.c_str());
    DeleteFileA(emf.c_str());
    HWND box = OpenSaveDialog(IDM_SAVE_PICTURE);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(SaveDialogNameField(box)), "plot.png");
    PressSaveAs(box, png);
    ASSERT_TRUE(WaitSaveDialogClosed(box));
    ASSERT_TRUE(WaitFor([&] { return DecodePng(png).width > 0; }));
    const Capture picture = DecodePng(png);
    EXPECT_EQ(picture.width, 2 * areaWidth_);
    EXPECT_EQ(picture.height, 2 * areaHeight_);
    EXPECT_GT(CountPixels(picture, RGB(0, 100, 200)), 400);
    EXPECT_GT(CountPixels(picture, RGB(255, 255, 255)), static_cast<int>(picture.pixels.size()) * 3 / 4);
    if (!ProgramPath("OVANTA_ARTIFACTS").empty())
        CopyFileA(png.c_str(), (ProgramPath("OVANTA_ARTIFACTS") + "\\plot-picture.png").c_str(), FALSE);

    box = OpenSaveDialog(IDM_SAVE_PICTURE);
    ASSERT_NE(box, nullptr);
    PressSaveAs(box, emf);
    ASSERT_TRUE(WaitSaveDialogClosed(box));
    HENHMETAFILE metafile = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (metafile = GetEnhMetaFileA(emf.c_str())) != nullptr; }));
    ENHMETAHEADER header = {};
    GetEnhMetaFileHeader(metafile, sizeof header, &header);
    DeleteEnhMetaFile(metafile);
    EXPECT_EQ(header.rclBounds.right + 1, areaWidth_);
    EXPECT_EQ(header.rclBounds.bottom + 1, areaHeight_);
    DeleteFileA(png.c_str());
    DeleteFileA(emf.c_str());
}

// Another program has the file open without sharing: the export is refused in a message that
// names the file, and the file keeps its bytes.
TEST_F(ResultsOut, AFileInUseIsRefusedAndKeepsItsBytes) {
    const std::string folder = TempPath("Ovanta held");
    const std::string path = folder + "\\path.csv";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(path, std::ios::binary) << "held";
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SolveWorkedExample();
    HWND box = OpenSaveDialog(IDM_EXPORT_TABLE);
    ASSERT_NE(box, nullptr);
    PressSaveAs(box, path);
    MessageBoxSeen question = WaitMessageBox(box);
    if (question.window) PressButton(question.window, IDYES);  // replace it, the user says
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    MessageBoxSeen refusal = WaitMessageBox(dialog_);
    ASSERT_NE(refusal.window, nullptr);
    EXPECT_EQ(refusal.caption, "Export path table");
    EXPECT_EQ(refusal.text, "The file cannot be replaced (it is read-only or in use); it is as it was:\r\n" + path);
    PressButton(refusal.window, IDOK);
    CloseHandle(held);
    EXPECT_EQ(ReadFile(path), "held");
    DeleteFileA(path.c_str());
}

// Names outside the code page are written under that very name: no look-alike (ł as l), no
// '?' refused as a file in use.
TEST_F(ResultsOut, NamesOutsideTheCodePageKeepEveryLetter) {
    const std::string temp = TempPath("Ovanta names");
    const std::wstring folder(temp.begin(), temp.end());
    for (const std::wstring& name : FolderNamesW(folder)) DeleteFileW((folder + L"\\" + name).c_str());
    CreateDirectoryW(folder.c_str(), nullptr);
    SolveWorkedExample();
    const struct {
        int command;
        const wchar_t* name;
    } rows[] = {
        {IDM_EXPORT_TABLE, L"\x0142odz.csv"},  // Windows-1252 has only l for it
        {IDM_SAVE_PICTURE, L"\x03C9.png"},     // and '?' for omega
        {IDM_EXPORT_TABLE, L"\x03C9.csv"},
    };
    std::vector<std::wstring> written;
    for (const auto& row : rows) {
        const std::wstring path = folder + L"\\" + row.name;
        HWND box = OpenSaveDialog(row.command);
        ASSERT_NE(box, nullptr);
        PressSaveAsW(box, path);
        ASSERT_TRUE(WaitSaveDialogClosed(box));
        EXPECT_TRUE(WaitFor([&] { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }));
        EXPECT_EQ(WaitMessageBox(dialog_, 300).window, nullptr);  // no refusal
        written.push_back(row.name);
        std::vector<std::wstring> names = FolderNamesW(folder);
        std::sort(names.begin(), names.end());
        std::sort(written.begin(), written.end());
        EXPECT_EQ(names, written);
    }
    WIN32_FILE_ATTRIBUTE_DATA table = {};
    ASSERT_TRUE(GetFileAttributesExW((folder + L"\\\x0142odz.csv").c_str(), GetFileExInfoStandard, &table));
    EXPECT_EQ(table.nFileSizeLow, Golden("path_table_worked_example.csv").size());
    for (const std::wstring& name : FolderNamesW(folder)) DeleteFileW((folder + L"\\" + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
