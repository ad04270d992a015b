// Test fixtures that need the system's own services, in one place: each one
// is built on what Linux offers and on what Windows offers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The UTF-8 text of code page 932 bytes, by the system's own converter
// (glibc's iconv, or Windows's code page 932), so that the program's texts
// are checked by something that shares nothing with them. None when the bytes
// are not valid code page 932.
std::optional<std::string> utf8_from_cp932(std::string_view bytes);

// Makes "uho.txt" in the working folder a link to a device on which every
// write fails as on a full disk. False where the system has no such device
// (Windows); the test then skips.
bool list_file_on_full_device();
