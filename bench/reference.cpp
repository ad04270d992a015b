// The limit for writing a list of numbered lines: one line is held in memory,
// its digits are stepped in place, and the lines are copied into a 1 MiB
// buffer that goes to standard output in one write(2) per buffer.
//
//   reference COUNT PART START TAIL [START2 TAIL2]
//
// Line k is PART, START + k, TAIL and, with a second number, START2 + k and
// TAIL2, then CR LF. Each number keeps the width of its START text, zeros
// behind an optional minus sign, as the benchmark's ranges need; a range that
// outgrows its width is not supported.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct number {
    std::size_t at;     // first byte of the number in the line
    std::size_t width;  // sign included
    std::int64_t value;
};

// -0042 at width 5 counts up to -0041, ..., -0001, then 00000, 00001, ...
void step(std::string& line, number& n) {
    char* const first = line.data() + n.at;
    char* digit = first + n.width - 1;
    if (n.value < 0) {
        if (++n.value == 0) {
            std::memset(first, '0', n.width);
            return;
        }
        while (*digit == '0') {
            *digit-- = '9';
        }
        --*digit;
        return;
    }
    ++n.value;
    while (*digit == '9') {
        *digit-- = '0';
    }
    ++*digit;
}

bool write_all(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 && argc != 7) {
        return 2;
    }
    const long long count = std::atoll(argv[1]);
    std::string line = argv[2];
    std::vector<number> numbers;
    for (int arg = 3; arg < argc; arg += 2) {
        numbers.push_back({line.size(), std::strlen(argv[arg]), std::atoll(argv[arg])});
        line += argv[arg];
        line += argv[arg + 1];
    }
    line += "\r\n";

    std::vector<char> buffer(1 << 20);
    std::size_t used = 0;
    for (long long k = 0; k < count; ++k) {
        if (used + line.size() > buffer.size()) {
            if (!write_all(buffer.data(), used)) {
                return 1;
            }
            used = 0;
        }
        std::memcpy(buffer.data() + used, line.data(), line.size());
        used += line.size();
        for (number& n : numbers) {
            step(line, n);
        }
    }
    return write_all(buffer.data(), used) ? 0 : 1;
}
