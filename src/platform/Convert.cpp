#include "platform/Convert.h"

#include <cmath>
#include <limits>

#include "platform/Error.h"

namespace ruvo {

std::int32_t ToInt32(double value) {
    const double rounded = std::nearbyint(value);  // default mode: halves to even
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

float ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<float>(value);
}

std::int32_t MultiplyInt32(std::int32_t a, std::int32_t b) {
    const std::int64_t product = std::int64_t{a} * b;
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int32_t>(product);
}

double Finite(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return value;
}

double Divide(double dividend, double divisor) {
    if (divisor == 0.0) {
        throw RuntimeError(ErrorNumber::DivisionByZero);
    }
    return Finite(dividend / divisor);
}

std::u16string Decimal(std::int64_t number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

}  // namespace ruvo
