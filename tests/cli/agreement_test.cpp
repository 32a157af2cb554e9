// ovanta-solve says what the dialog says: the shared cases in the one-case and the batch form,
// and its number reading against the dialog's.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/case_text.h"
#include "cli/command_line.h"
#include "cli/output.h"
#include "tests/cli/text_source.h"
#include "tests/support/solve_cases.h"
#include "text/code_page.h"
#include "text/number_text.h"

namespace {

// The dialog's message on one line: its paragraphs of faults joined by "; ", in UTF-8.
std::string OneLine(const SolveExample& c) {
    std::string text = c.text;
    const std::string paragraph = "\r\n\r\n";
    if (text.ends_with(paragraph)) text.resize(text.size() - paragraph.size());
    for (std::size_t at; (at = text.find(paragraph)) != std::string::npos;) text.replace(at, paragraph.size(), "; ");
    return Cp1252ToUtf8(std::string(c.caption) + ": " + text);
}

bool IsWrongValue(const SolveExample& c) { return std::string(c.caption) == WrongValueMessage("", kEnglish).caption; }

double Read(const char* text) {
    double value = 0;
    EXPECT_TRUE(ParseReal(text, value)) << text;
    return value;
}

TEST(Agreement, OneCaseShowsWhatTheDialogShows) {
    for (const SolveExample& c : kSolveExamples) {
        SCOPED_TRACE(c.label);
        const std::string first = std::string(CliParamName(c.first)) + "=" + c.firstText;
        const std::string second = std::string(CliParamName(c.second)) + "=" + c.secondText;
        const CommandResult r = RunCommandLine({first, second, "--y0", c.y0Text});
        if (c.caption) {
            EXPECT_EQ(r.status, IsWrongValue(c) ? 2 : 1);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err.substr(0, r.err.find('\n')), OneLine(c));
            continue;
        }
        EXPECT_EQ(r.status, 0);
        std::string expected;
        for (int p = 1; p <= kParamCount; ++p) {
            // The dialog leaves a given value as typed; the command line shows it as it shows
            // the others.
            const char* typed = p == c.first ? c.firstText : p == c.second ? c.secondText : nullptr;
            const std::string shown = typed ? FormatFixed(Read(typed), 6, 3) : c.shown[p];
            expected += std::string(CliParamName(p)) + " " + TrimBlanks(shown) + "\n";
        }
        EXPECT_EQ(r.out, expected);
    }
}

TEST(Agreement, BatchRowsHoldWhatTheDialogShows) {
    std::string input = "vo,angle,vx,vy0,reach,height,t,y0\n";
    for (const SolveExample& c : kSolveExamples) {
        for (int p = 1; p <= kParamCount; ++p) {
            AppendCsvCell(input, p == c.first ? c.firstText : p == c.second ? c.secondText : "");
            input += ',';
        }
        AppendCsvCell(input, c.y0Text);
        input += '\n';
    }
    std::string output, error;
    const auto collect = [&output](std::string_view text) {
        output += text;
        return true;
    };
    ASSERT_EQ(RunBatch(TextSource(input), collect, error), 0);

    CsvReader reader(TextSource(output));
    ASSERT_TRUE(reader.Next());  // the header
    for (const SolveExample& c : kSolveExamples) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(reader.Next());
        const CsvRecord& row = reader.Record();
        ASSERT_EQ(row.count, 9u);
        if (c.caption) {
            EXPECT_EQ(row.cells[8], OneLine(c));
            for (int i = 0; i < 8; ++i) EXPECT_EQ(row.cells[static_cast<std::size_t>(i)], "");
            continue;
        }
        EXPECT_EQ(row.cells[8], "");
        for (int p = 1; p <= kParamCount; ++p) {
            const std::string& cell = row.cells[static_cast<std::size_t>(p - 1)];
            if (p == c.first || p == c.second) {
                // Given values come back exactly.
                EXPECT_EQ(Read(cell.c_str()), Read(p == c.first ? c.firstText : c.secondText)) << p;
            } else {
                EXPECT_EQ(FormatFixed(Read(cell.c_str()), 6, 3), c.shown[p]) << p;
            }
        }
        EXPECT_EQ(Read(row.cells[7].c_str()), Read(c.y0Text));
    }
    EXPECT_FALSE(reader.Next());
}

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// The batch reads plain decimals its own faster way: it must give the dialog's doubles.
TEST(Agreement, NumberReadingIsTheDialogs) {
    std::vector<std::string> texts = {
        "0", "-0", "20", "-12.5", "0.1", "1.", ".5", "+3", " 4", "4 ", "", "1e5", "-1E-3", "abc", "1.2.3",
        "--1", "0x10", "1e400", "4,5", "9007199254740993", "9007199254740995", "0.30000000000000004",
        "179769313486231570000000000000000000000000000000000000000000000000000000000000000000000000",
        "2.2250738585072011e-308", "123456789012345678901234567890.123456789012345678901234567890",
        "0.000000000000000000000000000000000000000000000000000000000001", std::string(400, '9'),
        "0." + std::string(400, '0') + "1"};
    // Random plain decimals of every length up to the fast reading's limit and a little beyond.
    std::mt19937_64 random(13);
    for (int i = 0; i < 30000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const int intDigits = 1 + static_cast<int>(random() % 30), fracDigits = static_cast<int>(random() % 40);
        for (int d = 0; d < intDigits; ++d) text += static_cast<char>('0' + random() % 10);
        if (fracDigits) text += '.';
        for (int d = 0; d < fracDigits; ++d) text += static_cast<char>('0' + random() % 10);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        double dialog = 0, batch = 0;
        const bool dialogRead = ParseReal(text, dialog);
        ASSERT_EQ(ReadNumber(text, batch), dialogRead) << text;
        ASSERT_EQ(Bits(batch), Bits(dialog)) << text;
    }
}

}  // namespace
