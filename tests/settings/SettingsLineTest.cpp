#include "settings/SettingsLine.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

const std::u16string kFile = u"C:\\Tools\\Ruvo.ini";
const SettingsRecord kExample{u"MS Mincho", 12, 1350, 8550, 1.0F};

// Whole values in full digits, fractions with "." and at most seven digits,
// never an exponent; what no number is can't be written.
TEST(SettingsLineTest, NumbersAsTheFileHoldsThem) {
    struct Case {
        float value;
        const char* text;
    };
    const float largest = std::numeric_limits<float>::max();
    const float infinity = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {1350, "1350"},
        {1, "1"},
        {0, "0"},
        {-0.0F, "0"},
        {-1, "-1"},
        {16777216, "16777216"},
        {largest, "340282346638528859811704183484516925440"},
        {1234.5F, "1234.5"},
        {0.5F, "0.5"},
        {-0.5F, "-0.5"},
        {1.0e-5F, "0.00001"},
        {123.456789F, "123.4568"},
        {-98.76543F, "-98.76543"},
        {-1.5F, "-1.5"},
        {1234567.5F, "1234568"},  // seven digits can round a fraction to a whole number
        {1234599.5F, "1234600"},
        {9999999.5F, "10000000"},
        {infinity, "error 6"},
        {std::numeric_limits<float>::quiet_NaN(), "error 6"},
    };
    for (const Case& c : cases) {
        std::string text;
        try {
            text = Utf8(FormatSingle(c.value));
        } catch (const RuntimeError& error) {
            text = "error " + std::to_string(static_cast<int>(error.Number()));
        }
        EXPECT_EQ(text, c.text) << Num(c.value);
    }
}

TEST(SettingsLineTest, TheRecordIsOneLine) {
    EXPECT_EQ(FormatSettingsLine(kExample), u"\"MS Mincho\",12,1350,8550,1\r\n");
    EXPECT_EQ(FormatSettingsLine({u"A, B", 9, 1234.5, 2, 0.5F}), u"\"A, B\",9,1234.5,2,0.5\r\n");
    // No escape exists for a quote: without it the line still reads as five values.
    EXPECT_EQ(FormatSettingsLine({u"Say \"Hi\", all", 9, 1, 2, 0}), u"\"Say Hi, all\",9,1,2,0\r\n");
    // The options only when one is not its default, and then all three.
    EXPECT_EQ(FormatSettingsLine({u"A", 9, 1, 2, 0, false}), u"\"A\",9,1,2,0,0,1,0\r\n");
    EXPECT_EQ(FormatSettingsLine({u"A", 9, 1, 2, 0, true, false}), u"\"A\",9,1,2,0,1,0,0\r\n");
    EXPECT_EQ(FormatSettingsLine({u"A", 9, 1, 2, 0, true, true, true}), u"\"A\",9,1,2,0,1,1,1\r\n");
    // Then the column length, and the manuscript paper, as far as one is not its default.
    EXPECT_EQ(FormatSettingsLine({u"A", 9, 1, 2, 0, true, true, false, 20}),
              u"\"A\",9,1,2,0,1,1,0,20\r\n");
    EXPECT_EQ(FormatSettingsLine({u"A", 9, 1, 2, 0, true, true, false, 0, true}),
              u"\"A\",9,1,2,0,1,1,0,0,1\r\n");
}

TEST(SettingsLineTest, TheReaderTakesTheWritersLineAndHandEditedOnes) {
    struct Case {
        const char16_t* text;
        SettingsRecord expected;
    };
    const Case cases[] = {
        {u"\"MS Mincho\",12,1350,8550,1", kExample},
        {u"\"MS Mincho\"\r\n12\r\n1350\r\n8550\r\n1\r\n", kExample},
        {u"\"MS Mincho\",12\n1350,8550\r1\n", kExample},
        {u"\"MS Mincho\",12,1350,8550,1\r\n\"Other\",20,1,2,0\r\n", kExample},
        {u"\"MS Mincho\",12,1350,8550,1\r\n0,0,1", kExample},
        {u"\"A\",1,1,1,1,0", {u"A", 1, 1, 1, 1, false}},
        {u"\"A\",1,1,1,1, 1.0 ,0\r\n1", {u"A", 1, 1, 1, 1, true, false}},
        {u"\"A\",1,1,1,1,0,0,1,0,0,more,\"", {u"A", 1, 1, 1, 1, false, false, true}},
        {u"\"A\",1,1,1,1,1,1,0,42,1", {u"A", 1, 1, 1, 1, true, true, false, 42, true}},
        {u" \t\"MS Mincho\", 12 ,\t1350\t, 8550 ,   1\r\n", kExample},
        {u"MS Mincho,12,1350,8550,1\r\n", kExample},
        {u"\"MS Mincho\"ignored,12,1350,8550,1\r\n", kExample},
        {u"\"MS Mincho\",+12,1.35e3,8550.0,1.0\r\n", kExample},
        {u"\"A, B\",1,1,1,1", {u"A, B", 1, 1, 1, 1}},
        {u"\"\",1638,1234.5,491505,0", {u"", 1638, 1234.5, 491505, 0}},
        // A size is a whole number of points: halves round to even.
        {u"\"A\",12.5,1,1,2", {u"A", 12, 1, 1, 2}},
        {u"\"A\",13.5,1,1,0.5", {u"A", 14, 1, 1, 0.5F}},
        {u"\"A\",1638.5,1,1,-1", {u"A", 1638, 1, 1, -1}},
        {u"\"A\",1,1,1,340282346638528859811704183484516925440",
         {u"A", 1, 1, 1, std::numeric_limits<float>::max()}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseSettings(c.text, kFile), c.expected) << Utf8(c.text);
    }
}

