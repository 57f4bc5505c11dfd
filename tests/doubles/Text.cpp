#include "doubles/Text.h"

#include <iconv.h>

#include <charconv>
#include <map>
#include <stdexcept>

namespace ruvo::test {

std::string Convert(const char* to, const char* from, std::string_view in) {
    // Opening a conversion costs more than a logged call: each pair opens
    // once, and closes at exit so that the leak checker finds none left.
    static struct Open : std::map<std::pair<std::string, std::string>, iconv_t> {
        ~Open() {
            for (const auto& [pair, cd] : *this) {
                iconv_close(cd);
            }
        }
    } open;
    auto [found, added] = open.try_emplace({to, from});
    if (added) {
        found->second = iconv_open(to, from);
    }
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const bool done = iconv(found->second, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1);
    iconv(found->second, nullptr, nullptr, nullptr, nullptr);
    if (!done) {
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

std::string Num(double value) {
    char buffer[64];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string line;
    for (const std::string& part : parts) {
        line += (line.empty() ? "" : ",") + part;
    }
    return line;
}

}  // namespace ruvo::test
