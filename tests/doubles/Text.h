#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruvo::test {

// Text from one encoding to another with glibc's iconv, which knows CP932,
// the ANSI code page of Japanese Windows.
std::string Convert(const char* to, const char* from, std::string_view in);
// UTF-8 for call logs and failure messages.
std::string Utf8(std::u16string_view text);
// Call logs as one line, "a,b,c".
std::string Joined(const std::vector<std::string>& calls);
// A float as the logs print it: shortest form that reads back exactly.
std::string Num(double value);

}  // namespace ruvo::test
