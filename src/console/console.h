// The console: the two byte streams through which the user and the program
// talk. The program flow binds them to standard input and output; tests bind
// them to memory. Bytes pass through untouched, with no locale and no
// conversion between them and the streams.
#pragma once

#include <streambuf>
#include <string>
#include <string_view>

struct console {
    std::streambuf* input;
    std::streambuf* output;
};

// Writes bytes as they are. A failed write is dropped: a console that has gone
// away can't be told about it, and the list file doesn't depend on it.
void write_bytes(console& con, std::string_view bytes);

// Delivers everything written so far.
void flush_output(console& con);

constexpr int END_OF_INPUT = std::char_traits<char>::eof();

// The next input byte, not yet taken (0 to 255), or END_OF_INPUT.
// When the byte has yet to arrive, the output is flushed first: the user must
// see the question before the program waits for the answer.
int peek_byte(console& con);

// Takes the byte that peek_byte showed.
void take_byte(console& con);
