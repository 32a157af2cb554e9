// A streaming reader of CSV text (RFC 4180): cells separated by commas, cells in double quotes
// may hold commas, line ends and doubled quotes. Lines may end in CR LF, LF or CR, the last one
// may have no end, and a UTF-8 byte-order mark at the start is skipped. Lines with nothing on
// them are no records. Memory stays bounded whatever the input: a record beyond
// kMaxRecordBytes is cut and marked.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct CsvRecord {
    std::vector<std::string> cells;  // only the first `count` belong to this record
    std::size_t count = 0;
    bool tooLong = false;       // cut at kMaxRecordBytes: its cells are incomplete
    bool unclosedQuote = false; // the input ended inside a quoted cell
};

class CsvReader {
public:
    static constexpr std::size_t kMaxRecordBytes = 1 << 16;  // cell text plus one per cell

    // `read` fills up to `size` bytes of `buffer` and returns how many; 0 at the end, and
    // kReadFailed when the input cannot be read, which ends it too.
    using Source = std::function<std::size_t(char* buffer, std::size_t size)>;
    static constexpr std::size_t kReadFailed = static_cast<std::size_t>(-1);
    explicit CsvReader(Source read);

    // Reads the next record; false at the end of the input. The record stays valid until the
    // next call.
    bool Next();
    const CsvRecord& Record() const { return record_; }
    // The input ended because it could not be read.
    bool Failed() const { return failed_; }

private:
    enum class State { CellStart, Unquoted, Quoted, QuoteInQuoted };

    bool Fill();  // more bytes into the buffer; false at the end of the input
    void Append(char c);
    void EndCell();

    Source read_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0, end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    bool started_ = false;  // the byte-order mark has been looked for
    State state_ = State::CellStart;
    std::size_t recordBytes_ = 0;
    CsvRecord record_;
};
