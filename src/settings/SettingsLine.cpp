#include "settings/SettingsLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "platform/Convert.h"
#include "platform/Error.h"
#include "typeset/Characters.h"

namespace ruvo {

namespace {

constexpr std::size_t kFieldCount = 10;
constexpr std::array<std::u16string_view, kFieldCount> kFieldMeanings{
    u"フォント名", u"フォントサイズ", u"フレームの幅", u"フレームの高さ", u"フレームサイズのモード",
    u"折り返し",   u"ルビ",           u"自動更新",     u"1行の字数",      u"原稿用紙"};
// The lengths 1行の字数 offers; 0 follows the window.
constexpr std::array<std::int32_t, 4> kColumnLengths{0, 20, 40, 42};
// Shown with every complaint about the file, so that a user can repair it by hand.
constexpr std::u16string_view kExampleLine = u"\"MS Mincho\",12,1350,8550,1";
// Long enough to recognise a value, short enough for a message box.
constexpr std::size_t kExcerptLength = 40;

// What the program can use, and no more: the font chooser's own sizes, and
// window sides up to 32767 pixels at 96 dpi, the most a window can have.
struct Range {
    double lowest;
    double highest;
};
constexpr Range kFontSizes{1, 1638};     // points
constexpr Range kFrameSides{1, 491505};  // twips

std::u16string Widen(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

std::u16string Whole(double value) {
    return Widen(std::to_string(static_cast<long long>(value)));
}

// The value's first whole characters within kExcerptLength units: a cut
// through a surrogate pair or before a character's marks would show half of it.
std::u16string_view Excerpt(std::u16string_view value) {
    std::size_t end = 0;
    while (end < value.size()) {
        const std::size_t next = end + CharacterLength(value, end);
        if (next > kExcerptLength) {
            break;
        }
        end = next;
    }
    return value.substr(0, end);
}

// A fraction rounded to 7 significant digits and written out positionally;
// the scientific form supplies the digits and where the point goes.
std::u16string FormatFraction(float value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 6)
                         .ptr;
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    const bool negative = scientific.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t exponentMark = scientific.find('e');
    std::string digits;
    for (std::size_t i = mantissaStart; i < exponentMark; ++i) {
        if (scientific[i] != '.') {
            digits += scientific[i];
        }
    }
    // The buffer's zeros end the exponent's digits.
    const int exponent = std::atoi(scientific.data() + exponentMark + 1);
    digits.erase(digits.find_last_not_of('0') + 1);

    // The decimal point stands after `whole` digits of the digit string.
    const long whole = long{exponent} + 1;
    const auto digitCount = static_cast<long>(digits.size());
    std::string text = negative ? "-" : "";
    if (whole <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-whole), '0');
        text += digits;
    } else if (whole >= digitCount) {
        text += digits;  // rounding to 7 digits left a whole number
        text.append(static_cast<std::size_t>(whole - digitCount), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(whole));
        text += '.';
        text += digits.substr(static_cast<std::size_t>(whole));
    }
    return Widen(text);
}

enum class Problem { PastEnd, Empty, Unterminated, NotNumber, OutOfRange, NotFlag, NotLength };

std::u16string_view ProblemText(Problem problem) {
    switch (problem) {
        case Problem::PastEnd:
            return u"ありません（ファイルが終わっています）";
        case Problem::Empty:
            return u"空です";
        case Problem::Unterminated:
            return u"閉じる引用符（\"）で終わっていません";
        case Problem::NotNumber:
            return u"数値ではありません";
        case Problem::OutOfRange:
            return u"範囲外の数値です";
        case Problem::NotFlag:
            return u"1 でも 0 でもありません";
        case Problem::NotLength:
            return u"0、20、40、42 のどれでもありません";
    }
    return {};
}

// Walks the file's text field by field; a value the writer could not have
// written is reported with the file, the field and what was found.
class FieldReader {
  public:
    FieldReader(std::u16string_view text, const std::u16string& fileName)
        : text_(text), fileName_(fileName) {}

    std::u16string Text() { return std::u16string(Next()); }

