#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace ruvo::test {

// An in-memory file system with code page 932 as the desktop's ANSI code
// page. Every call is logged in order in `calls`, e.g. "WriteAll(C:\x\a)".
class FakeFiles : public platform::Files {
  public:
    std::u16string executableDirectory = u"C:\\Tools";
    std::map<std::u16string, std::string> files;  // full path -> bytes
    // A write that fails after this many bytes: the file keeps those bytes
    // and WriteAll throws a disk-full error.
    std::optional<std::size_t> failWriteAfter;
    std::vector<std::string> calls;
    // Called with the call's name before it acts; throw from it to fail it.
    std::function<void(const std::string& name)> onCall;

    std::u16string ExecutableDirectory() override;
    std::string ReadAll(const std::u16string& path) override;
    void WriteAll(const std::u16string& path, std::string_view bytes) override;
    void Replace(const std::u16string& from, const std::u16string& to) override;
    bool Exists(const std::u16string& path) noexcept override;
    void Remove(const std::u16string& path) noexcept override;
    std::string ToAnsi(std::u16string_view text) override;
    std::u16string FromAnsi(std::string_view bytes) override;

  private:
    void Record(const std::string& name, const std::u16string& argument);
};

}  // namespace ruvo::test
