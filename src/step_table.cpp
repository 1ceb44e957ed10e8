#include "step_table.hpp"

namespace bucket_puzzle {

namespace {

// Every space and bar of the table lives in these fragments; numbers go between them at their
// natural width, so a two-digit number pushes the rest of its row one place to the right.
constexpr const char* initial_text =
    "      |     Initial       |      ?        |       ?       |       ?        |";
constexpr const char* opening_empty_lead = "      |      EMPTY        |      ?        |       ";
constexpr const char* opening_empty_middle = "       |     ? + ";
constexpr const char* opening_empty_close = "      |";
constexpr const char* fill_lead = "      |      FILL         |      ";
constexpr const char* transfer_lead = "      |    TRANSFER       |      ";
constexpr const char* empty_lead = "      |      EMPTY        |      ";
constexpr const char* a_separator = "        |       ";
constexpr const char* b_separator = "       |       ";
constexpr const char* empty_b_separator = "       |        ";
constexpr const char* opening_fill_close = "        |";
constexpr const char* row_close = "     |";

const char* lead_of(Layout layout) {
    switch (layout) {
        case Layout::transfer:
            return transfer_lead;
        case Layout::empty:
            return empty_lead;
        default:
            return fill_lead;
    }
}

}  // namespace

void write_header(std::ostream& out) {
    out << "\n\n\n| Step |     Operation     |  Litres in A  |  Litres in B  |  Total Litres  |\n";
}

void write_row(std::ostream& out, Layout layout, std::int32_t step, std::int32_t litres_in_a,
               std::int32_t litres_in_b) {
    out << step;
    switch (layout) {
        case Layout::initial:
            out << initial_text;
            break;
        case Layout::opening_empty:
            out << opening_empty_lead << litres_in_b << opening_empty_middle << litres_in_b
                << opening_empty_close;
            break;
        default:
            out << lead_of(layout) << litres_in_a << a_separator << litres_in_b
                << (layout == Layout::empty ? empty_b_separator : b_separator)
                << litres_in_a + litres_in_b
                << (layout == Layout::opening_fill ? opening_fill_close : row_close);
    }
    out << std::endl;
}

}  // namespace bucket_puzzle
