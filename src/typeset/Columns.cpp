#include "typeset/Columns.h"

#include <algorithm>

#include "typeset/Characters.h"
#include "typeset/Kinsoku.h"

namespace ruvo {

namespace {

// How many of a full column's last characters move on to the next column
// so that the break keeps the rules; `next` is the character after the
// column. None when no break within the column's last quarter keeps them.
std::size_t PushedOut(std::u16string_view text, const std::vector<std::size_t>& characters,
                      std::size_t next) {
    const std::size_t count = characters.size();
    for (std::size_t pushed = 0; pushed <= count / 4; ++pushed) {
        const char32_t last = CodePointAt(text, characters[count - pushed - 1]);
        const char32_t first = CodePointAt(text, pushed == 0 ? next : characters[count - pushed]);
        if (!MayNotEndColumn(last) && !MayNotStartColumn(first) && !Inseparable(last, first)) {
            return pushed;
        }
    }
    return 0;
}

}  // namespace

Columns LayOutColumns(std::u16string_view text, std::size_t length) {
    Columns columns;
    if (text.empty()) {
        return columns;
    }
    columns.starts.push_back(0);
    std::size_t cells = 0;
    // Where the column's characters start, kept only while wrapping.
    std::vector<std::size_t> characters;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsLineBreak(text[at])) {
            // CR LF is one line break; a lone CR or LF is one each.
            at += text.substr(at, 2) == u"\r\n" ? 2 : 1;
            columns.longest = std::max(columns.longest, cells);
            cells = 0;
            characters.clear();
            if (at < text.size()) {
                columns.starts.push_back(at);
            }
            continue;
        }
        if (length != 0 && cells == length) {
            const std::size_t pushed = PushedOut(text, characters, at);
            columns.starts.push_back(pushed == 0 ? at : characters[cells - pushed]);
            columns.longest = std::max(columns.longest, cells - pushed);
            characters.erase(characters.begin(),
                             characters.end() - static_cast<std::ptrdiff_t>(pushed));
            cells = pushed;
        }
        if (length != 0) {
            characters.push_back(at);
        }
        ++cells;
        at += CharacterLength(text, at);
    }
    columns.longest = std::max(columns.longest, cells);
    return columns;
}

}  // namespace ruvo