// The report names the file, the field, the problem and the value found (cut
// at 40 units, never through a character), and shows a line that is right.
TEST(SettingsLineTest, TheReaderRefusesWhatTheWriterNeverWrites) {
    struct Case {
        std::u16string text;
        int number;
        std::u16string says;
    };
    const std::u16string nines(39, u'9');
    const std::u16string size = u"2 番目の値（フォントサイズ）が";
    const std::u16string width = u"3 番目の値（フレームの幅）が";
    const std::u16string height = u"4 番目の値（フレームの高さ）が";
    const std::u16string mode = u"5 番目の値（フレームサイズのモード）が";
    const std::u16string points = u"範囲外の数値です（1 から 1638 まで）：「";
    const std::u16string twips = u"範囲外の数値です（1 から 491505 まで）：「";
    const Case cases[] = {
        {u"", 62, u"1 番目の値（フォント名）がありません（ファイルが終わっています）\n"},
        {u"\r\n", 62, u"1 番目の値（フォント名）がありません"},
        {u"\"A\",12,1350,8550,\r\n\r\n", 62, mode + u"ありません"},
        {u"\"A\",12", 62, width + u"ありません"},
        {u"\"A,12,1350,8550,1\r\n", 380,
         u"1 番目の値（フォント名）が閉じる引用符（\"）で終わっていません：「\"A,12,1350,8550,1」"},
        {u"\"A\",12,1350,8550,\"1\r\nmore", 380,
         mode + u"閉じる引用符（\"）で終わっていません：「\"1」"},
        {u",12,1350,8550,1", 380, u"1 番目の値（フォント名）が空です\n"},
        {u"\"A\",12,  \t,8550,1", 380, width + u"空です\n"},
        {u"\"A\",12pt,1350,8550,1", 380, size + u"数値ではありません：「12pt」"},
        {u"\"A\",2147483648,1350,8550,1", 380, size + points + u"2147483648」"},
        {u"\"A\",0.5,1350,8550,1", 380, size + points + u"0.5」"},
        {u"\"A\",-12,1350,8550,1", 380, size + points + u"-12」"},
        {u"\"A\",1639,1350,8550,1", 380, size + points + u"1639」"},
        {u"\"A\",1e9,1350,8550,1", 380, size + points + u"1e9」"},
        {u"\"A\",12,0.99,8550,1", 380, width + twips + u"0.99」"},
        {u"\"A\",12,491505.5,8550,1", 380, width + twips + u"491505.5」"},
        {u"\"A\",12,1350,1e-45,1", 380, height + twips + u"1e-45」"},
        {u"\"A\",12,1350,1e39,1", 380, height + twips + u"1e39」"},
        {u"\"A\",12,1350.5.5,8550,1", 380, width + u"数値ではありません：「1350.5.5」"},
        {u"\"A\",12,１３５０,8550,1", 380, width + u"数値ではありません：「１３５０」"},
        {u"\"A\",12,1350,nan,1", 380, height + u"数値ではありません：「nan」"},
        {u"\"A\",12,1350,8550,x", 380, mode + u"数値ではありません：「x」"},
        {u"\"A\",12,1350,8550,+-5", 380, mode + u"数値ではありません：「+-5」"},
        {u"\"A\",12,1350,8550,1,extra", 380,
         u"6 番目の値（折り返し）が数値ではありません：「extra」"},
        {u"\"A\",12,1350,8550,1,1,2", 380, u"7 番目の値（ルビ）が1 でも 0 でもありません：「2」"},
        {u"\"A\",12,1350,8550,1,1,0,0.5", 380, u"8 番目の値（自動更新）が1 でも 0 でもありません"},
        {u"\"A\",12,1350,8550,1,1,1,0,30", 380,
         u"9 番目の値（1行の字数）が0、20、40、42 のどれでもありません：「30」"},
        {u"\"A\",12,1350,8550,1,1,1,0,0,2", 380,
         u"10 番目の値（原稿用紙）が1 でも 0 でもありません"},
        {u"\"A\",12,1350,8550,1,,1,0", 380, u"6 番目の値（折り返し）が空です"},
        {u"\"A\",12,\u0131350,8550,1", 380, width + u"数値ではありません：「\u0131350」"},
        {u"\"A\",12,1350,8550,-1e39", 380, mode + u"範囲外の数値です：「-1e39」"},
        {u"\"A\",12,1350,8550,1e400", 380, mode + u"範囲外の数値です：「1e400」"},
        {u"\"A\",12,1350,8550," + nines + u"99x", 380, u"「" + nines + u"9…」"},
        {u"\"A\",12,1350,8550," + nines + u"𠀋x", 380, u"「" + nines + u"…」"},
        {u"\"A\",12,1350,8550," + nines + u"か\u3099x", 380, u"「" + nines + u"…」"},
        {u"\"A\",12,1350,8550," + nines.substr(1) + u"𠀋", 380, u"「" + nines.substr(1) + u"𠀋」"},
    };
    for (const Case& c : cases) {
        try {
            ParseSettings(c.text, kFile);
            ADD_FAILURE() << Utf8(c.text);
        } catch (const RuntimeError& error) {
            EXPECT_EQ(static_cast<int>(error.Number()), c.number) << Utf8(c.text);
            EXPECT_NE(error.Text().find(u"\n" + kFile + u"\n"), std::u16string::npos);
            EXPECT_NE(error.Text().find(c.says), std::u16string::npos) << Utf8(error.Text());
            EXPECT_NE(error.Text().find(u"\n正しい行の例：\"MS Mincho\",12,1350,8550,1"),
                      std::u16string::npos);
        }
    }
}

}  // namespace
}  // namespace ruvo::test
