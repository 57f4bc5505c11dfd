#include <gtest/gtest.h>

#include <string>

#include "doubles/Text.h"
#include "typeset/Columns.h"

namespace ruvo::test {
namespace {

// Half-width characters advance half a cell, "W" a whole one.
double HalfWidth(char16_t c) {
    return c == u'W' ? 1 : 0.5;
}

// The columns as the text they hold, "|" between them, line breaks left
// out; then the longest column's cells.
std::string Laid(std::u16string_view text, std::size_t length) {
    const Columns columns = LayOutColumns(text, length, true, HalfWidth);
    std::u16string laid;
    for (std::size_t i = 0; i < columns.starts.size(); ++i) {
        const std::size_t start = columns.starts[i].at;
        const std::size_t end =
            i + 1 < columns.starts.size() ? columns.starts[i + 1].at : text.size();
        std::u16string column(text.substr(start, end - start));
        std::erase_if(column, [](char16_t c) { return c == u'\r' || c == u'\n'; });
        laid += (i == 0 ? u"" : u"|") + column;
    }
    return Utf8(laid) + " " + std::to_string(columns.longest);
}

// Every line is a column; a longer one goes on in columns of the length,
// pushed out by up to a quarter of it where the break would start a column
// with a closing mark or end one with an opening bracket or split a doubled
// mark, and cut at the length where no such break keeps the rules.
TEST(TypesetTest, LinesBreakIntoColumnsByTheKinsokuRules) {
    struct Case {
        std::u16string text;
        std::size_t length;
        const char* laid;
    };
    const Case cases[] = {
        {u"", 4, " 0"},
        {u"あいうえおかきくけ", 0, "あいうえおかきくけ 9"},
        {u"あいうえおかきくけ", 4, "あいうえ|おかきく|け 4"},
        {u"あいうえ\r\nおか\n\nき\rく", 4, "あいうえ|おか||き|く 4"},
        {u"あいうえ\r\n", 4, "あいうえ 4"},
        {u"あいうえ。お", 4, "あいう|え。お 3"},
        {u"あいうえ、お", 4, "あいう|え、お 3"},
        {u"あいうえ」お", 4, "あいう|え」お 3"},
        {u"あいうえ）お", 4, "あいう|え）お 3"},
        {u"あいうえ・お", 4, "あいう|え・お 3"},
        {u"あいうえ：お", 4, "あいう|え：お 3"},
        {u"あいうえ？お", 4, "あいう|え？お 3"},
        {u"あいうえ!お", 4, "あいう|え!お 3"},
        {u"あいうえーお", 4, "あいう|えーお 3"},
        {u"あいうえ々お", 4, "あいう|え々お 3"},
        {u"あいうえゞお", 4, "あいう|えゞお 3"},
        {u"あいうえっお", 4, "あいう|えっお 3"},
        {u"あいうえョお", 4, "あいう|えョお 3"},
        {u"あいうえ\u31F0お", 4, "あいう|え\u31F0お 3"},
        {u"あいう「えお", 4, "あいう|「えお 3"},
        {u"あいう(えお", 4, "あいう|(えお 3"},
        {u"あいう―――", 4, "あいう|――― 3"},
        {u"あいう――お", 4, "あいう|――お 3"},
        {u"あいう……お", 4, "あいう|……お 3"},
        {u"あいう―…お", 4, "あいう―|…お 4"},
        {u"あいう𠮷え", 4, "あいう𠮷|え 4"},
        {u"あいう葛\U000E0100え", 4, "あいう葛\U000E0100|え 4"},
        // Two closing marks: the column ends two early, within a quarter of 8.
        {u"あいうえおかき」。く", 8, "あいうえおか|き」。く 6"},
        {u"あいうえおか」」」く", 8, "あいうえおか」」|」く 8"},
        {u"あーーーーーー", 4, "あーーー|ーーー 4"},
        {u"あいう。", 3, "あいう|。 3"},
        {u"あ。", 1, "あ|。 1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Laid(c.text, c.length), c.laid) << Utf8(c.text) << " at " << c.length;
    }
}

}  // namespace
}  // namespace ruvo::test
