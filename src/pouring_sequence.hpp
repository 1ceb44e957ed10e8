// The puzzle's solver: the fixed cycle of fills, transfers and emptyings, printed row by row.
#pragma once

#include <cstdint>
#include <ostream>

namespace bucket_puzzle {

// Capacities in litres, named as the buckets are called in every text.
constexpr std::int32_t A = 5;
constexpr std::int32_t B = 7;

// Writes the step rows, from the empty buckets until a pass begins with the buckets holding
// `target` litres together. The cycle shows every total from 0 to 11 and no other, so the
// target must lie in that range.
void pour_until(std::ostream& out, std::int32_t target);

}  // namespace bucket_puzzle
