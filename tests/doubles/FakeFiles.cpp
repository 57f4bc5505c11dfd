#include "doubles/FakeFiles.h"

#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {

void FakeFiles::Record(const std::string& name, const std::u16string& argument) {
    if (onCall) {
        onCall(name);
    }
    calls.push_back(name + "(" + Utf8(argument) + ")");
}

std::u16string FakeFiles::ExecutableDirectory() {
    return executableDirectory;
}

std::string FakeFiles::ReadAll(const std::u16string& path) {
    Record("ReadAll", path);
    const auto found = files.find(path);
    if (found == files.end()) {
        throw RuntimeError(ErrorNumber::FileNotFound, path);
    }
    return found->second;
}

void FakeFiles::WriteAll(const std::u16string& path, std::string_view bytes) {
    Record("WriteAll", path);
    if (failWriteAfter && *failWriteAfter < bytes.size()) {
        files[path] = std::string(bytes.substr(0, *failWriteAfter));
        throw RuntimeError(ErrorNumber::DiskFull, path);
    }
    files[path] = std::string(bytes);
}

void FakeFiles::Replace(const std::u16string& from, const std::u16string& to) {
    Record("Replace", from + u"," + to);
    const auto found = files.find(from);
    if (found == files.end()) {
        throw RuntimeError(ErrorNumber::FileNotFound, from);
    }
    files[to] = found->second;
    files.erase(from);
}

bool FakeFiles::Exists(const std::u16string& path) noexcept {
    return files.contains(path);
}

void FakeFiles::Remove(const std::u16string& path) noexcept {
    calls.push_back("Remove(" + Utf8(path) + ")");
    files.erase(path);
}

std::string FakeFiles::ToAnsi(std::u16string_view text) {
    const std::string_view utf16(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    return Convert("CP932", "UTF-16LE", utf16);
}

std::u16string FakeFiles::FromAnsi(std::string_view bytes) {
    const std::string utf16 = Convert("UTF-16LE", "CP932", bytes);
    std::u16string out(utf16.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i]) |
                                       (static_cast<unsigned char>(utf16[2 * i + 1]) << 8));
    }
    return out;
}

}  // namespace ruvo::test
