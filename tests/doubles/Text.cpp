#include "doubles/Text.h"

#include <iconv.h>

#include <charconv>
#include <map>
#include <stdexcept>

namespace ruvo::test {

std::string Convert(const char* to, const char* from, std::string_view in) {
    // Opening a conversion costs more than a logged call: each pair opens once.
    static std::map<std::pair<std::string, std::string>, iconv_t> open;
    auto [found, added] = open.try_emplace({to, from});
    if (added) {
        found->second = iconv_open(to, from);
    }
    iconv_t cd = found->second;
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
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
    // Shortest form that reads back exactly: 9000, not 9e+03.
    char buffer[64];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

}  // namespace ruvo::test
