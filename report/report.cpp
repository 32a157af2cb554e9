#include "report/report.h"

#include "physics/motion.h"
#include "platform/files.h"
#include "platform/pickers.h"
#include "platform/system.h"
#include "resources/ids.h"
#include "text/conditions_text.h"
#include "text/message_box.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

std::string Line(std::string_view text) { return std::string(text) + kLineEnd; }

// Puts the file back as it was before this save. The handle may already be closed.
bool TakeBack(std::string_view path, WrittenFile& file) {
    if (file.handle) CloseWrittenFile(file);
    return file.created ? RemoveFile(path) : TruncateFile(path, file.startSize);
}

void ReportFailure(ReportResult result, std::string_view path, int language) {
    Word text = Word::ReportNotOpened;
    switch (result) {
        case ReportResult::NotOpened: text = Word::ReportNotOpened; break;
        case ReportResult::NotWritten: text = Word::ReportNotWritten; break;
        case ReportResult::LeftDamaged: text = Word::ReportLeftDamaged; break;
        case ReportResult::Written: return;
    }
    ShowFileMessage(Say(Word::SaveCaseCaption, language), Say(text, language), path, MessageIcon::Exclamation);
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

std::vector<std::string> ReportLines(const ReportSheet& sheet, int language) {
    std::vector<std::string> lines = {Line(""), Line(Say(Word::ReportHeading, language)), Line("")};
    for (int i = 1; i <= kParamCount; ++i)
        lines.push_back(Line(std::string(ParamName(i, language)) + '\t' + sheet.values[i] + '\t' +
                             (sheet.given[i] ? "*" : "")));
    for (const std::string& line : ConditionsReportLines(sheet.conditions, language)) lines.push_back(Line(line));
    if (sheet.pointShown) {
        lines.push_back(Line(""));
        lines.push_back(Line(Say(Word::ReportPoint, language)));
        for (int k = 1; k <= 5; ++k) lines.push_back(Line(sheet.pointLines[k]));
        if (sheet.secondShown)
            for (const std::string& second : sheet.secondLines) lines.push_back(Line(second));
    }
    lines.push_back(Line(""));
    lines.push_back(Line(Say(Word::ReportDataMark, language)));
    return lines;
}

std::vector<std::string> CaseReportLines(DialogHandle dialog, const PointQuery& query, int pointInput,
                                         int language) {
    return ReportLines(DialogReportSheet(dialog, query, pointInput), language);
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
              const Conditions& conditions, int language) {
    std::string path;
    const FileDialogWords words = {Say(Word::SaveCaseCaption, language), {Say(Word::AllFiles, language)}, {}};
    if (!ChooseFileToSave(dialog, std::nullopt, startDirectory, path, words)) return;
    ReportSheet sheet = DialogReportSheet(dialog, query, pointInput);
    sheet.conditions = conditions;
    ReportResult result = AppendReport(path, ReportLines(sheet, language));
    if (result != ReportResult::Written) {
        ReportFailure(result, path, language);
        return;
    }
    // Opened as a document, whole, whatever its folders are called; whether the shell finds a
    // program for it is the user's affair: no message.
    OpenWithShell(path, "");
}
