// Reading the user's answers from the console input. Both reads take from the
// one input stream and leave the byte that ends an answer unread, so several
// answers may be typed ahead on one line and later questions take them
// without waiting. Whitespace is exactly blank, tab, line feed, carriage
// return, vertical tab and form feed; bytes 0x80 to 0xFF never are, so
// double-byte characters pass whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "console/console.h"

// The rooms that answers are read with: what each answer can hold at least,
// with one byte to spare. A longer answer is still taken and kept whole.
constexpr std::size_t PART_ROOM = 64;
constexpr std::size_t NUMBER_ROOM = 16;
constexpr std::size_t EXTENSION_ROOM = 8;

bool is_whitespace(int byte);

// Skips whitespace across any number of lines, then takes every byte up to the
// next whitespace byte or the end of input. So an answer is never empty: none
// is returned only when the input ends before the answer begins.
std::optional<std::string> read_word(console& con, std::size_t room);

// Skips whitespace, then takes an optional "+" or "-" and the digits behind
// it. None is returned when no digit follows or when the value lies outside
// the signed 32-bit range, so that such an answer never selects anything.
std::optional<std::int32_t> read_number(console& con);
