#include "urllist/list_file.h"

namespace {

constexpr const char* LIST_FILE_NAME = "uho.txt";
constexpr std::string_view LINE_END = "\r\n";

bool write_bytes(list_file& file, std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.stream) != bytes.size()) {
        file.failed = true;
    }
    return !file.failed;
}

}  // namespace

std::optional<list_file> open_list_file() {
    // Binary, so that the line ends are written as the two bytes given.
    std::FILE* const stream = std::fopen(LIST_FILE_NAME, "wb");
    if (stream == nullptr) {
        return std::nullopt;
    }
    return list_file{stream};
}

bool write_list_line(list_file& file, std::string_view line) {
    return !file.failed && write_bytes(file, line) && write_bytes(file, LINE_END);
}

bool flush_list_file(list_file& file) {
    if (!file.failed && (std::fflush(file.stream) != 0 || std::ferror(file.stream) != 0)) {
        file.failed = true;
    }
    return !file.failed;
}

void close_list_file(list_file& file) {
    std::fclose(file.stream);
    file.stream = nullptr;
}
