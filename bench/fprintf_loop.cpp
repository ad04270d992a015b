// A peer for the benchmark: the plain loop that anyone would write first, one
// fprintf per line through the C library's buffered standard output.
//
//   fprintf_loop FORMAT COUNT START [START2]
//
// Line k is FORMAT applied to START + k (and START2 + k); FORMAT holds the
// conversions and the line end.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        return 2;
    }
    const char* const format = argv[1];
    const long long count = std::atoll(argv[2]);
    const long long start = std::atoll(argv[3]);
    const long long start2 = argc == 5 ? std::atoll(argv[4]) : 0;
    for (long long k = 0; k < count; ++k) {
        if (std::fprintf(stdout, format, start + k, start2 + k) < 0) {
            return 1;
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
