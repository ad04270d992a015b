#include "urllist/list_lines.h"

namespace {

// Lays the numbers out as compose_list_line does: part1, then number 1, then
// part2, then number 2.
list_line composed_line(const url_pattern& pattern, std::int32_t value1, std::int32_t value2) {
    list_line line{compose_list_line(pattern, value1, value2), value1, value2};
    line.number1_at = pattern.part1.size();
    line.number1_size = render_counter(value1, pattern.counter1.width).size();
    if (pattern.format == 3) {
        line.number2_at = line.number1_at + line.number1_size + pattern.part2.size();
        line.number2_size = render_counter(value2, pattern.counter2.width).size();
    }
    return line;
}

// Rewrites the `size` bytes at `first`, the text of `value` at `width`, into
// the text of value + 1. False, with the bytes left in disorder, when that
// text differs in length or sign.
bool step_in_place(char* first, std::size_t size, std::int32_t value, std::size_t width) {
    char* digit = first + size - 1;
    if (value >= 0) {
        while (*digit == '9') {
            if (digit == first) {
                return false;  // 999 becomes 1000
            }
            *digit-- = '0';
        }
        ++*digit;
        return true;
    }
    if (value == -1) {
        return false;  // the minus sign goes
    }
    // Counting up below zero counts the digits behind the sign down. The
    // value is -2 or less, so a digit above 0 stops the borrow before the sign.
    while (*digit == '0') {
        *digit-- = '9';
    }
    --*digit;
    // -100 becomes -99: a text wider than its width loses a digit.
    return !(first[1] == '0' && size > width);
}

}  // namespace

list_line first_list_line(const url_pattern& pattern) {
    return composed_line(pattern, *pattern.counter1.start_value,
                         pattern.format == 3 ? *pattern.counter2.start_value : 0);
}

void advance_list_line(const url_pattern& pattern, list_line& line) {
    char* const text = line.text.data();
    bool stepped = step_in_place(text + line.number1_at, line.number1_size, line.value1,
                                 pattern.counter1.width);
    if (pattern.format == 3 && stepped) {
        stepped = step_in_place(text + line.number2_at, line.number2_size, line.value2,
                                pattern.counter2.width);
    }
    const std::int32_t value1 = line.value1 + 1;
    const std::int32_t value2 = pattern.format == 3 ? line.value2 + 1 : 0;
    if (stepped) {
        line.value1 = value1;
        line.value2 = value2;
    } else {
        line = composed_line(pattern, value1, value2);
    }
}
