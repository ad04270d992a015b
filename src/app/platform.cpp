#include "app/platform.h"

#include <iostream>

namespace {

constexpr int CTRL_Z = 0x1a;

}  // namespace

std::streambuf::int_type ctrl_z_ends_input::underflow() {
    const int_type byte = source_->sgetc();
    return byte == CTRL_Z ? traits_type::eof() : byte;
}

std::streambuf::int_type ctrl_z_ends_input::uflow() {
    const int_type byte = underflow();
    if (!traits_type::eq_int_type(byte, traits_type::eof())) {
        source_->sbumpc();
    }
    return byte;
}

std::streamsize ctrl_z_ends_input::showmanyc() {
    // A Ctrl+Z waiting counts as the known end of input.
    const std::streamsize available = source_->in_avail();
    return available > 0 && source_->sgetc() == CTRL_Z ? -1 : available;
}

#ifdef _WIN32

#include <fcntl.h>
#include <io.h>

#include <cstdio>

void prepare_standard_streams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

std::streambuf* standard_input() {
    if (!_isatty(_fileno(stdin))) {
        return std::cin.rdbuf();
    }
    static ctrl_z_ends_input console_input(std::cin.rdbuf());
    return &console_input;
}

#else

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

void prepare_standard_streams() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // A new descriptor takes the lowest free number, which is fd.
            open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        }
    }
}

std::streambuf* standard_input() {
    return std::cin.rdbuf();
}

#endif
