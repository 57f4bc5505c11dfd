#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace ruvo {

// Every failure the program does not trap travels as a RuntimeError; the
// backend's event dispatch shows its number and text and ends the program.
// The numbers and their Japanese texts live here and nowhere else.
enum class ErrorNumber : std::int32_t {
    Overflow = 6,
    OutOfMemory = 7,
    DivisionByZero = 11,
    FileNotFound = 53,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathFileAccess = 75,
    InvalidSettings = 380,
    ClipboardBusy = 521,
    DeviceUnavailable = 68,
    Unexpected = 51,
    Cancel = 32755,
};

// The standard Japanese text of an error number.
std::u16string ErrorText(ErrorNumber number);

class RuntimeError : public std::exception {
  public:
    // detail, when given, follows the standard text on a line of its own
    // (the file concerned, what is wrong with it).
    explicit RuntimeError(ErrorNumber number, std::u16string_view detail = {});

    ErrorNumber Number() const noexcept { return number_; }
    const std::u16string& Text() const noexcept { return text_; }
    const char* what() const noexcept override;

  private:
    ErrorNumber number_;
    std::u16string text_;
    std::string what_;
};

}  // namespace ruvo
