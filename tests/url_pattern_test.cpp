#include "urllist/url_pattern.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr std::int32_t INT32_LOWEST = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t INT32_HIGHEST = std::numeric_limits<std::int32_t>::max();

TEST(RenderCounter, FillsWithZerosBehindTheSignAndNeverCuts) {
    const struct {
        std::int32_t value;
        std::size_t width;
        std::string_view text;
    } cases[] = {
        {7, 3, "007"},
        {100, 3, "100"},
        {-5, 3, "-05"},
        {-1, 3, "-01"},
        {0, 3, "000"},
        {1000, 3, "1000"},
        {-100, 3, "-100"},
        {5, 0, "5"},
        {INT32_HIGHEST, 12, "002147483647"},
        {INT32_LOWEST, 1, "-2147483648"},
        {INT32_LOWEST, 15, "-00002147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render_counter(c.value, c.width), c.text) << c.value << " in " << c.width;
    }
}

TEST(CounterValue, ReadsTheLeadingNumberAndReportsAnyOutsideInt32) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"007", 7},
        {"12ab", 12},
        {"-3", -3},
        {"+5", 5},
        {"x9", 0},
        {"", 0},
        {"-", 0},
        {"+-5", 0},
        {"2147483647", INT32_HIGHEST},
        {"-2147483648", INT32_LOWEST},
        {"000000000000042", 42},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"4294967297", std::nullopt},
        {"999999999999999", std::nullopt},
        {"18446744073709551617", std::nullopt},  // wraps 64 bits to 1
    };
    for (const auto& c : cases) {
        EXPECT_EQ(counter_value(c.text), c.value) << c.text;
    }
}

url_pattern pattern(int format, std::string part1, std::string start1, std::string end1,
                    std::string part2, std::string start2, std::string end2, std::string part3,
                    std::string extension) {
    url_pattern p;
    p.format = format;
    p.part1 = std::move(part1);
    p.counter1.start_text = std::move(start1);
    p.counter1.end_text = std::move(end1);
    p.part2 = std::move(part2);
    p.counter2.start_text = std::move(start2);
    p.counter2.end_text = std::move(end2);
    p.part3 = std::move(part3);
    p.extension = std::move(extension);
    fill_counter(p.counter1);
    fill_counter(p.counter2);
    return p;
}

TEST(ComposeUrls, LayOutEachFormatWithTypedAndRenderedNumbers) {
    const struct {
        url_pattern pattern;
        std::string first_shown;
        std::string last_shown;
        std::int32_t value1;
        std::int32_t value2;
        std::string line;
    } cases[] = {
        {pattern(1, "img", "098", "101", "", "", "", "", "jpg"), "img098.jpg", "img101.jpg", 99, 0,
         "img099.jpg"},
        {pattern(2, "a", "1", "3", "_b", "", "", "", "png"), "a1_b.png", "a3_b.png", 2, 0,
         "a2_b.png"},
        {pattern(3, "v", "01", "03", "_", "11", "13", "p", "jpg"), "v01_11p.jpg", "v03_13p.jpg", 2,
         12, "v02_12p.jpg"},
        // Shown as typed, written as rendered: the sign and a non-digit tail
        // appear only in the confirmation.
        {pattern(1, "n", "+1", "+9", "", "", "", "", "gif"), "n+1.gif", "n+9.gif", 5, 0, "n05.gif"},
        {pattern(3, "d", "-03", "003", "x", "7a", "9a", "", "png"), "d-03x7a.png", "d003x9a.png",
         -1, 8, "d-01x08.png"},
        // Fixed parts are bytes, never a format string or text to convert.
        {pattern(2, "http://h/%d%s%n?q=", "1", "2", "\x82\xa0%", "", "", "", "jpg"),
         "http://h/%d%s%n?q=1\x82\xa0%.jpg", "http://h/%d%s%n?q=2\x82\xa0%.jpg", 1, 0,
         "http://h/%d%s%n?q=1\x82\xa0%.jpg"},
        {pattern(1, "img", "001", "120", "", "", "", "", ".jpg"), "img001..jpg", "img120..jpg", 7,
         0, "img007..jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compose_shown_url(c.pattern, shown_url::first), c.first_shown);
        EXPECT_EQ(compose_shown_url(c.pattern, shown_url::last), c.last_shown);
        EXPECT_EQ(compose_list_line(c.pattern, c.value1, c.value2), c.line);
    }
}

TEST(ComposeUrls, TheEndLinesEqualTheShownUrlsWhenOnlyDigitsAreTyped) {
    const url_pattern p = pattern(3, "a", "0098", "0101", "b", "-05", "-01", "c", "jpg");
    EXPECT_EQ(compose_list_line(p, 98, -5), compose_shown_url(p, shown_url::first));
    EXPECT_EQ(compose_list_line(p, 101, -1), compose_shown_url(p, shown_url::last));
}

TEST(ListLineCount, CountsOneRangeOrTheShorterOfTwo) {
    EXPECT_EQ(list_line_count(pattern(1, "a", "098", "101", "", "", "", "", "j")), 4);
    EXPECT_EQ(list_line_count(pattern(2, "a", "-2147483648", "02147483647", "b", "", "", "", "j")),
              std::int64_t{1} << 32);
    EXPECT_EQ(list_line_count(pattern(3, "a", "1", "3", "b", "10", "15", "c", "j")), 3);
    EXPECT_EQ(list_line_count(pattern(3, "a", "10", "15", "b", "1", "3", "c", "j")), 3);
}

}  // namespace
