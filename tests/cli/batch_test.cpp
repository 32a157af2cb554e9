// The batch form: the header, the reason for each row that is not solved, the CSV it writes,
// and that it streams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "cli/batch.h"
#include "cli/output.h"

namespace {

CsvReader::Source FromText(const std::string& text) {
    return [text, at = std::size_t{0}](char* buffer, std::size_t size) mutable {
        const std::size_t n = std::min(size, text.size() - at);
        std::memcpy(buffer, text.data() + at, n);
        at += n;
        return n;
    };
}

struct BatchRun {
    int status;
    std::string out;
    std::string error;
};

BatchRun Batch(const std::string& input) {
    BatchRun run{0, "", ""};
    run.status = RunBatch(FromText(input), [&run](std::string_view text) {
        run.out += text;
        return true;
    }, run.error);
    return run;
}

TEST(Batch, EachRowItsValuesOrItsReason) {
    const std::string header = "vo, Angle ,REACH,y0\r\n";
    const struct {
        const char* label;
        std::string row;
        std::string out;  // the output line, without its end
    } cases[] = {
        // The nearest doubles to the exact values.
        {"solved, empty launch height", "20,45,,",
         "20,45,14.142135623730951,14.142135623730951,40.774719673802245,10.193679918450561,2.8832080782326095,0,"},
        {"solved, -0 written as 0", "20,-0,,0", "20,0,20,0,0,0,0,0,"},
        {"a launch height", "20,0,,19.62", "20,0,20,0,40,19.62,2,19.62,"},
        {"three given", "20,45,30,", ",,,,,,,,The number of data must be 2: 3 are given"},
        {"blank cells are empty", "20, ,  ,", ",,,,,,,,Insufficient data: 2 data are needed"},
        {"too few cells", "20,45", ",,,,,,,,2 cells where the header has 4"},
        {"too many cells", "20,45,,,", ",,,,,,,,5 cells where the header has 4"},
        {"a decimal comma", "\"2,5\",45,,", ",,,,,,,,wrong value: to initial speed"},
        {"launch height not a number", "20,45,,ten", ",,,,,,,,wrong value: to launch height"},
        {"refused by the checks, in UTF-8", "20,100,,",
         ",,,,,,,,* Errors in the data *: Range of l'angle: -90... 90 \xC2\xBA"},
        {"no solution", "10,-30,,-5", ",,,,,,,,No solution: The path never comes down to the ground (y = 0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const BatchRun run = Batch(header + c.row + "\r\n");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, std::string(kBatchOutputHeader) + c.out + "\n");
    }
}

TEST(Batch, AHeaderThatCannotBeUsedStopsBeforeAnyOutput) {
    const struct {
        const char* label;
        std::string input;
        std::string error;
    } cases[] = {
        {"unknown name", "vo,speed\n20,45\n",
         "unknown column \"speed\" in the header (columns: vo angle vx vy0 reach height t y0)"},
        {"a name twice", "vo,angle, VO\n", "column \"VO\" is named twice in the header"},
        {"an unnamed column", "vo,,angle\n", "unknown column \"\" in the header (columns: vo angle vx vy0 reach height t y0)"},
        {"an unclosed quote", "\"vo,angle\n20,45\n", "the header cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const BatchRun run = Batch(c.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.error, c.error);
    }
}

TEST(Batch, NoRowsGiveTheHeaderAlone) {
    for (const char* input : {"", "vo,angle\n", "\xEF\xBB\xBFvo,angle\r\n\r\n"}) {
        SCOPED_TRACE(input);
        const BatchRun run = Batch(input);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, kBatchOutputHeader);
    }
}

TEST(Batch, CellsAreQuotedOnlyWhereCsvNeedsIt) {
    const struct {
        const char* cell;
        const char* written;
    } cases[] = {
        {"plain text: it's fine", "plain text: it's fine"},
        {"a, b", "\"a, b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendCsvCell(out, c.cell);
        EXPECT_EQ(out, c.written) << c.cell;
    }
}

// Rows made as they are read, so that neither the input nor the output is ever held whole.
TEST(Batch, StreamsInBoundedPieces) {
    const std::size_t rows = 200000;
    std::size_t made = 0, lines = 0, largestPiece = 0;
    std::string pending = "vo,angle\n", error;
    const int status = RunBatch(
        [&](char* buffer, std::size_t size) {
            while (pending.size() < size && made < rows) pending += std::to_string(10 + made++ % 50) + ",30\n";
            const std::size_t n = std::min(size, pending.size());
            std::memcpy(buffer, pending.data(), n);
            pending.erase(0, n);
            return n;
        },
        [&](std::string_view text) {
            largestPiece = std::max(largestPiece, text.size());
            lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
            return true;
        },
        error);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(lines, rows + 1);
    EXPECT_LE(largestPiece, (std::size_t{1} << 20) + 1000);
}

TEST(Batch, AFailedWriteStopsTheReading) {
    std::size_t asked = 0;
    std::string error;
    const int status = RunBatch(
        [&](char* buffer, std::size_t size) -> std::size_t {
            if (++asked > 1000) return 0;
            std::string rows = "vo,angle\n";
            while (rows.size() + 8 < size) rows += "20,45\n";
            std::memcpy(buffer, rows.data(), rows.size());
            return rows.size();
        },
        [](std::string_view) { return false; }, error);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(error, "the output cannot be written");
    EXPECT_LT(asked, 100u);
}

}  // namespace
