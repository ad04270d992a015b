// The list file "uho.txt" in the working directory: list lines only, each
// ended by CR LF, written as bytes. The program flow opens and closes it; a
// dialogue writes its lines and learns whether they all arrived.
#pragma once

#include <cstdio>
#include <optional>
#include <string_view>

struct list_file {
    std::FILE* stream = nullptr;
    // Set by the first write that fails. No line is written after it: a list
    // that has lost lines is cut short there and reported, never passed off
    // as whole.
    bool failed = false;
};

// Creates the file, or empties one left by an earlier run. None when neither
// is possible (a folder of that name, no permission).
std::optional<list_file> open_list_file();

// Appends the line and CR LF. False once any write has failed.
bool write_list_line(list_file& file, std::string_view line);

// Hands every line written so far to the system. True when all of them
// arrived; false when a write or the flush failed.
bool flush_list_file(list_file& file);

void close_list_file(list_file& file);
