// Reads one whole number, as the user typed it, from an input stream.
#pragma once

#include <cstdint>
#include <istream>

namespace bucket_puzzle {

enum class ReadOutcome {
    number,        // a number was read; whatever follows its digits is left for the next read
    not_a_number,  // no digit where one was due; the rest of that line has been discarded
    end_of_input,  // the input ran out before any digit
    read_error,    // the input could not be read
};

struct Reading {
    ReadOutcome outcome;
    // With a number: its value, held at the nearest end of the std::int32_t range when it lies
    // beyond it, so that a number of any length compares with small bounds as its true value.
    std::int32_t value;
};

// Flushes the stream tied to `in` (the prompt), skips white space, takes an optional sign, white
// space after it, and the decimal digits that follow. Only the characters of the number are
// consumed, so memory stays the same whatever the length of the input.
Reading read_whole_number(std::istream& in);

}  // namespace bucket_puzzle
