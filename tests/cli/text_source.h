// Input for the CSV reader from a text, handed out in pieces of at most `piece` bytes.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "cli/csv_reader.h"

inline CsvReader::Source TextSource(std::string text, std::size_t piece = std::string::npos) {
    return [text = std::move(text), piece, at = std::size_t{0}](char* buffer, std::size_t size) mutable {
        const std::size_t n = std::min({piece, size, text.size() - at});
        std::memcpy(buffer, text.data() + at, n);
        at += n;
        return n;
    };
}
