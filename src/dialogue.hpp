// The conversation: explains the puzzle, asks for the amount until one is accepted, then prints
// the steps that reach it.
#pragma once

#include <istream>
#include <ostream>

namespace bucket_puzzle {

// Runs one whole conversation and returns the exit status: 0 once the table is out, 1 when the
// input ends or fails before an amount is accepted, or when `out` cannot be written. The reason
// for a 1 goes to `err` as one line "bucket-puzzle: ...".
int run_dialogue(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace bucket_puzzle