    // Whole points; a fraction rounds as everywhere in the program (halves to even).
    std::int32_t FontSize() {
        const std::u16string_view value = Next();
        const double number = Number(value);
        Check(std::nearbyint(number), kFontSizes, value);
        return ToInt32(number);
    }

    // A window side in twips.
    double Side() {
        const std::u16string_view value = Next();
        const double number = Number(value);
        Check(number, kFrameSides, value);
        return number;
    }

    float Single() {
        const std::u16string_view value = Next();
        const double number = Number(value);
        if (std::fabs(number) > std::numeric_limits<float>::max()) {
            Fail(Problem::OutOfRange, value);
        }
        return static_cast<float>(number);
    }

    // An option: 1 on, 0 off.
    bool Flag() {
        const std::u16string_view value = Next();
        const double number = Number(value);
        if (number != 0 && number != 1) {
            Fail(Problem::NotFlag, value);
        }
        return number == 1;
    }

    // A column length in cells, one the menu offers.
    std::int32_t ColumnLength() {
        const std::u16string_view value = Next();
        const double number = Number(value);
        if (std::ranges::find(kColumnLengths, number) == kColumnLengths.end()) {
            Fail(Problem::NotLength, value);
        }
        return static_cast<std::int32_t>(number);
    }

    // Whether a comma ended the last field, so that another one follows on its line.
    bool MoreOnLine() const { return separator_ == u','; }

  private:
    static bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
    static bool IsLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }

    std::u16string_view Next() {
        position_ = fieldsStarted_++;
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
        if (text_.find_first_not_of(u" \t\r\n", pos_) == std::u16string_view::npos) {
            Fail(Problem::PastEnd, {});
        }
        std::u16string_view value;
        if (text_[pos_] == u'"') {
            const std::size_t close = text_.find(u'"', pos_ + 1);
            if (close == std::u16string_view::npos) {
                Fail(Problem::Unterminated, text_.substr(pos_, LineEnd(pos_) - pos_));
            }
            value = text_.substr(pos_ + 1, close - pos_ - 1);
            // Whatever stands between the closing quote and the separator is not part of it.
            pos_ = SeparatorAt(close + 1);
        } else {
            const std::size_t start = pos_;
            pos_ = SeparatorAt(pos_);
            value = text_.substr(start, pos_ - start);
            value = value.substr(0, value.find_last_not_of(u" \t") + 1);
            if (value.empty()) {
                Fail(Problem::Empty, {});
            }
        }
        SkipSeparator();
        return value;
    }

    // A decimal number with "." as the separator, whatever the locale.
    double Number(std::u16string_view value) const {
        std::string ascii;
        for (const char16_t c : value) {
            if (c > 0x7F) {
                Fail(Problem::NotNumber, value);
            }
            ascii += static_cast<char>(c);
        }
        std::string_view digits = ascii;
        if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-' && digits[1] != '+') {
            digits.remove_prefix(1);
        }
        double number = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                                  number, std::chars_format::general);
        if (error == std::errc::result_out_of_range) {
            Fail(Problem::OutOfRange, value);
        }
        if (error != std::errc{} || end != digits.data() + digits.size() ||
            !std::isfinite(number)) {
            Fail(Problem::NotNumber, value);
        }
        return number;
    }

    void Check(double number, Range range, std::u16string_view value) const {
        if (!(number >= range.lowest && number <= range.highest)) {
            Fail(Problem::OutOfRange, value, range);
        }
    }

    [[noreturn]] void Fail(Problem problem, std::u16string_view found,
                           std::optional<Range> allowed = std::nullopt) const {
        std::u16string detail = fileName_ + u"\n" + Widen(std::to_string(position_ + 1)) +
                                u" 番目の値（" + std::u16string(kFieldMeanings[position_]) +
                                u"）が" + std::u16string(ProblemText(problem));
        if (allowed) {
            detail +=
                u"（" + Whole(allowed->lowest) + u" から " + Whole(allowed->highest) + u" まで）";
        }
        if (!found.empty()) {
            const std::u16string_view excerpt = Excerpt(found);
            detail += u"：「";
            detail += excerpt;
            detail += excerpt.size() < found.size() ? u"…」" : u"」";
        }
        detail += u"\n正しい行の例：";
        detail += kExampleLine;
        throw RuntimeError(problem == Problem::PastEnd ? ErrorNumber::InputPastEndOfFile
                                                       : ErrorNumber::InvalidSettings,
                           detail);
    }

    std::size_t SeparatorAt(std::size_t from) const {
        std::size_t at = from;
        while (at < text_.size() && text_[at] != u',' && !IsLineEnd(text_[at])) {
            ++at;
        }
        return at;
    }

    std::size_t LineEnd(std::size_t from) const {
        const std::size_t end = text_.find_first_of(u"\r\n", from);
        return end == std::u16string_view::npos ? text_.size() : end;
    }

    // A comma or one line end (CR LF counting as one) separates two fields.
    void SkipSeparator() {
        separator_ = u'\0';
        if (pos_ >= text_.size()) {
            return;
        }
        separator_ = text_[pos_++];
        if (separator_ == u'\r' && text_.substr(pos_, 1) == u"\n") {
            ++pos_;
        }
    }

    std::u16string_view text_;
    const std::u16string& fileName_;
    std::size_t pos_ = 0;
    std::size_t position_ = 0;  // index of the field being read
    std::size_t fieldsStarted_ = 0;
    char16_t separator_ = u'\0';  // the one after the last field; NUL at the text's end
};

}  // namespace

