// The streaming CSV reader: quoting, line ends, blank lines, the byte-order mark, and records
// that straddle the pieces the input arrives in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "tests/cli/text_source.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

Records ReadAll(const std::string& text, std::size_t piece, bool* unclosed = nullptr) {
    CsvReader reader(TextSource(text, piece));
    Records records;
    while (reader.Next()) {
        const CsvRecord& r = reader.Record();
        records.emplace_back(r.cells.begin(), r.cells.begin() + static_cast<std::ptrdiff_t>(r.count));
        if (unclosed) *unclosed = r.unclosedQuote;
    }
    return records;
}

TEST(CsvReader, RecordsWhateverTheLineEndsAndPieces) {
    const struct {
        const char* label;
        std::string input;
        Records records;
    } cases[] = {
        {"LF", "vo,angle\n20,45\n", {{"vo", "angle"}, {"20", "45"}}},
        {"CR LF", "vo,angle\r\n20,45\r\n", {{"vo", "angle"}, {"20", "45"}}},
        {"CR alone", "a\rb\r", {{"a"}, {"b"}}},
        {"no end on the last line", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"blank lines are no records", "\n\r\na\n\n\r\n\r\nb\n\n", {{"a"}, {"b"}}},
        {"empty cells", ",\n,,x\n", {{"", ""}, {"", "", "x"}}},
        {"a quoted empty cell is a record", "\"\"\n", {{""}}},
        {"quoted comma, quote and line ends", "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\nz\n",
         {{"a,b", "say \"hi\"", "two\r\nlines"}, {"z"}}},
        {"blanks are kept", " 20 , 45 \n", {{" 20 ", " 45 "}}},
        {"text after a closing quote", "\"a\"b,c\n", {{"ab", "c"}}},
        {"a quote inside an unquoted cell", "a\"b,c\n", {{"a\"b", "c"}}},
        {"byte-order mark", "\xEF\xBB\xBFvo,t\n", {{"vo", "t"}}},
        {"a byte-order mark later is text", "a\n\xEF\xBB\xBF\n", {{"a"}, {"\xEF\xBB\xBF"}}},
        {"the start of a mark is text", "\xEF\xBBx\n", {{"\xEF\xBBx"}}},
        {"one byte", "a", {{"a"}}},
        {"nothing", "", {}},
        {"a byte-order mark alone", "\xEF\xBB\xBF", {}},
    };
    for (const auto& c : cases) {
        for (std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1} << 20}) {
            SCOPED_TRACE(std::string(c.label) + ", pieces of " + std::to_string(piece));
            bool unclosed = false;
            EXPECT_EQ(ReadAll(c.input, piece, &unclosed), c.records);
            EXPECT_FALSE(unclosed);
        }
    }
}

TEST(CsvReader, AnUnclosedQuoteTakesTheRestAndIsMarked) {
    bool unclosed = false;
    EXPECT_EQ(ReadAll("a\n\"b,c\nd\n", 1, &unclosed), (Records{{"a"}, {"b,c\nd\n"}}));
    EXPECT_TRUE(unclosed);
}

TEST(CsvReader, ARecordBeyondTheLimitIsCutAndTheNextIsWhole) {
    const struct {
        const char* label;
        std::string record;
    } cases[] = {
        {"one long cell", std::string(CsvReader::kMaxRecordBytes + 10, '7')},
        {"very many cells", std::string(CsvReader::kMaxRecordBytes * 4, ',')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        CsvReader reader(TextSource(c.record + "\n20,45\n", 4096));
        ASSERT_TRUE(reader.Next());
        EXPECT_TRUE(reader.Record().tooLong);
        EXPECT_LE(reader.Record().count, CsvReader::kMaxRecordBytes);
        EXPECT_LE(reader.Record().cells.size(), CsvReader::kMaxRecordBytes + 1);
        ASSERT_TRUE(reader.Next());
        EXPECT_FALSE(reader.Record().tooLong);
        EXPECT_EQ(reader.Record().count, 2u);
        EXPECT_EQ(reader.Record().cells[1], "45");
        EXPECT_FALSE(reader.Next());
    }
}

}  // namespace
