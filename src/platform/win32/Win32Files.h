#pragma once

#include "platform/Files.h"

namespace ruvo::win32 {

class Win32Files final : public platform::Files {
  public:
    std::u16string ExecutableDirectory() override;
    std::string ReadAll(const std::u16string& path) override;
    platform::FileBytes ReadUpTo(const std::u16string& path, std::size_t limit) override;
    void WriteAll(const std::u16string& path, std::string_view bytes) override;
    void Replace(const std::u16string& from, const std::u16string& to) override;
    bool Exists(const std::u16string& path) noexcept override;
    void Remove(const std::u16string& path) noexcept override;
    std::string ToAnsi(std::u16string_view text) override;
    std::u16string FromAnsi(std::string_view bytes) override;
    std::optional<std::u16string> FromShiftJis(std::string_view bytes) override;
};

}  // namespace ruvo::win32
