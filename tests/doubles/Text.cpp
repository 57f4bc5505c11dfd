#include "doubles/Text.h"

#include <charconv>

#include "platform/Utf8.h"

namespace ruvo::test {

std::string Utf8(std::u16string_view text) {
    return ToUtf8(text);
}

std::string Num(double value) {
    // Shortest round-trip form, plain digits unless an exponent is shorter:
    // 9000 stays "9000" where "%g" would give "9e+03".
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

}  // namespace ruvo::test
