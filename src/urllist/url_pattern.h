// The model of a URL with serial numbers: the user's answers for one of the
// three layouts, and the two ways of writing it out. The URLs shown for
// confirmation carry the numbers exactly as typed; the lines of the list carry
// each value zero-filled to the width of the typed start number. Every field
// holds bytes as typed, never converted or interpreted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One serial number.
struct counter_range {
    std::string start_text;
    std::string end_text;
    // None when the text's number lies outside the signed 32-bit range.
    std::optional<std::int32_t> start_value;
    std::optional<std::int32_t> end_value;
    // The byte length of start_text: every number of the list is this wide.
    std::size_t width = 0;
};

// Format 1: part1, number 1, dot, extension.
// Format 2: part1, number 1, part2, dot, extension.
// Format 3: part1, number 1, part2, number 2, part3, dot, extension.
// Fields that the format doesn't use stay empty.
struct url_pattern {
    int format = 1;
    std::string part1;
    counter_range counter1;
    std::string part2;
    counter_range counter2;
    std::string part3;
    std::string extension;
};

enum class shown_url { first, last };

// The value of an optional "+" or "-" and the digits behind it at the front of
// `text`; whatever follows is ignored and a text with no digit there gives 0.
// None when the value lies outside the signed 32-bit range.
std::optional<std::int32_t> counter_value(std::string_view text);

// Fills the width and the two values from the typed texts.
void fill_counter(counter_range& counter);

// The tests a counter must pass before its list is written.
bool same_width(const counter_range& counter);
bool in_range(const counter_range& counter);
bool ascending(const counter_range& counter);  // start below end; needs in_range

// The value in decimal, zeros put in front of the digits (behind a minus sign)
// up to `width` bytes; a longer value is written whole.
std::string render_counter(std::int32_t value, std::size_t width);

// The first URL carries the start texts, the last one the end texts.
std::string compose_shown_url(const url_pattern& pattern, shown_url which);

// One line of the list, without its line end; value2 counts in format 3 only.
std::string compose_list_line(const url_pattern& pattern, std::int32_t value1,
                              std::int32_t value2 = 0);

// How many lines the list has: one per value of counter 1 in formats 1 and 2.
// In format 3 the two numbers advance together and the list stops with the
// shorter range, so that neither number ever passes its end value. Needs both
// counters in range and ascending.
std::int64_t list_line_count(const url_pattern& pattern);
