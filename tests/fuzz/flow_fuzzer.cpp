// Runs the whole program in-process on arbitrary input bytes: menu, dialogue
// and list file "uho.txt" in the working folder, which should be a folder of
// its own. After every run it checks the list against what a plain model of
// the answers asks for:
// - the list file holds only whole lines, each ended by CR LF;
// - a run that writes (the answers pass every test and the confirmation is
//   1) writes exactly the lines the numbers ask for, each one as the model
//   composes it, and says it is done; where the start numbers are typed as
//   the list writes them, the first URL shown is the first line;
// - any other run leaves the list empty, or creates none when the choice is
//   not a layout.
// The model reads the input on its own and shares no code with the program.
// A failed check prints what differs and aborts, which the fuzzer reports.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_flow.h"
#include "console/console.h"

namespace {

// Lists longer than this are skipped: the fuzzer is after wrong lists, not
// long ones, and long ones slow it down.
constexpr std::int64_t LIST_BYTES_LIMIT = 1 << 20;

// ---- The model ----------------------------------------------------------

bool is_blank(unsigned char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\v' ||
           byte == '\f';
}

bool is_decimal(unsigned char byte) {
    return byte >= '0' && byte <= '9';
}

struct typed_input {
    std::string_view bytes;
    std::size_t at = 0;

    void skip_blanks() {
        while (at < bytes.size() && is_blank(bytes[at])) {
            ++at;
        }
    }
};

std::optional<std::string> next_word(typed_input& in) {
    in.skip_blanks();
    const std::size_t start = in.at;
    while (in.at < in.bytes.size() && !is_blank(in.bytes[in.at])) {
        ++in.at;
    }
    if (in.at == start) {
        return std::nullopt;
    }
    return std::string(in.bytes.substr(start, in.at - start));
}

// A sign and digits at the front of `text`, from `at`; the magnitude stops
// growing once it is past every 32-bit value. None when there is no digit.
std::optional<std::int64_t> leading_number(std::string_view text, std::size_t& at) {
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t magnitude = 0;
    bool any = false;
    for (; at < text.size() && is_decimal(text[at]); ++at) {
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[at] - '0'), 1LL << 40);
        any = true;
    }
    if (!any) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<std::int64_t> next_number(typed_input& in) {
    in.skip_blanks();
    return leading_number(in.bytes, in.at);
}

bool fits_int32(std::int64_t value) {
    return value >= -(1LL << 31) && value < (1LL << 31);
}

struct model_counter {
    std::string start_text;
    std::string end_text;
    std::int64_t start = 0;
    std::int64_t end = 0;

    bool passes() const {
        return start_text.size() == end_text.size() && fits_int32(start) && fits_int32(end) &&
               start < end;
    }
};

std::int64_t text_value(const std::string& text) {
    std::size_t at = 0;
    return leading_number(text, at).value_or(0);
}

std::string zero_filled(std::int64_t value, std::size_t width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    const std::size_t used = digits.size() + (value < 0 ? 1 : 0);
    if (used < width) {
        digits.insert(0, width - used, '0');
    }
    return value < 0 ? "-" + digits : digits;
}

enum class outcome { no_file, empty_list, list };

struct model {
    outcome expected = outcome::no_file;
    int layout = 0;
    std::string part1, part2, part3, extension;
    model_counter counter1, counter2;
    std::int64_t line_count = 0;

    std::string line(std::int64_t k) const {
        std::string text = part1 + zero_filled(counter1.start + k, counter1.start_text.size());
        if (layout >= 2) {
            text += part2;
        }
        if (layout == 3) {
            text += zero_filled(counter2.start + k, counter2.start_text.size()) + part3;
        }
        return text + "." + extension;
    }
};

