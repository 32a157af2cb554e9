// The batch form: the header, the reason for each row that is not solved, the CSV it writes,
// and that it streams.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cli/batch.h"
#include "tests/cli/text_source.h"

namespace {

struct BatchRun {
    int status = 0;
    std::string out, error;
};

BatchRun Batch(const std::string& input) {
    BatchRun run;
    run.status = RunBatch(TextSource(input), [&run](std::string_view text) {
        run.out += text;
        return true;
    }, run.error);
    return run;
}

TEST(Batch, EachRowItsValuesOrItsReason) {
    const struct {
        const char* label;
        std::string row;
        std::string out;  // the output line, without its end
    } cases[] = {
        // The nearest doubles to the exact values.
        {"solved, empty launch height", "20,45,,",
         "20,45,14.142135623730951,14.142135623730951,40.774719673802245,10.193679918450561,2.8832080782326095,0,"},
        {"a launch height", "20,0,,19.62", "20,0,20,0,40,19.62,2,19.62,"},
        {"-0 written as 0", "20,-0,,0", "20,0,20,0,0,0,0,0,"},
        {"three given", "20,45,30,", ",,,,,,,,The number of data must be 2: 3 are given"},
        {"blank cells are empty", "20, ,  ,", ",,,,,,,,Insufficient data: 2 data are needed"},
        {"so are cells of tabs", "20,45,\t,\t ",
         "20,45,14.142135623730951,14.142135623730951,40.774719673802245,10.193679918450561,2.8832080782326095,0,"},
        {"too few cells", "20,45", ",,,,,,,,2 cells where the header has 4"},
        {"too many cells", "20,45,,,", ",,,,,,,,5 cells where the header has 4"},
        {"a decimal comma", "\"2,5\",45,,", ",,,,,,,,wrong value: to initial speed"},
        {"launch height not a number", "20,45,,ten", ",,,,,,,,wrong value: to launch height"},
        {"refused, in UTF-8", "20,100,,", ",,,,,,,,* Errors in the data *: Range of l'angle: -90... 90 \xC2\xBA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const BatchRun run = Batch("vo, Angle ,REACH,y0\r\n" + c.row + "\r\n");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, std::string(kBatchOutputHeader) + c.out + "\n");
    }
}

TEST(Batch, AHeaderThatCannotBeUsedStopsBeforeAnyOutput) {
    const std::string columns = " in the header (columns: vo angle vx vy0 reach height t y0)";
    const struct {
        const char* label;
        std::string input, error;
    } cases[] = {
        {"unknown name", "vo,speed\n20,45\n", "unknown column \"speed\"" + columns},
        {"an unnamed column", "vo,,angle\n", "unknown column \"\"" + columns},
        {"a name twice", "vo,angle, VO\n", "column \"VO\" is named twice in the header"},
        {"an unclosed quote", "\"vo,angle\n20,45\n", "the header cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const BatchRun run = Batch(c.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.error, c.error);
    }
    for (const char* input : {"", "vo,angle\n", "\xEF\xBB\xBFvo,angle\r\n\r\n"}) {
        SCOPED_TRACE("no rows");
        EXPECT_EQ(Batch(input).out, kBatchOutputHeader);
    }
}

// An input that fails, at once (a folder) or after some rows, writes nothing more: no header
// before the reason, no rows that look like the whole answer.
TEST(Batch, AnInputThatCannotBeReadWritesNothingMore) {
    for (const std::string before : {"", "vo,angle\n20,45\n10,30\n"}) {
        SCOPED_TRACE(before.empty() ? "at once" : "after two rows");
        BatchRun run;
        run.status = RunBatch(
            [before, done = false](char* buffer, std::size_t) mutable {
                if (done || before.empty()) return CsvReader::kReadFailed;
                done = true;
                return before.copy(buffer, before.size());
            },
            [&run](std::string_view text) {
                run.out += text;
                return true;
            },
            run.error);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.error, "the input cannot be read");
    }
}

// Rows are made as they are read and the output is only counted: neither is ever held whole.
TEST(Batch, StreamsInBoundedPiecesAndStopsWhenTheOutputFails) {
    for (const bool writable : {true, false}) {
        SCOPED_TRACE(writable ? "writable" : "output fails");
        const std::size_t rows = 200000;
        std::size_t made = 0, lines = 0, largestPiece = 0;
        std::string pending = "vo,angle\n", error;
        const int status = RunBatch(
            [&](char* buffer, std::size_t size) {
                while (pending.size() < size && made < rows) pending += std::to_string(10 + made++ % 50) + ",30\n";
                const std::size_t n = pending.copy(buffer, size);
                pending.erase(0, n);
                return n;
            },
            [&](std::string_view text) {
                largestPiece = std::max(largestPiece, text.size());
                lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
                return writable;
            },
            error);
        EXPECT_EQ(status, writable ? 0 : 2);
        EXPECT_LE(largestPiece, (std::size_t{1} << 20) + 1000);
        if (writable) {
            EXPECT_EQ(lines, rows + 1);
        } else {
            EXPECT_EQ(error, "the output cannot be written");
            EXPECT_LT(made, rows / 2);
        }
    }
}

}  // namespace
