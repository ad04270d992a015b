#include "urllist/list_file.h"

#include <cstring>

namespace {

constexpr const char* LIST_FILE_NAME = "uho.txt";
constexpr std::string_view LINE_END = "\r\n";

bool write_bytes(list_file& file, std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.stream) != bytes.size()) {
        file.failed = true;
    }
    return !file.failed;
}

bool write_block(list_file& file) {
    const bool written = write_bytes(file, {file.block.data(), file.used});
    file.used = 0;
    return written;
}

void append(list_file& file, std::string_view bytes) {
    std::memcpy(file.block.data() + file.used, bytes.data(), bytes.size());
    file.used += bytes.size();
}

}  // namespace

std::optional<list_file> open_list_file() {
    // Binary, so that the line ends are written as the two bytes given.
    std::FILE* const stream = std::fopen(LIST_FILE_NAME, "wb");
    if (stream == nullptr) {
        return std::nullopt;
    }
    // The block is the buffer; a second one in the C library would only add
    // a copy of every byte.
    std::setvbuf(stream, nullptr, _IONBF, 0);
    return list_file{stream, std::vector<char>(LIST_BLOCK_SIZE)};
}

bool write_list_line(list_file& file, std::string_view line) {
    if (file.failed) {
        return false;
    }
    const std::size_t size = line.size() + LINE_END.size();
    if (size > file.block.size() - file.used && !write_block(file)) {
        return false;
    }
    if (size > file.block.size()) {
        // A line longer than a block goes out on its own.
        return write_bytes(file, line) && write_bytes(file, LINE_END);
    }
    append(file, line);
    append(file, LINE_END);
    return true;
}

bool flush_list_file(list_file& file) {
    if (!file.failed && write_block(file) &&
        (std::fflush(file.stream) != 0 || std::ferror(file.stream) != 0)) {
        file.failed = true;
    }
    return !file.failed;
}

void close_list_file(list_file& file) {
    std::fclose(file.stream);
    file.stream = nullptr;
}
