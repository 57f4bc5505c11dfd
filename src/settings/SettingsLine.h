#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ruvo {

// The five values the settings file carries, in the order of the file.
struct SettingsRecord {
    std::u16string faceName;
    std::int32_t fontSize = 0;
    double frameWidth = 0;  // twips
    double frameHeight = 0;
    float frameMode = 0;

    bool operator==(const SettingsRecord&) const = default;
};

// A single-precision value as the file stores it: whole values as plain
// integers in full digits, fractions with "." and at most 7 significant
// digits, never an exponent.
std::u16string FormatSingle(float value);

// The record as one line, ended by CR LF.
std::u16string FormatSettingsLine(const SettingsRecord& record);

// Reads the five values from the file's text. `fileName` goes into the
// detail of the error, so that the report says which file to repair.
SettingsRecord ParseSettings(std::u16string_view text, const std::u16string& fileName);

}  // namespace ruvo
