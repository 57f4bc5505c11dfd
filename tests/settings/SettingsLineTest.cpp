#include "settings/SettingsLine.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

const std::u16string kFile = u"C:\\Tools\\Ruvo.ini";

SettingsRecord Example() {
    return {u"MS Mincho", 12, 1350, 8550, 1.0F};
}

TEST(FormatSingleTest, WholeValuesInFullDigitsFractionsWithAPointAndSevenDigits) {
    struct Case {
        float value;
        const char16_t* text;
    };
    const std::vector<Case> cases{
        {1350.0F, u"1350"},
        {1.0F, u"1"},
        {0.0F, u"0"},
        {-0.0F, u"0"},
        {-1.0F, u"-1"},
        {16777216.0F, u"16777216"},
        {std::numeric_limits<float>::max(), u"340282346638528859811704183484516925440"},
        {1234.5F, u"1234.5"},
        {0.5F, u"0.5"},
        {-0.5F, u"-0.5"},
        {0.1F, u"0.1"},
        {1.0e-5F, u"0.00001"},
        {123.456789F, u"123.4568"},
        {-98.76543F, u"-98.76543"},
        // Seven digits can round a fraction up to a whole number.
        {1234567.5F, u"1234568"},
        {9999999.5F, u"10000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatSingle(c.value), c.text) << Num(c.value);
    }
}

TEST(FormatSingleTest, NonFiniteIsAnOverflow) {
    for (const float value :
         {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
          std::numeric_limits<float>::quiet_NaN()}) {
        try {
            FormatSingle(value);
            ADD_FAILURE() << Num(value);
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
        }
    }
}

// Across the whole float range: the reader takes back every text the writer
// makes, within the seven digits it keeps, and never sees an exponent.
TEST(FormatSingleTest, ReaderTakesBackWhatTheWriterWritesAcrossTheRange) {
    const std::uint32_t largest = std::bit_cast<std::uint32_t>(std::numeric_limits<float>::max());
    for (std::uint32_t bits = 1; bits <= largest; bits += 40009) {
        for (const float value : {std::bit_cast<float>(bits), -std::bit_cast<float>(bits)}) {
            const std::u16string text = FormatSingle(value);
            ASSERT_EQ(text.find_first_not_of(u"-0123456789."), std::u16string::npos) << Utf8(text);

            SettingsRecord record = Example();
            record.frameMode = value;
            const float read = ParseSettings(FormatSettingsLine(record), kFile).frameMode;

            if (std::trunc(value) == value) {
                ASSERT_EQ(read, value) << Utf8(text);
            } else {
                ASSERT_LE(std::fabs(read - value), std::fabs(value) * 6e-7F) << Utf8(text);
            }
        }
    }
}

TEST(FormatSettingsLineTest, WritesTheRecordAsOneLine) {
    struct Case {
        SettingsRecord record;
        const char16_t* line;
    };
    const std::vector<Case> cases{
        {Example(), u"\"MS Mincho\",12,1350,8550,1\r\n"},
        {{u"MS Mincho", 12, 1234.5, 8550, 0.0F}, u"\"MS Mincho\",12,1234.5,8550,0\r\n"},
        {{u"ＭＳ 明朝", -3, 0.5, 16777216, 2.0F}, u"\"ＭＳ 明朝\",-3,0.5,16777216,2\r\n"},
        {{u"A, B", 9, 1, 2, 0.5F}, u"\"A, B\",9,1,2,0.5\r\n"},
        // No escape exists for a quote: stored without it, the line still reads as five values.
        {{u"Say \"Hi\", all", 9, 1, 2, 1.0F}, u"\"Say Hi, all\",9,1,2,1\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatSettingsLine(c.record), c.line) << Utf8(c.line);
    }
}

TEST(ParseSettingsTest, AcceptsTheWritersLineAndHandEditedVariants) {
    struct Case {
        const char16_t* text;
        SettingsRecord expected;
    };
    const std::vector<Case> cases{
        {u"\"MS Mincho\",12,1350,8550,1\r\n", Example()},
        {u"\"MS Mincho\",12,1350,8550,1", Example()},
        {u"\"MS Mincho\"\r\n12\r\n1350\r\n8550\r\n1\r\n", Example()},
        {u"\"MS Mincho\",12\n1350,8550\r1\n", Example()},
        {u"\"MS Mincho\",12,1350,8550,1\r\n\"Other\",20,1,2,0\r\n", Example()},
        {u"\"MS Mincho\",12,1350,8550,1,extra,,\"", Example()},
        {u" \t\"MS Mincho\", 12 ,\t1350\t, 8550 ,   1\r\n", Example()},
        {u"MS Mincho,12,1350,8550,1\r\n", Example()},
        {u"\"MS Mincho\"ignored,12,1350,8550,1\r\n", Example()},
        {u"\"MS Mincho\",+12,1.35e3,8550.0,1.0\r\n", Example()},
        {u"\"A, B\",12,1350,8550,1", {u"A, B", 12, 1350, 8550, 1.0F}},
        {u"\"\",12,1350,8550,1", {u"", 12, 1350, 8550, 1.0F}},
        {u"\"ＭＳ 明朝\",1638,1234.5,491505,0", {u"ＭＳ 明朝", 1638, 1234.5, 491505, 0.0F}},
        // A size is a whole number of points: fractions round halves to even.
        {u"\"A\",12.5,1,1,1", {u"A", 12, 1, 1, 1.0F}},
        {u"\"A\",13.5,1,1,1", {u"A", 14, 1, 1, 1.0F}},
        {u"\"A\",1638.5,1,1,1", {u"A", 1638, 1, 1, 1.0F}},
        // Hand-edited modes are read as the numbers they are.
        {u"\"A\",12,1,1,2", {u"A", 12, 1, 1, 2.0F}},
        {u"\"A\",12,1,1,0.5", {u"A", 12, 1, 1, 0.5F}},
        {u"\"A\",12,1,1,-1", {u"A", 12, 1, 1, -1.0F}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseSettings(c.text, kFile), c.expected) << Utf8(c.text);
    }
}

TEST(ParseSettingsTest, RejectsWhatTheWriterNeverWritesNamingFileFieldAndValue) {
    struct Case {
        const char16_t* text;
        ErrorNumber number;
        const char16_t* field;
        const char16_t* found;  // empty: nothing to show
    };
    const std::vector<Case> cases{
        {u"", ErrorNumber::InputPastEndOfFile, u"1 番目の値（フォント名）", u""},
        {u"\r\n", ErrorNumber::InputPastEndOfFile, u"1 番目の値（フォント名）", u""},
        {u"\"MS Mincho\",12,1350,8550\r\n", ErrorNumber::InputPastEndOfFile,
         u"5 番目の値（フレームサイズのモード）", u""},
        {u"\"MS Mincho\",12,1350,8550,\r\n\r\n", ErrorNumber::InputPastEndOfFile,
         u"5 番目の値（フレームサイズのモード）", u""},
        {u"\"MS Mincho\",12", ErrorNumber::InputPastEndOfFile, u"3 番目の値（フレームの幅）", u""},
        {u"\"MS Mincho,12,1350,8550,1\r\n", ErrorNumber::InvalidSettings,
         u"1 番目の値（フォント名）", u"\"MS Mincho,12,1350,8550,1"},
        {u",12,1350,8550,1", ErrorNumber::InvalidSettings, u"1 番目の値（フォント名）", u""},
        {u"\"A\",abc,1350,8550,1", ErrorNumber::InvalidSettings, u"2 番目の値（フォントサイズ）",
         u"abc"},
        {u"\"A\",12pt,1350,8550,1", ErrorNumber::InvalidSettings, u"2 番目の値（フォントサイズ）",
         u"12pt"},
        {u"\"A\",2147483648,1350,8550,1", ErrorNumber::InvalidSettings,
         u"2 番目の値（フォントサイズ）", u"2147483648"},
        // Sizes the font chooser never gives, and window sides no window can have.
        {u"\"A\",0,1350,8550,1", ErrorNumber::InvalidSettings,
         u"2 番目の値（フォントサイズ）が範囲外の数値です（1 から 1638 まで）", u"0"},
        {u"\"A\",0.5,1350,8550,1", ErrorNumber::InvalidSettings,
         u"2 番目の値（フォントサイズ）が範囲外の数値です（1 から 1638 まで）", u"0.5"},
        {u"\"A\",-12,1350,8550,1", ErrorNumber::InvalidSettings, u"2 番目の値（フォントサイズ）",
         u"-12"},
        {u"\"A\",1639,1350,8550,1", ErrorNumber::InvalidSettings, u"2 番目の値（フォントサイズ）",
         u"1639"},
        {u"\"A\",107374183,1350,8550,1", ErrorNumber::InvalidSettings,
         u"2 番目の値（フォントサイズ）", u"107374183"},
        {u"\"A\",1e9,1350,8550,1", ErrorNumber::InvalidSettings, u"2 番目の値（フォントサイズ）",
         u"1e9"},
        {u"\"A\",12,0.99,8550,1", ErrorNumber::InvalidSettings, u"3 番目の値（フレームの幅）",
         u"0.99"},
        {u"\"A\",12,491505.5,8550,1", ErrorNumber::InvalidSettings,
         u"3 番目の値（フレームの幅）が範囲外の数値です（1 から 491505 まで）", u"491505.5"},
        {u"\"A\",12,1350,1e-45,1", ErrorNumber::InvalidSettings, u"4 番目の値（フレームの高さ）",
         u"1e-45"},
        {u"\"A\",12,1350,3.4e38,1", ErrorNumber::InvalidSettings, u"4 番目の値（フレームの高さ）",
         u"3.4e38"},
        {u"\"A\",12,,8550,1", ErrorNumber::InvalidSettings, u"3 番目の値（フレームの幅）", u""},
        {u"\"A\",12,  \t,8550,1", ErrorNumber::InvalidSettings, u"3 番目の値（フレームの幅）", u""},
        {u"\"A\",12,0,8550,1", ErrorNumber::InvalidSettings, u"3 番目の値（フレームの幅）", u"0"},
        {u"\"A\",12,-1350,8550,1", ErrorNumber::InvalidSettings, u"3 番目の値（フレームの幅）",
         u"-1350"},
        {u"\"A\",12,1350.5.5,8550,1", ErrorNumber::InvalidSettings, u"3 番目の値（フレームの幅）",
         u"1350.5.5"},
        {u"\"A\",12,１３５０,8550,1", ErrorNumber::InvalidSettings, u"3 番目の値（フレームの幅）",
         u"１３５０"},
        {u"\"A\",12,1350,nan,1", ErrorNumber::InvalidSettings, u"4 番目の値（フレームの高さ）",
         u"nan"},
        {u"\"A\",12,1350,inf,1", ErrorNumber::InvalidSettings, u"4 番目の値（フレームの高さ）",
         u"inf"},
        {u"\"A\",12,1350,1e39,1", ErrorNumber::InvalidSettings, u"4 番目の値（フレームの高さ）",
         u"1e39"},
        {u"\"A\",12,1350,1e-60,1", ErrorNumber::InvalidSettings, u"4 番目の値（フレームの高さ）",
         u"1e-60"},
        {u"\"A\",12,1350,8550,x", ErrorNumber::InvalidSettings,
         u"5 番目の値（フレームサイズのモード）", u"x"},
        {u"\"A\",12,1350,8550,-1e39", ErrorNumber::InvalidSettings,
         u"5 番目の値（フレームサイズのモード）", u"-1e39"},
        {u"\"A\",12,1350,8550,1e400", ErrorNumber::InvalidSettings,
         u"5 番目の値（フレームサイズのモード）", u"1e400"},
    };
    for (const Case& c : cases) {
        try {
            ParseSettings(c.text, kFile);
            ADD_FAILURE() << Utf8(c.text);
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), c.number) << Utf8(c.text);
            const std::u16string& text = error.Text();
            EXPECT_NE(text.find(u"\n" + kFile + u"\n"), std::u16string::npos) << Utf8(text);
            EXPECT_NE(text.find(c.field), std::u16string::npos) << Utf8(text);
            EXPECT_NE(text.find(u"\"MS Mincho\",12,1350,8550,1"), std::u16string::npos)
                << Utf8(text);
            if (*c.found != u'\0') {
                EXPECT_NE(text.find(u"「" + std::u16string(c.found) + u"」"), std::u16string::npos)
                    << Utf8(text);
            }
        }
    }
}

// Cut at 40 UTF-16 units, but never through a character.
TEST(ParseSettingsTest, ALongBadValueIsShortenedInTheReport) {
    const std::u16string nines(39, u'9');
    struct Case {
        std::u16string value;
        std::u16string shown;
    };
    const std::vector<Case> cases{
        {std::u16string(300, u'9') + u"x", u"「" + nines + u"9…」"},
        {nines + u"𠀋x", u"「" + nines + u"…」"},
        {nines + u"か\u3099x", u"「" + nines + u"…」"},
        {nines.substr(1) + u"𠀋", u"「" + nines.substr(1) + u"𠀋」"},
    };
    for (const Case& c : cases) {
        try {
            ParseSettings(u"\"A\",12,1350,8550," + c.value, kFile);
            ADD_FAILURE() << Utf8(c.value);
        } catch (const RuntimeError& error) {
            EXPECT_NE(error.Text().find(c.shown), std::u16string::npos) << Utf8(error.Text());
        }
    }
}

}  // namespace
}  // namespace ruvo::test
