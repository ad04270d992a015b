#include "urllist/dialogues.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "console/answers.h"
#include "console/texts.h"
#include "urllist/list_lines.h"
#include "urllist/url_pattern.h"

namespace {

struct question {
    text_id prompt;
    std::string* answer;
    std::size_t room;
};

// Every question is asked before anything is tested. False when the input
// ends before an answer.
bool ask_all(console& con, std::initializer_list<question> questions) {
    for (const question& q : questions) {
        show_text(con, q.prompt);
        std::optional<std::string> answer = read_word(con, q.room);
        if (!answer) {
            return false;
        }
        *q.answer = std::move(*answer);
    }
    return true;
}

// Both tests are made even when the first fails, so that the user can mend
// both numbers at once.
bool passes_single_counter_tests(console& con, const counter_range& counter) {
    bool passed = true;
    if (!same_width(counter)) {
        show_text(con, ERR_DIGITS);
        passed = false;
    }
    if (!in_range(counter)) {
        show_text(con, ERR_RANGE);
        passed = false;
    } else if (!ascending(counter)) {
        show_text(con, ERR_ORDER);
        passed = false;
    }
    return passed;
}

// Only the first failing test speaks, and both width tests come first.
std::optional<text_id> first_two_counter_fault(const url_pattern& pattern) {
    const counter_range& c1 = pattern.counter1;
    const counter_range& c2 = pattern.counter2;
    if (!same_width(c1)) {
        return ERR_DIGITS_1;
    }
    if (!same_width(c2)) {
        return ERR_DIGITS_2;
    }
    if (!in_range(c1)) {
        return ERR_RANGE_1;
    }
    if (!ascending(c1)) {
        return ERR_ORDER_1;
    }
    if (!in_range(c2)) {
        return ERR_RANGE_2;
    }
    if (!ascending(c2)) {
        return ERR_ORDER_2;
    }
    return std::nullopt;
}

// Only a plain 1 confirms: 0, any other number, no number at all or the end
// of input leave the list unwritten.
bool confirmed(console& con, const url_pattern& pattern) {
    show_text(con, TEXT_FIRST_URL, compose_shown_url(pattern, shown_url::first));
    show_text(con, TEXT_LAST_URL, compose_shown_url(pattern, shown_url::last));
    show_text(con, ASK_CONFIRM);
    return read_number(con) == 1;
}

// Each line is made from the one before; the count is taken in 64 bits, as a
// list may hold every int32.
void write_list(console& con, list_file& file, const url_pattern& pattern) {
    const std::int64_t count = list_line_count(pattern);
    list_line line = first_list_line(pattern);
    for (std::int64_t written = 0; write_list_line(file, line.text);) {
        if (++written == count) {
            break;
        }
        advance_list_line(pattern, line);
    }
    show_text(con, flush_list_file(file) ? TEXT_DONE : TEXT_WRITE_FAILED);
}

}  // namespace

void run_single_counter_dialogue(console& con, list_file& file, int format) {
    url_pattern pattern;
    pattern.format = format;
    counter_range& counter = pattern.counter1;
    const bool answered = format == 1
                              ? ask_all(con, {{ASK_PART, &pattern.part1, PART_ROOM},
                                              {ASK_START, &counter.start_text, NUMBER_ROOM},
                                              {ASK_END, &counter.end_text, NUMBER_ROOM},
                                              {ASK_EXTENSION, &pattern.extension, EXTENSION_ROOM}})
                              : ask_all(con, {{ASK_PART_1, &pattern.part1, PART_ROOM},
                                              {ASK_START, &counter.start_text, NUMBER_ROOM},
                                              {ASK_END, &counter.end_text, NUMBER_ROOM},
                                              {ASK_PART_2, &pattern.part2, PART_ROOM},
                                              {ASK_EXTENSION, &pattern.extension, EXTENSION_ROOM}});
    if (!answered) {
        return;
    }
    fill_counter(counter);
    if (passes_single_counter_tests(con, counter) && confirmed(con, pattern)) {
        write_list(con, file, pattern);
    }
}

void run_two_counter_dialogue(console& con, list_file& file) {
    url_pattern pattern;
    pattern.format = 3;
    counter_range& c1 = pattern.counter1;
    counter_range& c2 = pattern.counter2;
    const bool answered = ask_all(con, {{ASK_PART_1, &pattern.part1, PART_ROOM},
                                        {ASK_START_1, &c1.start_text, NUMBER_ROOM},
                                        {ASK_END_1, &c1.end_text, NUMBER_ROOM},
                                        {ASK_PART_2, &pattern.part2, PART_ROOM},
                                        {ASK_START_2, &c2.start_text, NUMBER_ROOM},
                                        {ASK_END_2, &c2.end_text, NUMBER_ROOM},
                                        {ASK_PART_3, &pattern.part3, PART_ROOM},
                                        {ASK_EXTENSION, &pattern.extension, EXTENSION_ROOM}});
    if (!answered) {
        return;
    }
    fill_counter(c1);
    fill_counter(c2);
    if (const std::optional<text_id> fault = first_two_counter_fault(pattern)) {
        show_text(con, *fault);
        return;
    }
    if (confirmed(con, pattern)) {
        write_list(con, file, pattern);
    }
}
