#include "platform/Convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

// Every conversion rounds halves to even and reports what does not fit as
// an overflow (6), a division by zero as number 11; none wraps or saturates.
TEST(ConvertTest, ConversionsFitOrFail) {
    const double int32Max = std::numeric_limits<std::int32_t>::max();
    const double int32Min = std::numeric_limits<std::int32_t>::min();
    const double floatMax = std::numeric_limits<float>::max();
    struct Case {
        std::function<double()> convert;
        const char* result;
    };
    const Case cases[] = {
        {[] { return ToInt32(2.5); }, "2"},
        {[] { return ToInt32(-3.5); }, "-4"},
        {[=] { return ToInt32(int32Max); }, "2147483647"},
        {[=] { return ToInt32(int32Min); }, "-2147483648"},
        {[=] { return ToInt32(int32Max + 1); }, "error 6"},
        {[=] { return ToInt32(int32Min - 1); }, "error 6"},
        {[] { return ToInt32(std::nan("")); }, "error 6"},
        {[=] { return ToSingle(floatMax); }, "3.4028234663852886e+38"},
        {[=] { return ToSingle(-floatMax * 2); }, "error 6"},
        {[] { return MultiplyInt32(107374182, 20); }, "2147483640"},
        {[] { return MultiplyInt32(2147483647, 1); }, "2147483647"},
        {[] { return MultiplyInt32(107374183, 20); }, "error 6"},
        {[] { return MultiplyInt32(-107374183, 20); }, "error 6"},
        {[] { return Divide(1, 4); }, "0.25"},
        {[] { return Divide(1, 0); }, "error 11"},
        {[] { return Divide(1e308, 1e-308); }, "error 6"},
    };
    for (const Case& c : cases) {
        std::string result;
        try {
            result = Num(c.convert());
        } catch (const RuntimeError& error) {
            result = "error " + std::to_string(static_cast<int>(error.Number()));
        }
        EXPECT_EQ(result, c.result);
    }
}

}  // namespace
}  // namespace ruvo::test
