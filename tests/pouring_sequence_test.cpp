#include "pouring_sequence.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace bucket_puzzle {
namespace {

// A printed row, cut at its bars into the trimmed contents of its five cells.
struct Cells {
    std::string step, operation, in_a, in_b, total;
};

bool operator==(const Cells& x, const Cells& y) {
    return x.step == y.step && x.operation == y.operation && x.in_a == y.in_a && x.in_b == y.in_b &&
           x.total == y.total;
}

std::ostream& operator<<(std::ostream& out, const Cells& c) {
    return out << c.step << " | " << c.operation << " | " << c.in_a << " | " << c.in_b << " | "
               << c.total;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<Cells> rows_printed_for(std::int32_t target) {
    std::ostringstream out;
    pour_until(out, target);
    std::istringstream printed(out.str());
    std::vector<Cells> rows;
    for (std::string line; std::getline(printed, line);) {
        std::vector<std::string> cells;
        std::istringstream cut(line);
        for (std::string cell; std::getline(cut, cell, '|');) {
            cells.push_back(trimmed(cell));
        }
        EXPECT_EQ(cells.size(), 5u) << line;
        cells.resize(5);
        rows.push_back({cells[0], cells[1], cells[2], cells[3], cells[4]});
    }
    return rows;
}

// The course of the cycle, from the empty buckets to the end of the longest table (target 0).
const std::vector<Cells> course{
    {"1", "Initial", "?", "?", "?"},   {"2", "EMPTY", "?", "0", "? + 0"},
    {"3", "FILL", "5", "0", "5"},      {"4", "TRANSFER", "0", "5", "5"},
    {"5", "TRANSFER", "0", "5", "5"},  {"6", "FILL", "5", "5", "10"},
    {"7", "TRANSFER", "3", "7", "10"}, {"8", "EMPTY", "3", "0", "3"},
    {"9", "TRANSFER", "0", "3", "3"},  {"10", "FILL", "5", "3", "8"},
    {"11", "TRANSFER", "1", "7", "8"}, {"12", "EMPTY", "1", "0", "1"},
    {"13", "TRANSFER", "0", "1", "1"}, {"14", "FILL", "5", "1", "6"},
    {"15", "TRANSFER", "0", "6", "6"}, {"16", "TRANSFER", "0", "6", "6"},
    {"17", "FILL", "5", "6", "11"},    {"18", "TRANSFER", "4", "7", "11"},
    {"19", "EMPTY", "4", "0", "4"},    {"20", "TRANSFER", "0", "4", "4"},
    {"21", "FILL", "5", "4", "9"},     {"22", "TRANSFER", "2", "7", "9"},
    {"23", "EMPTY", "2", "0", "2"},    {"24", "TRANSFER", "0", "2", "2"},
    {"25", "FILL", "5", "2", "7"},     {"26", "TRANSFER", "0", "7", "7"},
    {"27", "EMPTY", "0", "0", "0"},    {"28", "TRANSFER", "0", "0", "0"},
};

TEST(PourUntil, FollowsTheWholeCourseForTheLongestTable) {
    EXPECT_EQ(rows_printed_for(0), course);
}

struct Ending {
    std::int32_t target;
    std::size_t rows;
    Cells last;
    std::size_t first_showing_target;
};

void PrintTo(const Ending& e, std::ostream* out) {
    *out << "target " << e.target;
}

class EveryTarget : public testing::TestWithParam<Ending> {};

TEST_P(EveryTarget, StopsAfterThePassThatShowsIt) {
    const Ending& e = GetParam();
    const std::vector<Cells> rows = rows_printed_for(e.target);
    ASSERT_EQ(rows.size(), e.rows);
    EXPECT_EQ(rows.back(), e.last);
    const std::vector<Cells> prefix(course.begin(), course.begin() + static_cast<long>(e.rows));
    EXPECT_EQ(rows, prefix);
    std::size_t first = 0;
    while (first < rows.size() && rows[first].total != std::to_string(e.target)) {
        ++first;
    }
    EXPECT_EQ(first + 1, e.first_showing_target);
}

INSTANTIATE_TEST_SUITE_P(Targets, EveryTarget,
                         testing::Values(Ending{0, 28, {"28", "TRANSFER", "0", "0", "0"}, 27},
                                         Ending{1, 13, {"13", "TRANSFER", "0", "1", "1"}, 12},
                                         Ending{2, 24, {"24", "TRANSFER", "0", "2", "2"}, 23},
                                         Ending{3, 9, {"9", "TRANSFER", "0", "3", "3"}, 8},
                                         Ending{4, 20, {"20", "TRANSFER", "0", "4", "4"}, 19},
                                         Ending{5, 3, {"3", "FILL", "5", "0", "5"}, 3},
                                         Ending{6, 16, {"16", "TRANSFER", "0", "6", "6"}, 14},
                                         Ending{7, 26, {"26", "TRANSFER", "0", "7", "7"}, 25},
                                         Ending{8, 11, {"11", "TRANSFER", "1", "7", "8"}, 10},
                                         Ending{9, 22, {"22", "TRANSFER", "2", "7", "9"}, 21},
                                         Ending{10, 7, {"7", "TRANSFER", "3", "7", "10"}, 6},
                                         Ending{11, 18, {"18", "TRANSFER", "4", "7", "11"}, 17}));

// Replays a table by the puzzle's own rules: every row must follow from the one before it by
// the operation it names, and the table must end with the target in the buckets.
TEST(Replay, EveryRowFollowsFromTheOneBeforeByItsOperation) {
    for (std::int32_t target = 0; target <= 11; ++target) {
        SCOPED_TRACE("target " + std::to_string(target));
        const std::vector<Cells> rows = rows_printed_for(target);
        ASSERT_GE(rows.size(), 3u);
        EXPECT_EQ(rows[0], (Cells{"1", "Initial", "?", "?", "?"}));
        EXPECT_EQ(rows[1], (Cells{"2", "EMPTY", "?", "0", "? + 0"}));
        int in_a = 0;
        int in_b = 0;
        for (std::size_t i = 2; i < rows.size(); ++i) {
            const Cells& row = rows[i];
            if (row.operation == "FILL") {
                in_a = 5;
            } else if (row.operation == "EMPTY") {
                in_b = 0;
            } else if (row.operation == "TRANSFER") {
                const int poured = in_a < 7 - in_b ? in_a : 7 - in_b;
                in_a -= poured;
                in_b += poured;
            } else {
                ADD_FAILURE() << "unknown operation in " << row;
            }
            EXPECT_EQ(row, (Cells{std::to_string(i + 1), row.operation, std::to_string(in_a),
                                  std::to_string(in_b), std::to_string(in_a + in_b)}));
        }
        EXPECT_EQ(in_a + in_b, target);
    }
}

}  // namespace
}  // namespace bucket_puzzle
