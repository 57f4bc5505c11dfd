#include "doubles/Text.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Utf8.h"

namespace ruvo::test {

std::string Utf8(std::u16string_view text) {
    return ToUtf8(text);
}

std::string Num(double value) {
    char buffer[64];
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (std::strtod(buffer, nullptr) == value) {
            break;
        }
    }
    return buffer;
}

}  // namespace ruvo::test
