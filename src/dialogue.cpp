#include "dialogue.hpp"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "number_reader.hpp"
#include "pouring_sequence.hpp"
#include "step_table.hpp"

namespace bucket_puzzle {

namespace {

constexpr std::int32_t largest_target = 11;

constexpr const char* prompt =
    "Enter the amout of water you want in bucket both buckets put together:";
constexpr const char* too_much = "\nError too much water please try again\n";
constexpr const char* negative = "\nError the amount cannot be negative please try again\n";
constexpr const char* not_a_number = "\nError that is not a whole number please try again\n";

void write_introduction(std::ostream& out) {
    out << "There are two buckets A (" << A << " liters) and B (" << B
        << " liters) You can only do three things:" << std::endl
        << "1. Completely Fill container A -FILL" << std::endl
        << "2. Completely empty container B -EMPTY" << std::endl
        << "3. Transfer contents of container A in to container B, untill B is Full or A is "
           "Empty - TRANSFER"
        << std::endl
        << " Using these operations you can reach any number between 1 and 12 " << std::endl;
}

// Reports why the run fails, with the system's reason when there is one, and gives the status.
int fail(std::ostream& err, const char* problem, int cause) {
    err << "bucket-puzzle: " << problem;
    if (cause != 0) {
        err << ": " << std::strerror(cause);
    }
    err << '\n';
    return 1;
}

int write_error(std::ostream& err) {
    return fail(err, "write error", errno);
}

}  // namespace

int run_dialogue(std::istream& in, std::ostream& out, std::ostream& err) {
    write_introduction(out);
    // No accepted amount is negative, so a negative target means none has been accepted yet.
    std::int32_t target = -1;
    while (target < 0) {
        out << prompt << std::endl;
        // Nobody can see a prompt that was not written, so asking on would only go on for ever.
        if (!out) {
            return write_error(err);
        }
        const Reading answer = read_whole_number(in);
        switch (answer.outcome) {
            case ReadOutcome::number:
                if (answer.value > largest_target) {
                    out << too_much;
                } else if (answer.value < 0) {
                    out << negative;
                } else {
                    target = answer.value;
                }
                break;
            case ReadOutcome::not_a_number:
                out << not_a_number;
                break;
            case ReadOutcome::end_of_input:
                return fail(err, "input ended before an amount was accepted", 0);
            case ReadOutcome::read_error:
                return fail(err, "read error", errno);
        }
    }
    out << "These are the steps you need to follow to get a total of " << target
        << " litres in the buckets";
    write_header(out);
    pour_until(out, target);
    if (!out.flush()) {
        return write_error(err);
    }
    return 0;
}

}  // namespace bucket_puzzle
