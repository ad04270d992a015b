// Decimal numbers taken digit by digit into a signed 32-bit value. A run of
// digits of any length is taken whole, and a value beyond the 32-bit range is
// reported as such instead of wrapping around into it.
#pragma once

#include <cstdint>
#include <optional>

struct decimal_number {
    bool negative = false;
    // Stops growing once past every 32-bit magnitude, so any count of digits fits.
    std::uint64_t magnitude = 0;
    bool has_digits = false;
};

inline bool is_digit(int byte) {
    return '0' <= byte && byte <= '9';
}

// Takes a leading "+" or "-" into the number; false when `byte` is neither.
bool take_sign(decimal_number& number, int byte);

void add_digit(decimal_number& number, int digit_byte);

// The value, or none when it lies outside -2147483648 to 2147483647.
std::optional<std::int32_t> int32_value(const decimal_number& number);
