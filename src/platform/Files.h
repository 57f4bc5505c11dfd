#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo::platform {

// What kept a file from being read whole.
enum class ReadProblem { None, NotFound, Folder, InUse, Denied, TooLarge, Failed };

struct FileBytes {
    std::string bytes;
    ReadProblem problem = ReadProblem::None;
};

// Files by full path, and the desktop's ANSI code page and Shift_JIS for
// their text. Failures throw RuntimeError with a number that says what went
// wrong, but those of reading a file for display, which are told apart.
class Files {
  public:
    virtual ~Files() = default;

    // The running executable's directory, without a trailing "\" except at
    // the root of a drive.
    virtual std::u16string ExecutableDirectory() = 0;

    virtual std::string ReadAll(const std::u16string& path) = 0;
    // The bytes of a file of at most `limit` bytes, or what stood in the way.
    virtual FileBytes ReadUpTo(const std::u16string& path, std::size_t limit) = 0;
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
    // Shift_JIS (code page 932) by the system's conversion; nothing when
    // some of the bytes stand for no character there.
    virtual std::optional<std::u16string> FromShiftJis(std::string_view bytes) = 0;
};

// Writes a file through a temporary one, which then takes its place in one
// step: a failed write leaves the file as it was and the temporary one gone.
void WriteReplacing(Files& files, const std::u16string& path, const std::u16string& temporary,
                    std::string_view bytes);

}  // namespace ruvo::platform
