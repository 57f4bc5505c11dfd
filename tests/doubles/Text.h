#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace ruvo::test {

// Text from one encoding to another with glibc's iconv, which knows CP932,
// the ANSI code page of Japanese Windows.
std::string Convert(const char* to, const char* from, std::string_view in);
// UTF-8 for call logs and failure messages.
std::string Utf8(std::u16string_view text);
// A number as the logs print it: the shortest form that reads back exactly.
std::string Num(double value);
// Parts of a log as one line, "a,b,c".
std::string Joined(const std::vector<std::string>& parts);

template <typename T>
    requires std::is_arithmetic_v<T>
std::string Arg(T value) {
    if constexpr (std::is_integral_v<T>) {
        return std::to_string(value);
    } else {
        return Num(value);
    }
}
inline std::string Arg(std::u16string_view text) {
    return Utf8(text);
}
inline std::string Arg(const std::string& text) {
    return text;
}

// A logged call, "SetWidth(705)".
template <typename... Args>
std::string Call(const std::string& name, const Args&... args) {
    return name + "(" + Joined({Arg(args)...}) + ")";
}

}  // namespace ruvo::test
