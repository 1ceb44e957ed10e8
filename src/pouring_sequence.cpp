#include "pouring_sequence.hpp"

#include <algorithm>

#include "step_table.hpp"

namespace bucket_puzzle {

namespace {

// Pours A into B until B is full or A is empty; the total stays the same.
void transfer(std::int32_t& in_a, std::int32_t& in_b) {
    const std::int32_t poured = std::min(in_a, B - in_b);
    in_a -= poured;
    in_b += poured;
}

}  // namespace

void pour_until(std::ostream& out, std::int32_t target) {
    std::int32_t step = 1;
    std::int32_t in_a = 0;  // not shown before the opening FILL row
    std::int32_t in_b = 0;
    const auto print = [&](Layout layout) { write_row(out, layout, step++, in_a, in_b); };

    print(Layout::initial);
    print(Layout::opening_empty);
    in_a = A;
    print(Layout::opening_fill);

    // The target is tested only at the start of a pass, so the pass in which the target total
    // first shows is finished before the table ends.
    while (in_a + in_b != target) {
        if (in_a == 0) {
            in_a = A;
            print(Layout::fill);
        }
        if (in_a == A) {
            transfer(in_a, in_b);
            print(Layout::transfer);
        }
        // A full B that already makes the target is kept, so the next test ends the table.
        if (in_b == B && in_a + in_b != target) {
            in_b = 0;
            print(Layout::empty);
        }
        if (in_b != B) {
            transfer(in_a, in_b);
            print(Layout::transfer);
        }
    }
}

}  // namespace bucket_puzzle