std::u16string FormatSingle(float value) {
    if (!std::isfinite(value)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    if (value == 0.0F) {
        return u"0";  // also for -0, which would otherwise keep its sign
    }
    if (std::trunc(value) != value) {
        return FormatFraction(value);
    }
    // Whole floats are exact integers in a double; fixed notation gives every digit.
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                   static_cast<double>(value), std::chars_format::fixed, 0)
                         .ptr;
    return Widen({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
}

std::u16string FormatSettingsLine(const SettingsRecord& record) {
    // The format has no escape for a double quote: one inside the name would
    // end the field early and shift the numbers, so the name is stored without it.
    std::u16string name = record.faceName;
    std::erase(name, u'"');
    std::u16string line = u"\"" + name + u"\"," + Widen(std::to_string(record.fontSize)) + u"," +
                          FormatSingle(ToSingle(record.frameWidth)) + u"," +
                          FormatSingle(ToSingle(record.frameHeight)) + u"," +
                          FormatSingle(record.frameMode);
    // The options up to the last one that is not its default; the first
    // three always together.
    const SettingsRecord defaults;
    const bool manuscript = record.manuscript != defaults.manuscript;
    const bool length = manuscript || record.columnLength != defaults.columnLength;
    if (length || record.wrapping != defaults.wrapping || record.ruby != defaults.ruby ||
        record.autoUpdate != defaults.autoUpdate) {
        for (const bool option : {record.wrapping, record.ruby, record.autoUpdate}) {
            line += option ? u",1" : u",0";
        }
    }
    if (length) {
        line += u"," + Widen(std::to_string(record.columnLength));
    }
    if (manuscript) {
        line += record.manuscript ? u",1" : u",0";
    }
    return line + u"\r\n";
}

SettingsRecord ParseSettings(std::u16string_view text, const std::u16string& fileName) {
    FieldReader reader(text, fileName);
    SettingsRecord record;
    record.faceName = reader.Text();
    record.fontSize = reader.FontSize();
    record.frameWidth = reader.Side();
    record.frameHeight = reader.Side();
    record.frameMode = reader.Single();
    for (bool* option : {&record.wrapping, &record.ruby, &record.autoUpdate}) {
        if (!reader.MoreOnLine()) {
            return record;
        }
        *option = reader.Flag();
    }
    if (reader.MoreOnLine()) {
        record.columnLength = reader.ColumnLength();
    }
    if (reader.MoreOnLine()) {
        record.manuscript = reader.Flag();
    }
    return record;
}

}  // namespace ruvo
