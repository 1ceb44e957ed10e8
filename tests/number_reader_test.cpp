#include "number_reader.hpp"

#include <gtest/gtest.h>

#include "flush_counter.hpp"

#include <iterator>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace bucket_puzzle {
namespace {

constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();

struct Case {
    const char* input;
    ReadOutcome outcome;
    std::int32_t value;
    const char* left_for_next_read;
};

std::string unread(std::istream& in) {
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << testing::PrintToString(std::string(c.input));
}

class ReadWholeNumber : public testing::TestWithParam<Case> {};

TEST_P(ReadWholeNumber, YieldsTheValueAndLeavesTheRest) {
    const Case& c = GetParam();
    std::istringstream in(c.input);
    const Reading reading = read_whole_number(in);
    EXPECT_EQ(reading.outcome, c.outcome);
    if (c.outcome == ReadOutcome::number) {
        EXPECT_EQ(reading.value, c.value);
    }
    EXPECT_EQ(unread(in), c.left_for_next_read);
}

constexpr ReadOutcome number = ReadOutcome::number;
constexpr ReadOutcome not_a_number = ReadOutcome::not_a_number;
constexpr ReadOutcome ended = ReadOutcome::end_of_input;

INSTANTIATE_TEST_SUITE_P(
    Answers, ReadWholeNumber,
    testing::Values(
        Case{"3\n", number, 3, "\n"}, Case{"11\n", number, 11, "\n"},
        Case{"12\n", number, 12, "\n"}, Case{"0\n", number, 0, "\n"},
        // White space, also across lines, before the number and after the sign.
        Case{" \t\n\n  7\n", number, 7, "\n"}, Case{"\v\f\r8", number, 8, ""},
        Case{"+5\n", number, 5, "\n"}, Case{"+ 5\n", number, 5, "\n"},
        Case{"-\n\n5 x", number, -5, " x"},
        // Digits are always decimal, and the number ends at the first non-digit.
        Case{"007\n", number, 7, "\n"}, Case{"010\n", number, 10, "\n"},
        Case{"0x1A\n", number, 0, "x1A\n"}, Case{"5abc\n", number, 5, "abc\n"},
        Case{"3.7\n", number, 3, ".7\n"}, Case{"15 3\n", number, 15, " 3\n"},
        Case{"0000000000000000000003\n", number, 3, "\n"},
        // A long number keeps its place beyond 11 or below 0 instead of wrapping around.
        Case{"4294967296\n", number, most, "\n"}, Case{"4294967307\n", number, most, "\n"},
        Case{"99999999999\n", number, most, "\n"}, Case{"2147483647", number, most, ""},
        Case{"2147483646", number, most - 1, ""}, Case{"-4294967297 2\n", number, -most, " 2\n"},
        Case{"-0\n", number, 0, "\n"}, Case{"-3 4\n", number, -3, " 4\n"},
        Case{"- 3\n", number, -3, "\n"},
        // No digit where one is due: the rest of that line goes, the next line stays.
        Case{"abc\n3\n", not_a_number, 0, "3\n"}, Case{"-x\n3", not_a_number, 0, "3"},
        Case{"+-1\n2", not_a_number, 0, "2"}, Case{"  abc", not_a_number, 0, ""},
        // The input ends before any digit.
        Case{"", ended, 0, ""}, Case{" \n\t\n", ended, 0, ""}, Case{"-", ended, 0, ""},
        Case{"+ \n ", ended, 0, ""}));

TEST(ReadWholeNumberAgain, MeetsTheEndThatEndedTheNumberBefore) {
    std::istringstream in("7");
    EXPECT_EQ(read_whole_number(in).value, 7);
    EXPECT_EQ(read_whole_number(in).outcome, ReadOutcome::end_of_input);
}

TEST(ReadWholeNumberAgain, ReadsTheNextLineAfterOneWithoutANumber) {
    std::istringstream in("15abc\n-x 9\n4\n");
    EXPECT_EQ(read_whole_number(in).value, 15);
    EXPECT_EQ(read_whole_number(in).outcome, ReadOutcome::not_a_number);
    EXPECT_EQ(read_whole_number(in).outcome, ReadOutcome::not_a_number);
    const Reading last = read_whole_number(in);
    EXPECT_EQ(last.outcome, ReadOutcome::number);
    EXPECT_EQ(last.value, 4);
}

TEST(ReadWholeNumberAgain, FlushesTheTiedStreamFirst) {
    FlushCounter prompt;
    std::ostream out(&prompt);
    std::istringstream in("3\n");
    in.tie(&out);
    read_whole_number(in);
    EXPECT_EQ(prompt.flushes, 1);
}

// A source whose underlying read fails, as a file stream's does on a directory.
class FailingSource : public std::streambuf {
protected:
    int_type underflow() override {
        throw std::runtime_error("read failed");
    }
};

TEST(ReadWholeNumberAgain, ReportsAReadErrorInsteadOfThrowing) {
    FailingSource source;
    std::istream in(&source);
    EXPECT_EQ(read_whole_number(in).outcome, ReadOutcome::read_error);
    EXPECT_TRUE(in.bad());
    EXPECT_EQ(read_whole_number(in).outcome, ReadOutcome::read_error);
}

}  // namespace
}  // namespace bucket_puzzle
