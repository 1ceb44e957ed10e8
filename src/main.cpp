#include <iostream>

#include "dialogue.hpp"

int main() {
    // Nothing here uses C stdio, so the streams may buffer on their own: reading gets faster,
    // and a failing read is reported as such instead of looking like the end of the input.
    std::ios::sync_with_stdio(false);
    return bucket_puzzle::run_dialogue(std::cin, std::cout, std::cerr);
}
