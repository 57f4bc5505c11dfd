#pragma once

#include <string>
#include <string_view>

namespace ruvo::platform {

// Files by full path, and the desktop's ANSI code page for their text.
// Failures throw RuntimeError with a number that says what went wrong.
class Files {
  public:
    virtual ~Files() = default;

    // The running executable's directory, without a trailing "\" except at
    // the root of a drive.
    virtual std::u16string ExecutableDirectory() = 0;

    virtual std::string ReadAll(const std::u16string& path) = 0;
    // Creates or empties the file, writes the bytes and flushes them to disk.
    virtual void WriteAll(const std::u16string& path, std::string_view bytes) = 0;
    // Puts `from` in the place of `to` in one step, replacing what was there.
    virtual void Replace(const std::u16string& from, const std::u16string& to) = 0;
    // Whether a file (not a folder) is there; false also when that cannot be told.
    virtual bool Exists(const std::u16string& path) noexcept = 0;
    // Removes a file if it exists; never fails.
    virtual void Remove(const std::u16string& path) noexcept = 0;

    virtual std::string ToAnsi(std::u16string_view text) = 0;
    virtual std::u16string FromAnsi(std::string_view bytes) = 0;
};

// Writes a file through a temporary one, which then takes its place in one
// step: a failed write leaves the file as it was and the temporary one gone.
void WriteReplacing(Files& files, const std::u16string& path, const std::u16string& temporary,
                    std::string_view bytes);

}  // namespace ruvo::platform
