#include "console/answers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

// Reads words until the input ends.
std::vector<std::string> all_words(std::string_view typed, std::size_t room) {
    memory_console console(typed);
    std::vector<std::string> words;
    while (std::optional<std::string> word = read_word(console.con, room)) {
        words.push_back(*word);
    }
    return words;
}

TEST(ReadWord, TakesWordsBetweenTheSixWhitespaceBytes) {
    const struct {
        std::string_view typed;
        std::vector<std::string> words;
    } cases[] = {
        {"img\n", {"img"}},
        {"img 001\n", {"img", "001"}},         // typed ahead on one line
        {"\n\n  \t\r\n\v\fimg\r\n", {"img"}},  // empty lines are skipped
        {"a\tb\vc\fd\re", {"a", "b", "c", "d", "e"}},
        {"last", {"last"}},  // no line feed before the end
        {"", {}},
        {" \n\t", {}},
        // Bytes from 0x80 up are never whitespace, 0x85 and 0xA0 included,
        // so double-byte characters pass whole.
        {"\x82\xa0\x85\xa0 \x98\x41\x94\xd4", {"\x82\xa0\x85\xa0", "\x98\x41\x94\xd4"}},
        {std::string_view("a\0b c", 5), {std::string("a\0b", 3), "c"}},
        {"a%d%s%n x", {"a%d%s%n", "x"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(all_words(c.typed, PART_ROOM), c.words) << c.typed;
    }
}

TEST(ReadWord, KeepsAnAnswerLongerThanItsRoomWhole) {
    const std::string part(300, 'p');
    EXPECT_EQ(all_words(part + " 0001\n", PART_ROOM), (std::vector<std::string>{part, "0001"}));
    EXPECT_EQ(all_words("1234567890123456789 x", NUMBER_ROOM),
              (std::vector<std::string>{"1234567890123456789", "x"}));
    EXPECT_EQ(all_words("jpeg2000x y", EXTENSION_ROOM),
              (std::vector<std::string>{"jpeg2000x", "y"}));
}

TEST(ReadNumber, ReadsASignedDecimalInt32) {
    const struct {
        std::string_view typed;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"1\n", 1},
        {"  \n\n 3", 3},
        {"01", 1},
        {"+2", 2},
        {"-1", -1},
        {"0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"000000000000000000002", 2},
        // No digits, or beyond 32 bits: nothing that could pass for 1 to 3.
        {"", std::nullopt},
        {"x", std::nullopt},
        {"-", std::nullopt},
        {"- 1", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"4294967297", std::nullopt},
        {"4294967296", std::nullopt},
        {"100000000000000000000000000001", std::nullopt},
    };
    for (const auto& c : cases) {
        memory_console console(c.typed);
        EXPECT_EQ(read_number(console.con), c.value) << c.typed;
    }
}

TEST(ReadNumber, LeavesTheByteAfterTheDigitsForTheNextAnswer) {
    const struct {
        std::string_view typed;
        std::string next_word;
    } cases[] = {
        {"1x\n", "x"},  {"1 img\n", "img"},
        {"12.5", ".5"}, {"4294967297abc", "abc"},  // every digit is taken, however many
        {"x", "x"},
    };
    for (const auto& c : cases) {
        memory_console console(c.typed);
        read_number(console.con);
        EXPECT_EQ(read_word(console.con, PART_ROOM), c.next_word) << c.typed;
    }
}

// An output that counts how often it is flushed.
class watched_output : public std::stringbuf {
public:
    int flushes = 0;

protected:
    int sync() override {
        ++flushes;
        return 0;
    }
};

TEST(Console, FlushesOnlyWhenTheAnswerHasYetToArrive) {
    std::stringbuf typed_ahead("img 001");
    watched_output output;
    console con{&typed_ahead, &output};

    write_bytes(con, "prompt");
    EXPECT_EQ(read_word(con, PART_ROOM), "img");
    EXPECT_EQ(output.flushes, 0) << "the answer was there: no wait, no flush";

    // The second word runs into the end of the typed bytes: the program would
    // wait for more there, so the prompt must be out by then.
    EXPECT_EQ(read_word(con, NUMBER_ROOM), "001");
    EXPECT_GE(output.flushes, 1);
}

}  // namespace
