#include "app/platform.h"

#ifdef _WIN32

#include <fcntl.h>
#include <io.h>

#include <cstdio>

void prepare_standard_streams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
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

#endif
