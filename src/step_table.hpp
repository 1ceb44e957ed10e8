// The printed answer: the table header and one line per step, written to a stream.
#pragma once

#include <cstdint>
#include <ostream>

namespace bucket_puzzle {

// How a row is laid out. The three opening rows have layouts of their own because the buckets
// do not all hold a known amount yet, and because they line up with the header.
enum class Layout { initial, opening_empty, opening_fill, fill, transfer, empty };

// Writes the header, which starts with the line feed that ends the result heading. No flush.
void write_header(std::ostream& out);

// Writes one row and ends it with endl, so the row is out before the next one is worked out.
// Litres that a layout does not show (in A for the first two rows, both for the first) are
// ignored; the total shown is litres_in_a + litres_in_b.
void write_row(std::ostream& out, Layout layout, std::int32_t step, std::int32_t litres_in_a,
               std::int32_t litres_in_b);

}  // namespace bucket_puzzle
