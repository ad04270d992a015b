// The catalogue of the program's fixed texts. Every text is a byte string in
// code page 932 (Shift_JIS) and reaches the console exactly as stored; a text
// either ends its line with CR LF or is a prompt that the answer follows on
// the same line.
#pragma once

#include <string_view>

#include "console/console.h"

enum text_id {
    TEXT_INTRO,
    TEXT_CHOOSE_FORMAT,
    TEXT_FORMAT_1,
    TEXT_FORMAT_2,
    TEXT_FORMAT_3,
    TEXT_MENU_PROMPT,
    TEXT_OPEN_FAILED,
    ASK_PART,
    ASK_PART_1,
    ASK_PART_2,
    ASK_PART_3,
    ASK_START,
    ASK_END,
    ASK_START_1,
    ASK_END_1,
    ASK_START_2,
    ASK_END_2,
    ASK_EXTENSION,
    ERR_DIGITS,
    ERR_ORDER,
    ERR_RANGE,
    ERR_DIGITS_1,
    ERR_DIGITS_2,
    ERR_ORDER_1,
    ERR_ORDER_2,
    ERR_RANGE_1,
    ERR_RANGE_2,
    TEXT_FIRST_URL,
    TEXT_LAST_URL,
    ASK_CONFIRM,
    TEXT_DONE,
    TEXT_WRITE_FAILED,
    TEXT_COUNT
};

struct text_entry {
    text_id id;
    std::string_view text;
    // Follows the inserted URL; only the URL texts have one.
    std::string_view after_url;
    bool line_break;
};

const text_entry& catalogue_entry(text_id id);

// Writes the text; a URL text carries `url` in its place. Nothing is flushed
// here: the console flushes when the program waits for an answer.
void show_text(console& con, text_id id, std::string_view url = {});
