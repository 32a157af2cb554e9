#include "cli/batch.h"

#include <utility>

#include "cli/case_text.h"
#include "cli/output.h"
#include "text/number_text.h"

namespace {

constexpr std::size_t kFlushBytes = 1 << 20;

constexpr const char* kConditionColumns[] = {"g", "object", "cd", "diameter", "mass", "rho"};

int ColumnByName(std::string_view name) {
    const std::string trimmed = TrimBlanks(name);
    if (trimmed.size() == 2 && (trimmed[0] == 'y' || trimmed[0] == 'Y') && trimmed[1] == '0')
        return BatchHeader::kY0;
    std::string lower = trimmed;
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    for (int i = 0; i < 6; ++i)
        if (lower == kConditionColumns[i]) return BatchHeader::kG + i;
    return ParamByName(trimmed);
}

// The conditions' cells of a row, empty where the header has no such column.
void ReadConditionCells(const CsvRecord& record, const BatchHeader& header, CaseText& text) {
    std::string_view* fields[] = {&text.g, &text.object, &text.cd, &text.diameter, &text.mass, &text.rho};
    for (int i = 0; i < 6; ++i) {
        const int column = header.column[BatchHeader::kG + i];
        if (column >= 0) *fields[i] = record.cells[static_cast<std::size_t>(column)];
    }
}

}  // namespace

bool ReadBatchHeader(const CsvRecord& record, BatchHeader& header, std::string& error) {
    header = BatchHeader{};
    if (record.tooLong || record.unclosedQuote) {
        error = "the header cannot be read";
        return false;
    }
    for (std::size_t i = 0; i < record.count; ++i) {
        const std::string& name = record.cells[i];
        const int index = ColumnByName(name);
        if (index == 0) {
            error = "unknown column \"" + name + "\" in the header (columns: vo angle vx vy0 reach height t y0)";
            return false;
        }
        if (header.column[index] >= 0) {
            error = "column \"" + TrimBlanks(name) + "\" is named twice in the header";
            return false;
        }
        header.column[index] = static_cast<int>(i);
    }
    header.count = record.count;
    return true;
}

void AppendBatchRow(const CsvRecord& record, const BatchHeader& header, std::string& out) {
    std::string reason;
    if (record.tooLong) {
        reason = "the row is too long";
    } else if (record.unclosedQuote) {
        reason = "a quoted cell is not closed";
    } else if (record.count != header.count) {
        reason = std::to_string(record.count) + " cells where the header has " + std::to_string(header.count);
    } else {
        CaseText text;
        for (int p = 1; p <= kParamCount; ++p) {
            if (header.column[p] < 0) continue;
            const std::string& cell = record.cells[static_cast<std::size_t>(header.column[p])];
            text.given[p] = !IsEmptyValue(cell);
            text.value[p] = cell;
        }
        if (header.column[BatchHeader::kY0] >= 0)
            text.y0 = record.cells[static_cast<std::size_t>(header.column[BatchHeader::kY0])];
        ReadConditionCells(record, header, text);
        const CaseOutcome outcome = SolveCaseText(text);
        if (outcome.status == CaseStatus::Solved) {
            for (int p = 1; p <= kParamCount; ++p) {
                AppendShortest(out, outcome.solution.values[p]);
                out += ',';
            }
            AppendShortest(out, outcome.solution.y0);
            out += ",\n";
            return;
        }
        reason = outcome.reason;
    }
    out += ",,,,,,,,";
    AppendCsvCell(out, reason);
    out += '\n';
}

int RunBatch(CsvReader::Source read, const BatchSink& write, std::string& error) {
    CsvReader reader(std::move(read));
    BatchHeader header;
    if (reader.Next() && !ReadBatchHeader(reader.Record(), header, error)) return 2;
    std::string out;
    out.reserve(kFlushBytes + CsvReader::kMaxRecordBytes);
    out = kBatchOutputHeader;
    bool written = true;
    // The output waits until a megabyte is made or the input has ended well: an input that
    // cannot be read at all writes nothing, not even the header.
    while (written && reader.Next()) {
        AppendBatchRow(reader.Record(), header, out);
        if (out.size() >= kFlushBytes) {
            written = write(out);
            out.clear();
        }
    }
    if (reader.Failed()) {
        error = "the input cannot be read";
        return 2;
    }
    if (written && !out.empty()) written = write(out);
    if (!written) {
        error = "the output cannot be written";
        return 2;
    }
    return 0;
}
