#include "urllist/dialogues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

struct dialogue_case {
    std::string_view name;
    std::string typed;
    std::string shown;
    std::string list;
};

class Dialogue : public in_fresh_folder {
protected:
    // Runs the dialogue of `format` on each case, in a list file of its own.
    void expect_runs(int format, const std::vector<dialogue_case>& cases) {
        for (const dialogue_case& c : cases) {
            SCOPED_TRACE(c.name);
            std::optional<list_file> file = open_list_file();
            ASSERT_TRUE(file);
            memory_console console(c.typed);
            if (format == 3) {
                run_two_counter_dialogue(console.con, *file);
            } else {
                run_single_counter_dialogue(console.con, *file, format);
            }
            close_list_file(*file);
            EXPECT_EQ(console.shown(), c.shown);
            EXPECT_EQ(file_bytes("uho.txt"), c.list);
        }
    }
};

TEST_F(Dialogue, SingleCounterWritesTheConfirmedList) {
    const std::string part63(63, 'p');
    const std::string part300(300, 'q');
    expect_runs(
        1, {
               {"typical", "p\n01\n03\njpg\n1\n",
                FORMAT_1_QUESTIONS + confirmation("p01.jpg", "p03.jpg") + DONE,
                list({"p01.jpg", "p02.jpg", "p03.jpg"})},
               {"typed ahead, carrying", "img 098 101 jpg 1",
                FORMAT_1_QUESTIONS + confirmation("img098.jpg", "img101.jpg") + DONE,
                list({"img098.jpg", "img099.jpg", "img100.jpg", "img101.jpg"})},
               {"01 confirms", "p 8 9 gif 01",
                FORMAT_1_QUESTIONS + confirmation("p8.gif", "p9.gif") + DONE,
                list({"p8.gif", "p9.gif"})},
               {"through zero", "n -01 001 j 1",
                FORMAT_1_QUESTIONS + confirmation("n-01.j", "n001.j") + DONE,
                list({"n-01.j", "n000.j", "n001.j"})},
               {"ends at the largest value", "m 2147483645 2147483647 j 1",
                FORMAT_1_QUESTIONS + confirmation("m2147483645.j", "m2147483647.j") + DONE,
                list({"m2147483645.j", "m2147483646.j", "m2147483647.j"})},
               {"starts at the smallest value", "m -2147483648 -2147483647 j 1",
                FORMAT_1_QUESTIONS + confirmation("m-2147483648.j", "m-2147483647.j") + DONE,
                list({"m-2147483648.j", "m-2147483647.j"})},
               {"parts longer than their room", part300 + " 1 2 jpeg2000 1",
                FORMAT_1_QUESTIONS + confirmation(part300 + "1.jpeg2000", part300 + "2.jpeg2000") +
                    DONE,
                list({part300 + "1.jpeg2000", part300 + "2.jpeg2000"})},
               {"a 63-byte part", part63 + " 1 2 x 1",
                FORMAT_1_QUESTIONS + confirmation(part63 + "1.x", part63 + "2.x") + DONE,
                list({part63 + "1.x", part63 + "2.x"})},
           });
    expect_runs(2, {
                       {"format 2", "a 1 3 _b png 1",
                        FORMAT_2_QUESTIONS + confirmation("a1_b.png", "a3_b.png") + DONE,
                        list({"a1_b.png", "a2_b.png", "a3_b.png"})},
                       {"bytes as typed", "%s%n\x82\xa0 1 2 ?q=%d .jpg 1",
                        FORMAT_2_QUESTIONS +
                            confirmation("%s%n\x82\xa0"
                                         "1?q=%d..jpg",
                                         "%s%n\x82\xa0"
                                         "2?q=%d..jpg") +
                            DONE,
                        list({"%s%n\x82\xa0"
                              "1?q=%d..jpg",
                              "%s%n\x82\xa0"
                              "2?q=%d..jpg"})},
                   });
}

TEST_F(Dialogue, SingleCounterWritesNothingUnlessConfirmedWithOne) {
    const std::string asked = FORMAT_1_QUESTIONS + confirmation("p01.jpg", "p03.jpg");
    expect_runs(1, {
                       {"0", "p 01 03 jpg 0", asked, ""},
                       {"2", "p 01 03 jpg 2", asked, ""},
                       {"no digits", "p 01 03 jpg y", asked, ""},
                       {"1 beyond 32 bits", "p 01 03 jpg 4294967297", asked, ""},
                       {"end of input", "p 01 03 jpg\n", asked, ""},
                   });
}

