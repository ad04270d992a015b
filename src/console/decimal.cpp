#include "console/decimal.h"

#include <algorithm>
#include <limits>

namespace {

// Past the magnitude of every 32-bit value (the largest is 2147483648);
// holding the magnitude here keeps magnitude * 10 + 9 far from overflowing.
constexpr std::uint64_t TOO_LARGE = (std::uint64_t{1} << 31) + 1;

}  // namespace

bool take_sign(decimal_number& number, int byte) {
    if (byte != '+' && byte != '-') {
        return false;
    }
    number.negative = byte == '-';
    return true;
}

void add_digit(decimal_number& number, int digit_byte) {
    const auto digit = static_cast<std::uint64_t>(digit_byte - '0');
    number.magnitude = std::min(number.magnitude * 10 + digit, TOO_LARGE);
    number.has_digits = true;
}

std::optional<std::int32_t> int32_value(const decimal_number& number) {
    const auto magnitude = static_cast<std::int64_t>(number.magnitude);
    const std::int64_t value = number.negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}
