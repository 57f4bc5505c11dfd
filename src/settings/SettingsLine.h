#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ruvo {

// The values the settings file carries, in the order of the file: five,
// then the reading options, which a file may leave out.
struct SettingsRecord {
    std::u16string faceName;
    std::int32_t fontSize = 0;
    double frameWidth = 0;  // twips
    double frameHeight = 0;
    // 1 fits the window to the text, 0 keeps its size; a hand-written other
    // value fits too and is written back as it stands.
    float frameMode = 0;
    bool wrapping = true;
    bool ruby = true;
    bool autoUpdate = false;
    std::int32_t columnLength = 0;  // cells a column holds; 0: as many as the window shows
    bool manuscript = false;        // the text on sheets of manuscript paper

    bool operator==(const SettingsRecord&) const = default;
};

// Whether the window fits itself to the text (the variable mode).
inline bool FitsText(const SettingsRecord& record) {
    return record.frameMode != 0.0F;
}

// A single-precision value as the file stores it: whole values as plain
// integers in full digits, fractions with "." and at most 7 significant
// digits, never an exponent.
std::u16string FormatSingle(float value);

// The record as one line, ended by CR LF. The options follow the fifth
// value only as far as the last one that is not its default (the first three
// always together), so that a file written with the defaults is the five
// values a program that knows no options reads.
std::u16string FormatSettingsLine(const SettingsRecord& record);

// Reads the record from the file's text; an option that the line leaves
// out is its default, and what follows the record is not read. `fileName` goes into the
// detail of the error, so that the report says which file to repair.
SettingsRecord ParseSettings(std::u16string_view text, const std::u16string& fileName);

}  // namespace ruvo
