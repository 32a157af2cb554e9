// The batch form of ovanta-solve: CSV rows of given cases in, one CSV row of results out for
// each, in the same order, with constant memory whatever the length of the input.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/csv_reader.h"

// Where the values are in the input's rows, from its header.
struct BatchHeader {
    static constexpr int kY0 = 8;  // the launch height's index beside ParamIds 1..7
    static constexpr int kG = 9;   // then the conditions: g, object, cd, diameter, mass, rho
    static constexpr int kColumns = 15;
    int column[kColumns] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // -1: not in the header
    std::size_t count = 0;  // cells in every row
};

// Reads a header naming columns among "vo angle vx vy0 reach height t y0" and the optional
// conditions "g object cd diameter mass rho" (any letter case, blanks around a name ignored). False, with the reason in `error`, for a name that is none of
// these or is there twice.
bool ReadBatchHeader(const CsvRecord& record, BatchHeader& header, std::string& error);

// The output's header line: the seven values, the launch height and the reason of a refusal.
inline constexpr std::string_view kBatchOutputHeader = "vo,angle,vx,vy0,reach,height,t,y0,error\n";

// Appends the output line for one input row: the seven values and the launch height in the
// shortest text that reads back exactly, and an empty error; or eight empty cells and the
// reason the row was not solved. A row is solved when exactly two of its seven value cells
// hold something other than blanks and tabs; an empty launch height is 0.
void AppendBatchRow(const CsvRecord& record, const BatchHeader& header, std::string& out);

// Receives the output in pieces of about a megabyte; false when it could not be written.
using BatchSink = std::function<bool(std::string_view)>;

// Reads the whole input and writes the output. Returns the exit status: 0 when the input was
// read to its end (an empty input gives the output's header alone), 2 with the reason in
// `error` when the header cannot be used, the input cannot be read or the output cannot be
// written. Nothing is written after a refused header, nor after a failed read (the pieces
// written before it stay).
int RunBatch(CsvReader::Source read, const BatchSink& write, std::string& error);