model expect(std::string_view bytes) {
    typed_input in{bytes};
    model m;
    const std::optional<std::int64_t> choice = next_number(in);
    if (!choice || *choice < 1 || *choice > 3) {
        return m;
    }
    m.layout = static_cast<int>(*choice);
    m.expected = outcome::empty_list;
    std::vector<std::string*> answers;
    if (m.layout == 1) {
        answers = {&m.part1, &m.counter1.start_text, &m.counter1.end_text, &m.extension};
    } else if (m.layout == 2) {
        answers = {&m.part1, &m.counter1.start_text, &m.counter1.end_text, &m.part2, &m.extension};
    } else {
        answers = {&m.part1,
                   &m.counter1.start_text,
                   &m.counter1.end_text,
                   &m.part2,
                   &m.counter2.start_text,
                   &m.counter2.end_text,
                   &m.part3,
                   &m.extension};
    }
    for (std::string* answer : answers) {
        std::optional<std::string> word = next_word(in);
        if (!word) {
            return m;
        }
        *answer = *word;
    }
    for (model_counter* counter : {&m.counter1, &m.counter2}) {
        counter->start = text_value(counter->start_text);
        counter->end = text_value(counter->end_text);
    }
    if (!m.counter1.passes() || (m.layout == 3 && !m.counter2.passes())) {
        return m;
    }
    if (next_number(in) != 1) {
        return m;
    }
    m.expected = outcome::list;
    m.line_count = m.counter1.end - m.counter1.start + 1;
    if (m.layout == 3) {
        m.line_count = std::min(m.line_count, m.counter2.end - m.counter2.start + 1);
    }
    return m;
}

// ---- The checks ---------------------------------------------------------

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "flow_fuzzer: %s\n", what.c_str());
    std::abort();
}

void check(bool holds, const std::string& what) {
    if (!holds) {
        fail(what);
    }
}

std::vector<std::string> whole_lines(const std::string& list) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = list.find("\r\n", start);
        check(end != std::string::npos, "the list ends inside a line");
        const std::string line = list.substr(start, end - start);
        check(line.find_first_of("\r\n") == std::string::npos, "a stray CR or LF in the list");
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

std::optional<std::string> file_bytes(const char* name) {
    if (!std::filesystem::is_regular_file(name)) {
        return std::nullopt;
    }
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string shown_by(std::string_view typed) {
    std::stringbuf input{std::string(typed)};
    std::stringbuf output;
    console con{&input, &output};
    check(run_program(con) == 1, "the exit status is not 1");
    return output.str();
}

// What comes before the first URL on the screen: "最初のURLは".
constexpr std::string_view FIRST_URL_SHOWN = "\x8d\xc5\x8f\x89\x82\xccURL\x82\xcd";

// What the screen shows last when the list has been written, in the bytes
// the program shows: "ファイルへの出力が完了しました" and a line break.
constexpr std::string_view DONE_SHOWN =
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xd6\x82\xcc\x8f\x6f\x97\xcd\x82\xaa\x8a\xae\x97\xb9"
    "\x82\xb5\x82\xdc\x82\xb5\x82\xbd\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const model m = expect(typed);
    if (m.expected == outcome::list &&
        m.line_count * static_cast<std::int64_t>(size + 24) > LIST_BYTES_LIMIT) {
        return -1;
    }
    std::filesystem::remove("uho.txt");
    const std::string screen = shown_by(typed);
    const std::optional<std::string> list = file_bytes("uho.txt");

    if (m.expected == outcome::no_file) {
        check(!list, "a list file was created without a layout chosen");
        return 0;
    }
    check(list.has_value(), "no list file after a layout was chosen");
    const std::vector<std::string> lines = whole_lines(*list);
    const bool done =
        screen.size() >= DONE_SHOWN.size() &&
        screen.compare(screen.size() - DONE_SHOWN.size(), DONE_SHOWN.size(), DONE_SHOWN) == 0;
    if (m.expected == outcome::empty_list) {
        check(list->empty(), "a list was written without a confirmed run");
        check(!done, "the done text after no list");
        return 0;
    }
    check(static_cast<std::int64_t>(lines.size()) == m.line_count,
          "the list has " + std::to_string(lines.size()) + " lines, not " +
              std::to_string(m.line_count));
    for (std::int64_t k = 0; k < m.line_count; ++k) {
        const std::string& line = lines[static_cast<std::size_t>(k)];
        check(line == m.line(k),
              "line " + std::to_string(k) + " is " + line + ", not " + m.line(k));
    }
    // Where the typed start numbers are written as the list writes them, the
    // first URL shown is the first line.
    const bool typed_as_written =
        m.counter1.start_text == zero_filled(m.counter1.start, m.counter1.start_text.size()) &&
        (m.layout != 3 ||
         m.counter2.start_text == zero_filled(m.counter2.start, m.counter2.start_text.size()));
    if (typed_as_written) {
        check(
            screen.find(std::string(FIRST_URL_SHOWN) + lines.front() + "\r\n") != std::string::npos,
            "the first URL shown is not the first line");
    }
    check(done, "no done text after the list");
    return 0;
}
