#pragma once

#include <cstdint>
#include <string>

namespace ruvo {

// The program's numeric conversions. Each throws RuntimeError Overflow when
// the value does not fit (NaN and infinities included), so no conversion
// anywhere wraps or saturates silently.

// Nearest 32-bit integer, halves to the even neighbour.
std::int32_t ToInt32(double value);
// Single precision; out of float range is an overflow.
float ToSingle(double value);
// 32-bit product with an overflow check.
std::int32_t MultiplyInt32(std::int32_t a, std::int32_t b);
// A finite result of floating-point arithmetic: infinities and NaN are an
// overflow (or a division by zero when the divisor was 0).
double Finite(double value);
double Divide(double dividend, double divisor);

// A whole number's decimal digits, for messages.
std::u16string Decimal(std::int64_t number);

}  // namespace ruvo
