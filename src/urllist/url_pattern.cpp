#include "urllist/url_pattern.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <iterator>

#include "console/decimal.h"

namespace {

std::string compose_url(const url_pattern& pattern, std::string_view number1,
                        std::string_view number2) {
    std::string url;
    url.reserve(pattern.part1.size() + number1.size() + pattern.part2.size() + number2.size() +
                pattern.part3.size() + 1 + pattern.extension.size());
    url += pattern.part1;
    url += number1;
    if (pattern.format >= 2) {
        url += pattern.part2;
    }
    if (pattern.format == 3) {
        url += number2;
        url += pattern.part3;
    }
    url += '.';
    url += pattern.extension;
    return url;
}

std::int64_t span(const counter_range& counter) {
    return std::int64_t{*counter.end_value} - *counter.start_value;
}

}  // namespace

std::optional<std::int32_t> counter_value(std::string_view text) {
    decimal_number number;
    std::size_t at = !text.empty() && take_sign(number, text.front()) ? 1 : 0;
    for (; at < text.size() && is_digit(text[at]); ++at) {
        add_digit(number, text[at]);
    }
    return int32_value(number);
}

void fill_counter(counter_range& counter) {
    counter.width = counter.start_text.size();
    counter.start_value = counter_value(counter.start_text);
    counter.end_value = counter_value(counter.end_text);
}

bool same_width(const counter_range& counter) {
    return counter.start_text.size() == counter.end_text.size();
}

bool in_range(const counter_range& counter) {
    return counter.start_value.has_value() && counter.end_value.has_value();
}

bool ascending(const counter_range& counter) {
    return *counter.start_value < *counter.end_value;
}

std::string render_counter(std::int32_t value, std::size_t width) {
    // The magnitude of -2147483648 doesn't fit an int32, so it is taken as int64.
    const std::int64_t magnitude = std::abs(std::int64_t{value});
    char digits[16];
    const char* const digits_end =
        std::to_chars(std::begin(digits), std::end(digits), magnitude).ptr;
    const auto digit_count = static_cast<std::size_t>(digits_end - digits);
    const std::size_t sign_count = value < 0 ? 1u : 0u;
    const std::size_t zero_count =
        width > sign_count + digit_count ? width - sign_count - digit_count : 0;

    std::string text;
    text.reserve(sign_count + zero_count + digit_count);
    text.append(sign_count, '-');
    text.append(zero_count, '0');
    text.append(digits, digit_count);
    return text;
}

std::string compose_shown_url(const url_pattern& pattern, shown_url which) {
    const bool first = which == shown_url::first;
    const counter_range& c1 = pattern.counter1;
    const counter_range& c2 = pattern.counter2;
    return compose_url(pattern, first ? c1.start_text : c1.end_text,
                       first ? c2.start_text : c2.end_text);
}

std::string compose_list_line(const url_pattern& pattern, std::int32_t value1,
                              std::int32_t value2) {
    const std::string number2 =
        pattern.format == 3 ? render_counter(value2, pattern.counter2.width) : std::string{};
    return compose_url(pattern, render_counter(value1, pattern.counter1.width), number2);
}

std::int64_t list_line_count(const url_pattern& pattern) {
    const std::int64_t span1 = span(pattern.counter1);
    return 1 + (pattern.format == 3 ? std::min(span1, span(pattern.counter2)) : span1);
}
