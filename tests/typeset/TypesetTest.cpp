#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "doubles/Text.h"
#include "typeset/Columns.h"

namespace ruvo::test {
namespace {

// Half-width characters advance half a cell, "W" a whole one, "`" none.
double HalfWidth(char16_t c) {
    return c == u'W' ? 1 : c == u'`' ? 0 : 0.5;
}

// The columns as the text they hold up to a line break, "|" between them,
// each after "^" where a page break stands before it and its first cell
// where that is not 0 ("2:"); then the longest column's cells, and on
// sheets (of three columns) all the cells that hold text.
std::string Laid(std::u16string_view text, std::size_t length, bool hanging = false) {
    const Columns columns = LayOutColumns(text, length, true, HalfWidth, SIZE_MAX, hanging ? 3 : 0);
    std::u16string laid;
    for (std::size_t i = 0; i < columns.starts.size(); ++i) {
        const std::size_t start = columns.starts[i].at, first = FirstCell(columns, i);
        const std::u16string_view column = text.substr(start, ColumnEnd(text, columns, i) - start);
        laid += (i == 0 ? u"" : u"|") +
                std::u16string(std::ranges::count(columns.pageBreaks, i), u'^') +
                (first == 0 ? u"" : char16_t(u'0' + first) + std::u16string(u":")) +
                std::u16string(column.substr(0, column.find_first_of(u"\r\n")));
    }
    return Utf8(laid) + " " + std::to_string(columns.longest) + (columns.annotated ? " ruby" : "") +
           (hanging ? " " + std::to_string(columns.cells) + " cells" : "");
}

// Every line is a column; a longer one goes on in columns of the length,
// pushed out by up to a quarter of it where the break would start a column
// with a closing mark or end one with an opening bracket or split a doubled
// mark, and cut at the length where no such break keeps the rules. The
// annotations at a line's start indent its columns, wrapped ones too, by a
// block or by its own, or set its last column at the foot (of the longest
// column without a length); a line of annotations alone takes no column, a
// page break leaves an empty one; the key to the notation and the colophon
// keep them as written.
TEST(TypesetTest, LinesBreakIntoColumnsByTheKinsokuRules) {
    struct Case {
        std::u16string text;
        std::size_t length;
        const char* laid;
        bool hanging = false;
    };
    const Case cases[] = {
        {u"", 4, " 0"},
        {u"あいうえおかきくけ", 0, "あいうえおかきくけ 9"},
        {u"あいうえおかきくけ", 4, "あいうえ|おかきく|け 4"},
        {u"あいうえ\r\nおか\n\nき\rく", 4, "あいうえ|おか||き|く 4"},
        {u"あいうえ\r\n", 4, "あいうえ 4"},
        {u"か\u3099い", 0, "か\u3099い 2"},
        {u"あいう「えお", 4, "あいう|「えお 3"},
        {u"あいう(えお", 4, "あいう|(えお 3"},
        {u"あいう―――", 4, "あいう|――― 3"},
        {u"あいう――お", 4, "あいう|――お 3"},
        {u"あいう……お", 4, "あいう|……お 3"},
        {u"あいう―…お", 4, "あいう―|…お 4"},
        {u"あいう𠮷え", 4, "あいう𠮷|え 4"},
        {u"あいう葛\U000E0100え", 4, "あいう葛\U000E0100|え 4"},
        {u"あいう♥\uFE0Fか\u3099", 4, "あいう♥\uFE0F|か\u3099 4"},
        {u"葛\U000E0100《くず》", 4, "葛\U000E0100《くず》 1 ruby"},
        {u"あいう漢《かん》\u3099え", 4, "あいう漢《かん》|\u3099え 4 ruby"},
        // Two closing marks: the column ends two early, within a quarter of 8.
        {u"あいうえおかき」。く", 8, "あいうえおか|き」。く 6"},
        {u"あいうえおか」」」く", 8, "あいうえおか」」|」く 8"},
        {u"あーーーーーー", 4, "あーーー|ーーー 4"},
        {u"あいう。", 3, "あいう|。 3"},
        {u"あ。", 1, "あ|。 1"},
        // Groups and runs: a ruby base stays with its ruby; half-width text
        // breaks after a space, a word longer than a column at its end.
        {u"あいう｜吾輩《わがはい》", 4, "あいう|｜吾輩《わがはい》 3 ruby"},
        {u"あいう野\U00020BB7《よし》", 4, "あいう|野\U00020BB7《よし》 3 ruby"},
        {u"あいうえ「｜漢字漢字漢《かん》", 4, "あいうえ|「|｜漢字漢字漢《かん》 5 ruby"},
        {u"あ\n「｜漢字漢字漢《かん》", 4, "あ|「|｜漢字漢字漢《かん》 5 ruby"},
        {u"《《あいうえ。》》", 4, "《《あいう|え。》》 3 ruby"},
        {u"あいうえおか｜あ―《x》―", 8, "あいうえおか|｜あ―《x》― 6 ruby"},
        {u"あいう12え", 4, "あいう12|え 4"},
        {u"あいうabc def", 4, "あいう|abc def 4"},
        {u"ab cd ef gh", 4, "ab cd |ef gh 3"},
        {u"abcdefghijkl", 4, "abcdefgh|ijkl 4"},
        {u"abcdefgh", 4, "abcdefgh 4"},
        // On manuscript paper a full stop or comma that would start a column
        // hangs below the last, with a closing bracket right after it; it
        // takes no cell. A space that starts a line keeps its cell.
        {u"あいうえ。お", 4, "あいうえ。|お 4 5 cells", true},
        {u"あいうえ、」。お", 4, "あいうえ、」。|お 4 5 cells", true},
        {u"あいう。", 3, "あいう。 3 3 cells", true},
        {u"あいうえ」お", 4, "あいう|え」お 3 6 cells", true},
        {u"\u3000あいう\r\n\r\nえ", 4, "\u3000あいう||え 4 5 cells", true},
        {u"あいう｜吾輩《わがはい》", 4, "あいう|｜吾輩《わがはい》 3 ruby 5 cells", true},
        {u"あ\n［＃改ページ］\nい", 4, "あ|||^い 1 2 cells", true},
        {u"［＃２字下げ］あいうえお", 4, "2:［＃２字下げ］あい|2:うえ|2:お 4"},
        {u"［＃2字下げ］あ\n［＃三字下げ］い\n［＃９字下げ］うえ", 4,
         "2:［＃2字下げ］あ|3:［＃三字下げ］い|3:［＃９字下げ］う|3:え 4"},
        {u"［＃ここから１字下げ］\r\nあいうえ\r\n［＃２字下げ］か\r\n［＃ここで字下げ終わり］\r\n"
         u"き",
         4, "1:あいう|1:え|2:［＃２字下げ］か|き 4"},
        {u"［＃ここから２字下げ］あ\n［＃ここで字下げ終わり］い", 4,
         "2:［＃ここから２字下げ］あ|［＃ここで字下げ終わり］い 3"},
        {u"あ\n［＃地付き］いう\n［＃地から１字上げ］え", 4,
         "あ|2:［＃地付き］いう|2:［＃地から１字上げ］え 4"},
        {u"［＃地付き］あいうえお", 4, "［＃地付き］あいうえ|3:お 4"},
        {u"あ\n［＃地付き］い\n", 4, "あ|3:［＃地付き］い 4"},
        {u"あいうえ\n［＃地付き］か\n［＃地から２字上げ］き", 0,
         "あいうえ|3:［＃地付き］か|1:［＃地から２字上げ］き 4"},
        {u"あ\n［＃改ページ］\nい［＃改丁］\nう\n［＃改見開き］", 4, "あ||^い［＃改丁］||^う 1"},
        {u"［＃改ページ］\n［＃ここから２字下げ］", 4, "［＃改ページ］ 0"},
        // The library's key to the notation shows it as written, whichever
        // line ends its files have.
        {u"-----------\r\n【テキスト中に現れる記号について】\n［＃２字下げ］あ\n-----------\n"
         u"［＃２字下げ］い\n底本：う\n［＃２字下げ］え",
         0,
         "-----------|【テキスト中に現れる記号について】|［＃２字下げ］あ|-----------|"
         "2:［＃２字下げ］い|底本：う|［＃２字下げ］え 17"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Laid(c.text, c.length, c.hanging), c.laid) << Utf8(c.text) << " at " << c.length;
    }
    // Ten marks pushed out of a column of 40, as many as its last quarter holds.
    const std::u16string ten = std::u16string(30, u'あ') + u"い" + std::u16string(10, u'」');
    EXPECT_EQ(Laid(ten, 40), Utf8(ten.substr(0, 30)) + "|" + Utf8(ten.substr(30)) + " 30");
    // A mark of each kind that may not start a column.
    for (const char16_t mark : std::u16string(u"。、」）・：？!ーゞ々っョ\u31F0\u31FF")) {
        const std::u16string text = u"あいうえ" + std::u16string(1, mark) + u"お";
        EXPECT_EQ(Laid(text, 4), "あいう|" + Utf8(text.substr(3)) + " 3") << Utf8(text);
    }
}

// Units as a reader sees them: ruby base(ruby), [upright], <run>cells,
// emphasised*, # an annotation, "/" a line break.
std::string Units(std::u16string_view text, bool notation) {
    UnitReader reader(text, notation, HalfWidth);
    std::u16string read;
    for (ReadPoint at; at.at < text.size();) {
        if (at.emphasisEnd == 0 && (text[at.at] == u'\r' || text[at.at] == u'\n')) {
            read += u" /";
            ++at.at;
            continue;
        }
        const Unit unit = reader.Read(at, text.size(), static_cast<std::size_t>(-1), false);
        const auto part = [&](Span span) {
            return std::u16string(text.substr(span.start, span.end - span.start));
        };
        const std::u16string shown = part(unit.text);
        using Kind = Unit::Kind;
        read += unit.kind == Kind::Upright      ? u" [" + shown + u"]"
                : unit.kind == Kind::Latin      ? u" <" + shown + u">" + char16_t(u'0' + unit.cells)
                : unit.kind == Kind::Ruby       ? u" " + shown + u"(" + part(unit.ruby) + u")"
                : unit.kind == Kind::Annotation ? u" #"
                                                : u" " + shown + (unit.dotted ? u"*" : u"");
        at = unit.to;
    }
    return Utf8(read.substr(1));
}

TEST(TypesetTest, TheTextReadAsUnits) {
    struct Case {
        std::u16string text;
        const char* units;
        bool notation = true;
    };
    const Case cases[] = {
        {u"｜吾輩《わがはい》は", "吾輩(わがはい) は"},
        {u"|獰悪《どうあく》な", "獰悪(どうあく) な"},
        {u"\u3400\u4DBF\u4E00\u9FFF\uF900\uFAFF\U00020000\U000323AF々〆〇ヶ《ルビ》",
         "\u3400\u4DBF\u4E00\u9FFF\uF900\uFAFF\U00020000\U000323AF々〆〇ヶ(ルビ)"},
        {u"葛\U000E0100《くず》`", "葛\U000E0100(くず) <`>1"},
        {u"あ人々《ひとびと》\U00020000\U0002000B野《よしの》",
         "あ 人々(ひとびと) \U00020000\U0002000B野(よしの)"},
        {u"かな《かな》", "か な 《 か な 》"},
        {u"漢字《かんじ", "漢 字 《 か ん じ"},
        {u"漢字《》", "漢 字 《 》"},
        {u"｜《ルビ》", "｜ 《 ル ビ 》"},
        {u"漢字《かん\nじ》", "漢 字 《 か ん / じ 》"},
        {u"《《ここ》》だ《《》》", "こ* こ* だ 《 《 》 》"},
        {u"｜吾輩《わがはい》", "｜ 吾 輩 《 わ が は い 》", false},
        {u"第12回!?", "第 [12] 回 [!?]"},
        {u"a12", "<a12>2"},
        {u"2024年、3.14、A1、z9~ɏ、!!!、7/8",
         "<2024>2 年 、 <3.14>2 、 <A1>1 、 <z9~ɏ>2 、 <!!!>2 、 <7/8>2"},
        {u"iPhone 15とWindows 11", "<iPhone >4 [15] と <Windows >5 [11]"},
        // The nearest X before a 傍点 annotation on its line is dotted, ruby first.
        {u"猫は猫［＃「猫」に傍点］だ", "猫 は 猫* # だ"},
        {u"abc［＃「bc」に白ゴマ傍点］吾輩《わがはい》［＃「吾輩」に傍点］",
         "<a>1 b* c* # 吾輩(わがはい) #"},
        {u"［＃「猫」に傍点］［＃注の猫］犬［＃「猫」に傍点］",
         "［ ＃ 「 猫 」 に 傍 点 ］ # 犬 ［ ＃ 「 猫 」 に 傍 点 ］"},
        {u"あ［＃「］」は注］［＃注", "あ # ［ ＃ 注"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Units(c.text, c.notation), c.units) << Utf8(c.text);
    }
    // A run ends where it must, at the next column's start.
    EXPECT_EQ(UnitReader(u"abcd", true, HalfWidth).Read({}, 3, 9, false).text.end, 3U);
}

}  // namespace
}  // namespace ruvo::test
