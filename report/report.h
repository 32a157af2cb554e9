// The case report: File > Save case appends the case, as the main dialog shows it, to a text
// file that the user chooses, then opens that file with its associated program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "physics/conditions.h"
#include "physics/point.h"
#include "platform/dialog.h"

// Asks for the report file (a save dialog owned by `dialog`) and appends the case to it. A file
// that cannot be opened or written is reported in a message box and left exactly as it was; the
// current directory is `startDirectory` again when the command ends, however it ends. The
// report's words and the messages are those of `language`.
// `pointInput` is the edit id of the point field the last query read.
void SaveCase(DialogHandle dialog, const PointQuery& query, int pointInput, const std::string& startDirectory,
              const Conditions& conditions, int language);

// The texts of one case as the report writes them.
struct ReportSheet {
    std::string values[kParamCount + 1];  // [1..7]: the texts of the value fields
    bool given[kParamCount + 1] = {};     // [1..7]: given data, marked "*"
    bool pointShown = false;              // the point section is written
    std::string pointLines[6];            // [1..5]: label, tab, value, tab, "*" on the input field
    bool secondShown = false;             // the second solution follows the point
    std::string secondLines[3];           // the texts of x2, Vy2 and t2
    Conditions conditions;                // the case's; lines of their own unless Earth without air
};

// The case as the dialog shows it now: the value fields and their boxes, and the point panel
// when a point is shown (its input field, edit `pointInput`, marked), with the second solution
// when there are two.
ReportSheet DialogReportSheet(DialogHandle dialog, const PointQuery& query, int pointInput);

// The lines of a case, each ending in CR LF: the heading, the seven parameters, the lines of the
// sheet's conditions unless they are the Earth's without air, the point section and the second
// solution when the sheet has them, and the legend.
std::vector<std::string> ReportLines(const ReportSheet& sheet, int language);

// ReportLines of the case as the dialog shows it.
std::vector<std::string> CaseReportLines(DialogHandle dialog, const PointQuery& query, int pointInput,
                                         int language);

enum class ReportResult {
    Written,
    NotOpened,    // nothing was written
    NotWritten,   // a write failed; the file is as it was before
    LeftDamaged,  // a write failed and the file could not be put back as it was
};

// Appends the lines to the file at `path`, creating it when missing. On a failed write the
// bytes of this append are taken back again (a file this call created is removed).
ReportResult AppendReport(std::string_view path, const std::vector<std::string>& lines);
