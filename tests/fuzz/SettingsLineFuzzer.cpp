// The settings reader on any bytes the file can hold. Whatever it accepts,
// the writer writes back so that reading again gives the same record, to
// the seven digits a single-precision value keeps and without the double
// quotes a face name cannot carry.
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <tuple>

#include "Require.h"
#include "doubles/Doubles.h"
#include "doubles/Text.h"
#include "platform/Error.h"
#include "settings/SettingsLine.h"

namespace ruvo::test {
namespace {

const std::u16string kFile = u"C:\\Tools\\Ruvo.ini";

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
        Fail(Utf8(error.Text()) + "\nwritten line: " + Utf8(line));
    } catch (const std::runtime_error& error) {
        // the double's code page conversion
        Fail(error.what() + std::string("\nwritten line: ") + Utf8(line));
    }
    std::erase(record.faceName, u'"');
    const auto require = [&line](bool holds, const char* what) {
        if (!holds) {
            Fail(what + std::string("\nwritten line: ") + Utf8(line));
        }
    };
    require(reread.faceName == record.faceName, "face name changed");
    require(reread.fontSize == record.fontSize, "font size changed");
    require(SameSingle(record.frameWidth, reread.frameWidth), "width changed");
    require(SameSingle(record.frameHeight, reread.frameHeight), "height changed");
    require(SameSingle(record.frameMode, reread.frameMode), "mode changed");
    require(std::tie(reread.wrapping, reread.ruby, reread.autoUpdate, reread.columnLength,
                     reread.manuscript) == std::tie(record.wrapping, record.ruby, record.autoUpdate,
                                                    record.columnLength, record.manuscript),
            "an option changed");
    return 0;
}

}  // namespace ruvo::test
