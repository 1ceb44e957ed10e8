// Coverage-guided fuzzing of the whole conversation: any bytes as the answers, checked against
// what must hold for every input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "dialogue.hpp"

namespace {

constexpr std::string_view introduction =
    "There are two buckets A (5 liters) and B (7 liters) You can only do three things:\n"
    "1. Completely Fill container A -FILL\n"
    "2. Completely empty container B -EMPTY\n"
    "3. Transfer contents of container A in to container B, untill B is Full or A is Empty - "
    "TRANSFER\n"
    " Using these operations you can reach any number between 1 and 12 \n";
constexpr std::string_view prompt =
    "Enter the amout of water you want in bucket both buckets put together:\n";
constexpr std::string_view refusals[] = {
    "\nError too much water please try again\n",
    "\nError the amount cannot be negative please try again\n",
    "\nError that is not a whole number please try again\n",
};
constexpr std::string_view heading = "These are the steps you need to follow to get a total of ";
constexpr std::string_view heading_end = " litres in the buckets\n\n\n";
constexpr std::string_view header =
    "| Step |     Operation     |  Litres in A  |  Litres in B  |  Total Litres  |\n";
constexpr std::string_view input_ended =
    "bucket-puzzle: input ended before an amount was accepted\n";
// How many rows the table has for each target from 0 to 11.
constexpr std::size_t rows_for_target[] = {28, 13, 24, 9, 20, 3, 16, 26, 11, 22, 7, 18};

[[noreturn]] void broken(const char* what, std::string_view output) {
    std::fprintf(stderr, "broken: %s\n--- output ---\n%.*s\n", what,
                 static_cast<int>(output.size()), output.data());
    std::abort();
}

bool take(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

bool take_any_refusal(std::string_view& text) {
    for (std::string_view refusal : refusals) {
        if (take(text, refusal)) {
            return true;
        }
    }
    return false;
}

// The content of the last cell of a row, between its last two bars, without the spaces.
std::string_view total_of(std::string_view row) {
    row.remove_suffix(1);
    row = row.substr(row.rfind('|') + 1);
    row.remove_prefix(row.find_first_not_of(' '));
    return row.substr(0, row.find(' '));
}

void check(int status, const std::string& output, const std::string& diagnostics) {
    std::string_view rest = output;
    if (!take(rest, introduction)) {
        broken("no introduction", output);
    }
    // Every refusal is followed by exactly one new prompt.
    do {
        if (!take(rest, prompt)) {
            broken("no prompt where one is due", output);
        }
    } while (take_any_refusal(rest));

    if (status == 1) {
        if (!rest.empty() || diagnostics != input_ended) {
            broken("a failed run that did not just run out of input", output);
        }
        return;
    }
    if (status != 0 || !diagnostics.empty() || !take(rest, heading)) {
        broken("neither a table nor the end of the input", output);
    }
    const std::size_t digits = rest.find_first_not_of("0123456789");
    const std::string_view target_text = rest.substr(0, digits);
    if (target_text.empty() || target_text.size() > 2 || std::stoi(std::string(target_text)) > 11) {
        broken("a target outside 0 to 11", output);
    }
    rest.remove_prefix(target_text.size());
    if (!take(rest, heading_end) || !take(rest, header)) {
        broken("no table header", output);
    }
    std::size_t rows = 0;
    std::string_view last;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos || end == 0 || rest[end - 1] != '|') {
            broken("a row that does not end with a bar and a line end", output);
        }
        last = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        ++rows;
    }
    if (rows != rows_for_target[std::stoi(std::string(target_text))] ||
        total_of(last) != target_text) {
        broken("a table that does not end with the target", output);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    in.tie(&out);
    const int status = bucket_puzzle::run_dialogue(in, out, err);
    check(status, out.str(), err.str());
    return 0;
}
