#include "cli/csv_reader.h"

#include <cstring>
#include <utility>

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

}  // namespace

CsvReader::CsvReader(Source read) : read_(std::move(read)), buffer_(kBufferBytes) {}

bool CsvReader::Fill() {
    if (atEnd_) return false;
    if (pos_ == end_) pos_ = end_ = 0;
    const std::size_t n = read_(buffer_.data() + end_, buffer_.size() - end_);
    if (n == 0 || n == kReadFailed) {
        atEnd_ = true;
        failed_ = n == kReadFailed;
        return false;
    }
    end_ += n;
    return true;
}

void CsvReader::Append(char c) {
    if (recordBytes_ >= kMaxRecordBytes) {
        record_.tooLong = true;
        return;
    }
    ++recordBytes_;
    record_.cells[record_.count] += c;
}

// Closes the current cell and opens the next one; the cells of earlier records are reused, so
// that reading allocates nothing once the longest record has been seen.
void CsvReader::EndCell() {
    if (recordBytes_ >= kMaxRecordBytes) {
        record_.tooLong = true;
    } else {
        ++recordBytes_;
        ++record_.count;
    }
    if (record_.count == record_.cells.size())
        record_.cells.emplace_back();
    else
        record_.cells[record_.count].clear();
}

bool CsvReader::Next() {
    record_.count = 0;
    record_.tooLong = false;
    record_.unclosedQuote = false;
    if (record_.cells.empty()) record_.cells.emplace_back();
    record_.cells[0].clear();
    recordBytes_ = 0;
    state_ = State::CellStart;

    if (!started_) {
        started_ = true;
        while (end_ - pos_ < 3 && Fill()) {
        }
        if (end_ - pos_ >= 3 && std::memcmp(buffer_.data() + pos_, "\xEF\xBB\xBF", 3) == 0) pos_ += 3;
    }

    bool inRecord = false;  // a byte of this record has been read: its line is not blank
    for (;;) {
        if (pos_ == end_ && !Fill()) break;
        const char c = buffer_[pos_++];
        // CR, LF and CR LF all end a line: the LF of a CR LF is a blank line of its own.
        if ((c == '\n' || c == '\r') && state_ != State::Quoted) {
            if (!inRecord) continue;  // a blank line
            EndCell();
            return true;
        }
        inRecord = true;
        switch (state_) {
            case State::CellStart:
                if (c == '"') {
                    state_ = State::Quoted;
                } else if (c == ',') {
                    EndCell();
                } else {
                    Append(c);
                    state_ = State::Unquoted;
                }
                break;
            case State::Unquoted:
                if (c == ',') {
                    EndCell();
                    state_ = State::CellStart;
                } else {
                    Append(c);  // a quote inside an unquoted cell is taken as it is
                }
                break;
            case State::Quoted:
                if (c == '"')
                    state_ = State::QuoteInQuoted;
                else
                    Append(c);
                break;
            case State::QuoteInQuoted:
                if (c == '"') {
                    Append('"');
                    state_ = State::Quoted;
                } else if (c == ',') {
                    EndCell();
                    state_ = State::CellStart;
                } else {
                    Append(c);  // text after the closing quote joins the cell
                    state_ = State::Unquoted;
                }
                break;
        }
    }
    if (!inRecord) return false;
    record_.unclosedQuote = state_ == State::Quoted;
    EndCell();
    return true;
}
