#include "doubles/Text.h"

#include <iconv.h>

#include <charconv>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <utility>

namespace ruvo::test {

namespace {

// An open conversion, closed at exit so that the leak checker sees none left.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (reinterpret_cast<std::intptr_t>(cd_) != -1) {
            iconv_close(cd_);
        }
    }
    iconv_t Get() const { return cd_; }

  private:
    iconv_t cd_;
};

// Opening a conversion is costly, under the sanitizers above all, and the
// doubles convert for every call they log: each pair is opened once.
iconv_t Open(const char* to, const char* from) {
    static std::map<std::pair<std::string, std::string>, Converter> open;
    const std::pair<std::string, std::string> key{to, from};
    auto found = open.find(key);
    if (found == open.end()) {
        found = open.try_emplace(key, to, from).first;
    }
    iconv(found->second.Get(), nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return found->second.Get();
}

}  // namespace

std::string Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = Open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv cannot convert between these code pages");
    }
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
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
