#include "urllist/list_lines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "urllist/url_pattern.h"

namespace {

constexpr std::int32_t INT32_LOWEST = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t INT32_HIGHEST = std::numeric_limits<std::int32_t>::max();

counter_range counter_from(std::int32_t start, std::size_t width) {
    counter_range counter;
    counter.start_value = start;
    counter.width = width;
    return counter;
}

// Every line made by stepping equals the line composed for its values.
TEST(ListLines, EqualTheComposedLineForEveryValue) {
    const struct {
        const char* name;
        int format;
        std::int32_t start1;
        std::size_t width1;
        std::int32_t start2;
        std::size_t width2;
        std::int64_t count;
    } cases[] = {
        {"carries 098 to 101", 1, 98, 3, 0, 0, 4},
        {"carries through every digit", 1, 0, 1, 0, 0, 1200},
        {"width beyond the value", 2, 1, 10, 0, 0, 105},
        {"value outgrows its width", 1, 7, 1, 0, 0, 10000},
        {"through zero at width 3", 2, -120, 3, 0, 0, 241},
        {"through zero at width 1", 1, -12, 1, 0, 0, 25},
        {"negative value shrinks to its width", 1, -1001, 3, 0, 0, 1010},
        {"ends at the largest int32", 1, INT32_HIGHEST - 1005, 10, 0, 0, 1006},
        {"starts at the lowest int32", 1, INT32_LOWEST, 11, 0, 0, 1002},
        {"lowest int32 at a narrow width", 1, INT32_LOWEST, 3, 0, 0, 1002},
        {"two numbers carrying at different times", 3, 95, 2, 9990, 4, 120},
        {"two numbers through zero apart", 3, -7, 2, -1003, 3, 1020},
        {"second number ends at the largest int32", 3, -3, 1, INT32_HIGHEST - 12, 1, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        url_pattern pattern;
        pattern.format = c.format;
        pattern.part1 = "http://x/\x89\xe6";
        pattern.counter1 = counter_from(c.start1, c.width1);
        pattern.part2 = c.format >= 2 ? "_%s" : "";
        pattern.counter2 = counter_from(c.start2, c.width2);
        pattern.part3 = c.format == 3 ? "-" : "";
        pattern.extension = "jpg";

        list_line line = first_list_line(pattern);
        for (std::int64_t k = 0; k < c.count; ++k) {
            if (k > 0) {
                advance_list_line(pattern, line);
            }
            const auto value1 = static_cast<std::int32_t>(c.start1 + k);
            const auto value2 = static_cast<std::int32_t>(c.start2 + k);
            ASSERT_EQ(line.text, compose_list_line(pattern, value1, value2)) << "line " << k;
        }
    }
}

}  // namespace
