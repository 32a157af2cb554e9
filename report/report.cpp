#include "report/report.h"

#include "physics/motion.h"
#include "platform/files.h"
#include "platform/pickers.h"
#include "platform/system.h"
#include "resources/ids.h"
#include "text/conditions_text.h"
#include "text/messages.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kCaption[] = "Save case";

std::string Line(std::string_view text) { return std::string(text) + kLineEnd; }

// Puts the file back as it was before this save. The handle may already be closed.
bool TakeBack(std::string_view path, WrittenFile& file) {
    if (file.handle) CloseWrittenFile(file);
    return file.created ? RemoveFile(path) : TruncateFile(path, file.startSize);
}

void ReportFailure(ReportResult result, std::string_view path) {
    std::string text;
    switch (result) {
        case ReportResult::NotOpened: text = "The file cannot be opened for writing:"; break;
        case ReportResult::NotWritten:
            text = "The case could not be written; the file has been left as it was:";
            break;
        case ReportResult::LeftDamaged:
            text = "The case could not be written, and the file may now hold part of it:";
            break;
        case ReportResult::Written: return;
    }
    ShowFileMessage(kCaption, text, path, MessageIcon::Exclamation);
}

}  // namespace

ReportSheet DialogReportSheet(DialogHandle dialog, const PointQuery& query, int pointInput) {
    ReportSheet sheet;
    for (int i = 1; i <= kParamCount; ++i) {
        sheet.values[i] = GetFieldText(dialog, IDC_VALUE_BASE + i);
        sheet.given[i] = IsFieldChecked(dialog, IDC_GIVEN_BASE + i);
    }
    sheet.pointShown = query.pointShown;
    if (!query.pointShown) return sheet;
    for (int k = 1; k <= 5; ++k) {
        int edit = IDC_POINT_BASE + k;
        std::string line = GetFieldText(dialog, IDC_POINT_GROUP + k) + '\t' + GetFieldText(dialog, edit) + '\t' +
                           (edit == pointInput ? "*" : "");
        // The point lines have always been kept to the program's short text length.
        sheet.pointLines[k] = line.substr(0, kMaxShortText);
    }
    sheet.secondShown = query.solutionCount == 2;
    if (sheet.secondShown) {
        const int ids[] = {IDC_SECOND_X, IDC_SECOND_VY, IDC_SECOND_T};
        for (int j = 0; j < 3; ++j) sheet.secondLines[j] = GetFieldText(dialog, ids[j]);
    }
    return sheet;
}

std::vector<std::string> ReportLines(const ReportSheet& sheet) {
    std::vector<std::string> lines = {Line(""), Line("Ovanta movement"), Line("")};
    for (int i = 1; i <= kParamCount; ++i)
        lines.push_back(Line(std::string(ParamName(i)) + '\t' + sheet.values[i] + '\t' + (sheet.given[i] ? "*" : "")));
    for (const std::string& line : sheet.conditionLines) lines.push_back(Line(line));
    if (sheet.pointShown) {
        lines.push_back(Line(""));
        lines.push_back(Line("Point:"));
        for (int k = 1; k <= 5; ++k) lines.push_back(Line(sheet.pointLines[k]));
        if (sheet.secondShown)
            for (const std::string& second : sheet.secondLines) lines.push_back(Line(second));
    }
    lines.push_back(Line(""));
    lines.push_back(Line("* : data"));
    return lines;
}

std::vector<std::string> CaseReportLines(DialogHandle dialog, const PointQuery& query, int pointInput) {
    return ReportLines(DialogReportSheet(dialog, query, pointInput));
}

ReportResult AppendReport(std::string_view path, const std::vector<std::string>& lines) {
    WrittenFile file;
    if (!OpenFileForWriting(path, WriteMode::Append, file)) return ReportResult::NotOpened;
    bool written = true;
    for (const std::string& line : lines) {
        written = WriteFileBytes(file, line);
        if (!written) break;
    }
    // The close is where buffered bytes finally reach the disk, so it counts as a write.
    if (written) written = CloseWrittenFile(file);
    if (written) return ReportResult::Written;
    return TakeBack(path, file) ? ReportResult::NotWritten : ReportResult::LeftDamaged;
}

void SaveCase(DialogHandle dialog, const PointQuery& query, int pointInput, const std::string& startDirectory,
              const Conditions& conditions) {
    std::string path;
    bool chosen = ChooseSaveFile(dialog, path);
    // The dialog may have left the current directory wherever the user browsed; the help
    // document and the tool list are looked up by bare names, relative to it.
    if (!startDirectory.empty()) SetCurrentDirectoryTo(startDirectory);
    if (!chosen) return;
    ReportSheet sheet = DialogReportSheet(dialog, query, pointInput);
    sheet.conditionLines = ConditionsReportLines(conditions, 1);
    ReportResult result = AppendReport(path, ReportLines(sheet));
    if (result != ReportResult::Written) {
        ReportFailure(result, path);
        return;
    }
    // Opened as a document, whole, whatever its folders are called; whether the shell finds a
    // program for it is the user's affair: no message.
    OpenWithShell(path, "");
}
