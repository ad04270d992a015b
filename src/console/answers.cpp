#include "console/answers.h"

#include "console/decimal.h"

namespace {

void skip_whitespace(console& con) {
    while (is_whitespace(peek_byte(con))) {
        take_byte(con);
    }
}

}  // namespace

bool is_whitespace(int byte) {
    switch (byte) {
        case ' ':
        case '\t':
        case '\n':
        case '\r':
        case '\v':
        case '\f':
            return true;
        default:
            return false;
    }
}

std::optional<std::string> read_word(console& con, std::size_t room) {
    skip_whitespace(con);
    std::string word;
    word.reserve(room);
    for (int byte = peek_byte(con); byte != END_OF_INPUT && !is_whitespace(byte);
         byte = peek_byte(con)) {
        word.push_back(static_cast<char>(byte));
        take_byte(con);
    }
    if (word.empty()) {
        return std::nullopt;
    }
    return word;
}

std::optional<std::int32_t> read_number(console& con) {
    skip_whitespace(con);
    decimal_number number;
    if (take_sign(number, peek_byte(con))) {
        take_byte(con);
    }
    while (is_digit(peek_byte(con))) {
        add_digit(number, peek_byte(con));
        take_byte(con);
    }
    if (!number.has_digits) {
        return std::nullopt;
    }
    return int32_value(number);
}
