#include "doubles/Text.h"

#include <iconv.h>

#include <charconv>
#include <stdexcept>

namespace ruvo::test {

std::string Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv cannot convert between these code pages");
    }
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("text not representable in the target code page");
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::string Utf8(std::u16string_view text) {
    try {
        return Convert("UTF-8", "UTF-16LE",
                       {reinterpret_cast<const char*>(text.data()), text.size() * 2});
    } catch (const std::runtime_error&) {
        return "(text with a lone surrogate)";
    }
}

std::string Joined(const std::vector<std::string>& calls) {
    std::string line;
    for (const std::string& call : calls) {
        line += (line.empty() ? "" : ",") + call;
    }
    return line;
}

std::string Num(double value) {
    // Shortest round-trip form, plain digits unless an exponent is shorter:
    // 9000 stays "9000" where "%g" would give "9e+03".
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

}  // namespace ruvo::test
