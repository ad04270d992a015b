// The lines of a list, one after another. Consecutive lines differ only in the
// last digits of their numbers, so each line is made from the one before by
// stepping those digits in place: composing every line anew would cost more
// than writing it, and a list may run to billions of lines. Where a step would
// change a number's length or sign (999 to 1000, -1 to 0, -100 to -99 at width
// 3) the line is composed anew by compose_list_line, so every line is exactly
// the one compose_list_line gives for its values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "urllist/url_pattern.h"

struct list_line {
    std::string text;  // without its line end
    std::int32_t value1 = 0;
    std::int32_t value2 = 0;  // format 3 only
    // Where the bytes of each number lie in text.
    std::size_t number1_at = 0;
    std::size_t number1_size = 0;
    std::size_t number2_at = 0;
    std::size_t number2_size = 0;
};

// The line of the start values. Needs the counters in range.
list_line first_list_line(const url_pattern& pattern);

// Turns `line` into the line of the next values. No value of the line may be
// the largest int32 already.
void advance_list_line(const url_pattern& pattern, list_line& line);
