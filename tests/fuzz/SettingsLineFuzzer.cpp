// The settings reader on any bytes the file can hold. Whatever it accepts,
// the writer writes back so that reading again gives the same record, to
// the seven digits a single-precision value keeps and without the double
// quotes a face name cannot carry.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "doubles/Doubles.h"
#include "doubles/Text.h"
#include "platform/Error.h"
#include "settings/SettingsLine.h"

namespace ruvo::test {
namespace {

const std::u16string kFile = u"C:\\Tools\\Ruvo.ini";

void Require(bool holds, const std::string& what, const std::u16string& line) {
    if (!holds) {
        std::fprintf(stderr, "%s\nwritten line: %s\n", what.c_str(), Utf8(line).c_str());
        std::abort();
    }
}

// A value as the file carries it: whole floats exactly, fractions to seven digits.
bool SameSingle(double original, double reread) {
    const auto value = static_cast<float>(original);
    return std::trunc(value) == value ? reread == value
                                      : std::fabs(reread - value) <= std::fabs(value) * 6e-7;
}

}  // namespace

// In this namespace for its helpers; C linkage makes it the one libFuzzer calls.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeFiles files;
    SettingsRecord record;
    try {
        record = ParseSettings(files.FromAnsi({reinterpret_cast<const char*>(data), size}), kFile);
    } catch (const std::runtime_error&) {
        return 0;  // not CP932
    } catch (const RuntimeError&) {
        return 0;  // refused with the settings report
    }

    const std::u16string line = FormatSettingsLine(record);
    SettingsRecord reread;
    try {
        reread = ParseSettings(files.FromAnsi(files.ToAnsi(line)), kFile);
    } catch (const RuntimeError& error) {
        Require(false, Utf8(error.Text()), line);
    } catch (const std::runtime_error& error) {
        Require(false, error.what(), line);  // the double's code page conversion
    }
    std::erase(record.faceName, u'"');
    Require(reread.faceName == record.faceName, "face name changed", line);
    Require(reread.fontSize == record.fontSize, "font size changed", line);
    Require(SameSingle(record.frameWidth, reread.frameWidth), "width changed", line);
    Require(SameSingle(record.frameHeight, reread.frameHeight), "height changed", line);
    Require(SameSingle(record.frameMode, reread.frameMode), "mode changed", line);
    return 0;
}

}  // namespace ruvo::test
