#include "typeset/Columns.h"

#include <algorithm>

#include "typeset/Characters.h"
#include "typeset/Kinsoku.h"

namespace ruvo {

namespace {

// Where the last characters of a column start, as many as a break may push
// out and one more; older ones are overwritten in turn.
class RecentStarts {
  public:
    explicit RecentStarts(std::size_t length) : starts_(length / 4 + 1) {}

    void Add(std::size_t start) {
        starts_[next_] = start;
        next_ = next_ + 1 == starts_.size() ? 0 : next_ + 1;
    }
    // The start of the character `back` places before the column's end (1: its last).
    std::size_t Back(std::size_t back) const {
        return starts_[(next_ + starts_.size() - back) % starts_.size()];
    }

  private:
    std::vector<std::size_t> starts_;
    std::size_t next_ = 0;
};

// How many of a full column's last characters move on to the next column
// so that the break keeps the rules; `next` is the character after the
// column. None when no break within the column's last quarter keeps them.
std::size_t PushedOut(std::u16string_view text, const RecentStarts& recent, std::size_t length,
                      std::size_t next) {
    for (std::size_t pushed = 0; pushed <= length / 4; ++pushed) {
        const char32_t last = CodePointAt(text, recent.Back(pushed + 1));
        const char32_t first = CodePointAt(text, pushed == 0 ? next : recent.Back(pushed));
        if (!MayNotEndColumn(last) && !MayNotStartColumn(first) && !Inseparable(last, first)) {
            return pushed;
        }
    }
    return 0;
}

}  // namespace

Columns LayOutColumns(std::u16string_view text, std::size_t length, std::size_t most) {
    Columns columns;
    if (text.empty()) {
        return columns;
    }
    columns.starts.push_back(0);
    RecentStarts recent(length);
    std::size_t cells = 0;
    std::size_t at = 0;
    while (at < text.size() && columns.starts.size() <= most) {
        if (IsLineBreak(text[at])) {
            // CR LF is one line break; a lone CR or LF is one each.
            at += text.substr(at, 2) == u"\r\n" ? 2 : 1;
            columns.longest = std::max(columns.longest, cells);
            cells = 0;
            if (at < text.size()) {
                columns.starts.push_back(at);
            }
            continue;
        }
        if (length != 0 && cells == length) {
            const std::size_t pushed = PushedOut(text, recent, length, at);
            columns.starts.push_back(pushed == 0 ? at : recent.Back(pushed));
            columns.longest = std::max(columns.longest, cells - pushed);
            cells = pushed;
        }
        recent.Add(at);
        ++cells;
        at += CharacterLength(text, at);
    }
    columns.longest = std::max(columns.longest, cells);
    return columns;
}

}  // namespace ruvo
