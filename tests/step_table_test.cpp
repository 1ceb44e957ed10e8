#include "step_table.hpp"

#include <gtest/gtest.h>

#include "flush_counter.hpp"

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace bucket_puzzle {
namespace {

// Positions count from 1 at the start of a line.
struct Mark {
    std::size_t position;
    std::string text;
};

std::vector<std::size_t> bars_of(const std::string& line) {
    std::vector<std::size_t> bars;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '|') {
            bars.push_back(i + 1);
        }
    }
    return bars;
}

// Checks the bars, the marks, and that nothing but spaces stands anywhere else.
void expect_layout(const std::string& line, const std::vector<std::size_t>& bars,
                   const std::vector<Mark>& marks) {
    EXPECT_EQ(bars_of(line), bars) << "[" << line << "]";
    std::string rest = line;
    for (const Mark& mark : marks) {
        EXPECT_EQ(line.substr(mark.position - 1, mark.text.size()), mark.text)
            << "at " << mark.position << " of [" << line << "]";
        rest.replace(mark.position - 1, mark.text.size(), mark.text.size(), ' ');
    }
    for (std::size_t bar : bars) {
        rest[bar - 1] = ' ';
    }
    EXPECT_EQ(rest.find_first_not_of(' '), std::string::npos) << "stray text in [" << line << "]";
}

TEST(Header, EndsTheHeadingLineLeavesTwoEmptyLinesAndTitlesTheColumns) {
    std::ostringstream out;
    write_header(out);
    const std::string text = out.str();
    ASSERT_EQ(text.size(), 81u);
    EXPECT_EQ(text.substr(0, 3), "\n\n\n");
    EXPECT_EQ(text.back(), '\n');
    const std::string line = text.substr(3, 77);
    expect_layout(line, {1, 8, 28, 44, 60, 77},
                  {{3, "Step"},
                   {14, "Operation"},
                   {31, "Litres in A"},
                   {47, "Litres in B"},
                   {63, "Total Litres"}});
}

struct RowCase {
    const char* name;
    Layout layout;
    std::int32_t step, litres_in_a, litres_in_b;
    std::vector<std::size_t> bars;
    std::vector<Mark> marks;
    std::size_t length;
};

void PrintTo(const RowCase& c, std::ostream* out) {
    *out << c.name;
}

class Row : public testing::TestWithParam<RowCase> {};

TEST_P(Row, PutsEveryBarAndValueInPlace) {
    const RowCase& c = GetParam();
    std::ostringstream out;
    write_row(out, c.layout, c.step, c.litres_in_a, c.litres_in_b);
    const std::string text = out.str();
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.back(), '\n');
    const std::string line = text.substr(0, text.size() - 1);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(line.size(), c.length);
    expect_layout(line, c.bars, c.marks);
}

const std::vector<std::size_t> opening_bars{8, 28, 44, 60, 77};

INSTANTIATE_TEST_SUITE_P(
    Layouts, Row,
    testing::Values(
        RowCase{"Initial",
                Layout::initial,
                1,
                0,
                0,
                opening_bars,
                {{1, "1"}, {14, "Initial"}, {35, "?"}, {52, "?"}, {68, "?"}},
                77},
        RowCase{"OpeningEmpty",
                Layout::opening_empty,
                2,
                0,
                0,
                opening_bars,
                {{1, "2"}, {15, "EMPTY"}, {35, "?"}, {52, "0"}, {66, "?"}, {68, "+"}, {70, "0"}},
                77},
        RowCase{"OpeningFill",
                Layout::opening_fill,
                3,
                5,
                0,
                opening_bars,
                {{1, "3"}, {15, "FILL"}, {35, "5"}, {52, "0"}, {68, "5"}},
                77},
        RowCase{"Fill",
                Layout::fill,
                6,
                5,
                1,
                {8, 28, 44, 60, 74},
                {{1, "6"}, {15, "FILL"}, {35, "5"}, {52, "1"}, {68, "6"}},
                74},
        RowCase{"Transfer",
                Layout::transfer,
                4,
                0,
                5,
                {8, 28, 44, 60, 74},
                {{1, "4"}, {13, "TRANSFER"}, {35, "0"}, {52, "5"}, {68, "5"}},
                74},
        RowCase{"Empty",
                Layout::empty,
                8,
                3,
                0,
                {8, 28, 44, 60, 75},
                {{1, "8"}, {15, "EMPTY"}, {35, "3"}, {52, "0"}, {69, "3"}},
                75},
        RowCase{"TwoDigitTotal",
                Layout::fill,
                6,
                5,
                5,
                {8, 28, 44, 60, 75},
                {{1, "6"}, {15, "FILL"}, {35, "5"}, {52, "5"}, {68, "10"}},
                75},
        RowCase{"TwoDigitStep",
                Layout::fill,
                10,
                5,
                3,
                {9, 29, 45, 61, 75},
                {{1, "10"}, {16, "FILL"}, {36, "5"}, {53, "3"}, {69, "8"}},
                75},
        RowCase{"TwoDigitStepAndTotal",
                Layout::fill,
                17,
                5,
                6,
                {9, 29, 45, 61, 76},
                {{1, "17"}, {16, "FILL"}, {36, "5"}, {53, "6"}, {69, "11"}},
                76},
        RowCase{"TwoDigitStepEmpty",
                Layout::empty,
                27,
                0,
                0,
                {9, 29, 45, 61, 76},
                {{1, "27"}, {16, "EMPTY"}, {36, "0"}, {53, "0"}, {70, "0"}},
                76}),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

// Each row must be out before the next one is worked out; the header waits for the first row.
TEST(Flushing, EachRowIsFlushedAndTheHeaderIsNot) {
    FlushCounter sink;
    std::ostream out(&sink);
    write_header(out);
    EXPECT_EQ(sink.flushes, 0);
    write_row(out, Layout::initial, 1, 0, 0);
    EXPECT_EQ(sink.flushes, 1);
    write_row(out, Layout::transfer, 2, 0, 5);
    EXPECT_EQ(sink.flushes, 2);
}

}  // namespace
}  // namespace bucket_puzzle