TEST_F(Dialogue, SingleCounterShowsEveryFailedTest) {
    const std::string digits = texts({{ERR_DIGITS}});
    const std::string order = texts({{ERR_ORDER}});
    const std::string range = texts({{ERR_RANGE}});
    expect_runs(
        1,
        {
            {"widths differ", "p 5 12 j 1", FORMAT_1_QUESTIONS + digits, ""},
            {"order", "p 20 10 j 1", FORMAT_1_QUESTIONS + order, ""},
            {"both", "p 100 99 j 1", FORMAT_1_QUESTIONS + digits + order, ""},
            {"equal", "p 07 07 j 1", FORMAT_1_QUESTIONS + order, ""},
            {"no numbers", "p ab cd j 1", FORMAT_1_QUESTIONS + order, ""},
            {"end beyond 32 bits", "p 00000000001 99999999999 j 1", FORMAT_1_QUESTIONS + range, ""},
            {"start below 32 bits", "p -2147483649 -2147483640 j 1", FORMAT_1_QUESTIONS + range,
             ""},
            {"width and range", "p 1 4294967297 j 1", FORMAT_1_QUESTIONS + digits + range, ""},
        });
}

TEST_F(Dialogue, SingleCounterEndsQuietlyWhenTheInputEnds) {
    expect_runs(
        2, {
               {"nothing typed", "", texts({{ASK_PART_1}}), ""},
               {"after two answers", "a 1\n", texts({{ASK_PART_1}, {ASK_START}, {ASK_END}}), ""},
               {"before the extension", "a 1 2 b", FORMAT_2_QUESTIONS, ""},
           });
}

TEST_F(Dialogue, TwoCountersAdvanceTogether) {
    expect_runs(
        3, {
               {"typical", "v 01 03 _ 11 13 p jpg 1",
                FORMAT_3_QUESTIONS + confirmation("v01_11p.jpg", "v03_13p.jpg") + DONE,
                list({"v01_11p.jpg", "v02_12p.jpg", "v03_13p.jpg"})},
               {"carrying at different times", "a 098 101 b 0998 1001 c j 1",
                FORMAT_3_QUESTIONS + confirmation("a098b0998c.j", "a101b1001c.j") + DONE,
                list({"a098b0998c.j", "a099b0999c.j", "a100b1000c.j", "a101b1001c.j"})},
               {"first range shorter", "x 1 3 _ 10 15 y j 1",
                FORMAT_3_QUESTIONS + confirmation("x1_10y.j", "x3_15y.j") + DONE,
                list({"x1_10y.j", "x2_11y.j", "x3_12y.j"})},
               {"second range shorter", "x 10 15 _ 1 3 y j 1",
                FORMAT_3_QUESTIONS + confirmation("x10_1y.j", "x15_3y.j") + DONE,
                list({"x10_1y.j", "x11_2y.j", "x12_3y.j"})},
               {"to the largest value", "x 2147483646 2147483647 _ -2147483648 -2147483647 y j 1",
                FORMAT_3_QUESTIONS +
                    confirmation("x2147483646_-2147483648y.j", "x2147483647_-2147483647y.j") + DONE,
                list({"x2147483646_-2147483648y.j", "x2147483647_-2147483647y.j"})},
               {"refused", "v 01 03 _ 11 13 p jpg 0",
                FORMAT_3_QUESTIONS + confirmation("v01_11p.jpg", "v03_13p.jpg"), ""},
               {"input ends at the fifth question", "v 01 03 _\n",
                texts({{ASK_PART_1}, {ASK_START_1}, {ASK_END_1}, {ASK_PART_2}, {ASK_START_2}}), ""},
           });
}

TEST_F(Dialogue, TwoCountersShowOnlyTheFirstFailedTest) {
    const auto failing = [](text_id id) { return FORMAT_3_QUESTIONS + texts({{id}}); };
    expect_runs(
        3, {
               {"width 1 before order 2", "v 5 12 _ 9 3 p j 1", failing(ERR_DIGITS_1), ""},
               {"width 2", "v 10 20 _ 5 50 p j 1", failing(ERR_DIGITS_2), ""},
               {"width 2 before order 1", "v 3 1 _ 5 50 p j 1", failing(ERR_DIGITS_2), ""},
               {"order 1 before order 2", "v 3 3 _ 7 1 p j 1", failing(ERR_ORDER_1), ""},
               {"order 2", "v 1 4 _ 6 6 p j 1", failing(ERR_ORDER_2), ""},
               {"width 1 before range 1", "v 1 4294967297 _ 2 1 p j 1", failing(ERR_DIGITS_1), ""},
               {"range 1", "v 00000000001 99999999999 _ 2 1 p j 1", failing(ERR_RANGE_1), ""},
               {"order 1 before range 2", "v 2 1 _ 00000000001 99999999999 p j 1",
                failing(ERR_ORDER_1), ""},
               {"range 2", "v 1 2 _ -9999999999 -0000000001 p j 1", failing(ERR_RANGE_2), ""},
           });
}

}  // namespace
