// The list file "uho.txt" in the working directory: list lines only, each
// ended by CR LF, written as bytes. The program flow opens and closes it; a
// dialogue writes its lines and learns whether they all arrived.
//
// Lines are gathered into blocks of LIST_BLOCK_SIZE bytes and each block is
// handed to the system in one write, so that a list of billions of short lines
// costs a few thousand system calls, and the same memory whatever its length.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

constexpr std::size_t LIST_BLOCK_SIZE = std::size_t{1} << 18;

struct list_file {
    std::FILE* stream = nullptr;
    // Lines not yet handed to the system fill block[0, used).
    std::vector<char> block;
    std::size_t used = 0;
    // Set by the first write that fails. No line is written after it: a list
    // that has lost lines is cut short there and reported, never passed off
    // as whole.
    bool failed = false;
};

// Creates the file, or empties one left by an earlier run. None when neither
// is possible (a folder of that name, no permission).
std::optional<list_file> open_list_file();

// Appends the line and CR LF. False once any write has failed; as lines go to
// the system a block at a time, a failure shows at the line that fills one.
bool write_list_line(list_file& file, std::string_view line);

// Hands every line written so far to the system. True when all of them
// arrived; false when a write or the flush failed.
bool flush_list_file(list_file& file);

void close_list_file(list_file& file);
