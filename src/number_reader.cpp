#include "number_reader.hpp"

#include <limits>
#include <streambuf>

namespace bucket_puzzle {

namespace {

using Traits = std::istream::traits_type;

// The white space of the "C" locale, whatever locale the stream carries.
bool is_blank(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(int c) {
    return c >= '0' && c <= '9';
}

// Returns the first character that is not white space, left unread, or eof.
int skip_blanks(std::streambuf& source) {
    int c = source.sgetc();
    while (is_blank(c)) {
        c = source.snextc();
    }
    return c;
}

std::int32_t append_digit(std::int32_t value, int digit) {
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    return value > (largest - digit) / 10 ? largest : value * 10 + digit;
}

Reading read_from(std::istream& in, std::streambuf& source) {
    int c = skip_blanks(source);
    const bool negative = c == '-';
    if (c == '-' || c == '+') {
        source.sbumpc();
        c = skip_blanks(source);
    }
    if (Traits::eq_int_type(c, Traits::eof())) {
        in.setstate(std::ios::eofbit | std::ios::failbit);
        return {ReadOutcome::end_of_input, 0};
    }
    if (!is_digit(c)) {
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        return {ReadOutcome::not_a_number, 0};
    }
    std::int32_t value = 0;
    do {
        value = append_digit(value, c - '0');
        c = source.snextc();
    } while (is_digit(c));
    if (Traits::eq_int_type(c, Traits::eof())) {
        in.setstate(std::ios::eofbit);
    }
    return {ReadOutcome::number, negative ? -value : value};
}

}  // namespace

Reading read_whole_number(std::istream& in) {
    const std::istream::sentry ready(in, true);
    if (!ready) {
        return {in.bad() ? ReadOutcome::read_error : ReadOutcome::end_of_input, 0};
    }
    // A buffer may throw when the underlying read fails; the stream's own extractors turn that
    // into badbit, and so does this one.
    try {
        return read_from(in, *in.rdbuf());
    } catch (...) {
        in.setstate(std::ios::badbit);
        return {ReadOutcome::read_error, 0};
    }
}

}  // namespace bucket_puzzle
