#include "typeset/Units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "typeset/Characters.h"

namespace ruvo {

namespace {

constexpr std::size_t kNone = std::u16string_view::npos;
constexpr char16_t kFullWidthBar = u'｜';
constexpr char16_t kHalfWidthBar = u'|';
constexpr std::u16string_view kRubyOpen = u"《";
constexpr std::u16string_view kRubyClose = u"》";
constexpr std::u16string_view kEmphasisOpen = u"《《";
constexpr std::u16string_view kEmphasisClose = u"》》";
// What FindOnLine looks for, by UnitReader::Mark.
constexpr std::array<std::u16string_view, 3> kMarks{kRubyOpen, kRubyClose, kEmphasisClose};
// Sums of measured advances can leave a whole number of cells a hair over.
constexpr double kTolerance = 1e-6;

// What a code unit can start, for the layout's quick pass over plain text.
enum class Start : std::uint8_t { Plain, Other, Notation, Kanji, Mark };

// Built when first read, not at every start of the program.
const std::array<Start, 0x10000>& Starts() {
    static const std::array<Start, 0x10000> table = [] {
        std::array<Start, 0x10000> starts{};
        for (char32_t c = 0; c < starts.size(); ++c) {
            const auto unit = static_cast<char16_t>(c);
            Start& start = starts[c];
            if (MayStartMark(unit)) {
                start = Start::Mark;
            } else if (IsLineBreak(unit) || IsHalfWidth(unit) || (c >= 0xD800 && c <= 0xDFFF)) {
                start = Start::Other;
            } else if (unit == u'《' || unit == kFullWidthBar) {
                start = Start::Notation;
            } else if (IsKanji(c)) {
                start = Start::Kanji;
            }
        }
        return starts;
    }();
    return table;
}

bool IsMark(std::u16string_view text, std::size_t at) {
    return at < text.size() && Starts()[text[at]] == Start::Mark;
}

std::size_t Cells(double advance) {
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(advance - kTolerance)));
}

// Units of a tate-chu-yoko group at `at`: one or two digits, or one or two
// of "!" and "?", with nothing beside them that would join them; else 0.
std::size_t UprightLength(std::u16string_view text, std::size_t at) {
    bool (*const same)(char16_t) = IsUprightDigit(text[at])  ? IsUprightDigit
                                   : IsUprightMark(text[at]) ? IsUprightMark
                                                             : nullptr;
    if (same == nullptr || (at > 0 && (JoinsUpright(text[at - 1]) || same(text[at - 1])))) {
        return 0;
    }
    std::size_t end = at + 1;
    if (end < text.size() && same(text[end])) {
        ++end;
    }
    const bool alone = end == text.size() || (!JoinsUpright(text[end]) && !same(text[end]));
    return alone ? end - at : 0;
}

}  // namespace

UnitReader::UnitReader(std::u16string_view text, bool notation, Advance advance)
    : text_(text), notation_(notation), advance_(std::move(advance)) {}

std::size_t UnitReader::PlainEnd(std::size_t at, std::size_t most) {
    const std::size_t end = text_.size() - at > most ? at + most : text_.size();
    const std::array<Start, 0x10000>& starts = Starts();
    std::size_t p = at;
    for (; p < end; ++p) {
        const Start start = starts[text_[p]];
        if (start == Start::Plain ||
            (start == Start::Kanji && (!notation_ || p < plainKanjiEnd_ || !MayCarryRuby(p))) ||
            (start == Start::Notation && !notation_)) {
            continue;
        }
        if (start == Start::Mark && p > at) {
            return p - 1;  // the character before carries it
        }
        return p;
    }
    return p > at && IsMark(text_, p) ? p - 1 : p;
}

bool UnitReader::MayCarryRuby(std::size_t at) {
    const std::array<Start, 0x10000>& starts = Starts();
    std::size_t end = at;
    while (end < text_.size()) {
        const Start start = starts[text_[end]];
        if (start == Start::Kanji) {
            ++end;
        } else if (start == Start::Mark) {
            // A selector stays with its kanji.
            end += std::max<std::size_t>(MarkLength(text_, end), 1);
        } else if (start == Start::Other && IsKanji(CodePointAt(text_, end))) {
            end += 2;  // a kanji beyond the first plane
        } else {
            break;
        }
    }
    if (text_.substr(end, 1) == kRubyOpen) {
        return true;
    }
    plainKanjiEnd_ = end;
    return false;
}

Unit UnitReader::Read(ReadPoint from, std::size_t limit, std::size_t room, bool cut) {
    Unit unit;
    const std::size_t at = from.at;
    if (from.emphasisEnd != 0) {
        unit = Dotted(at, from.emphasisEnd);
    } else if (notation_ && (ReadEmphasis(at, unit) || ReadRuby(at, unit))) {
        // read as notation
    } else if (IsHalfWidth(text_[at])) {
        ReadHalfWidth(at, limit, room, cut, unit);
    } else {
        unit = Character(at);
    }
    unit.from = from;
    return unit;
}

Unit UnitReader::Character(std::size_t at) const {
    Unit unit;
    const std::size_t end = at + CharacterLength(text_, at);
    unit.text = {at, end};
    unit.to = {end, 0};
    unit.first = unit.last = CodePointAt(text_, at);
    return unit;
}

Unit UnitReader::Dotted(std::size_t at, std::size_t emphasisEnd) const {
    Unit unit = Character(at);
    // The closing marks go with the last character, so no unit starts at them.
    if (unit.to.at == emphasisEnd) {
        unit.to.at += kEmphasisClose.size();
    } else {
        unit.to.emphasisEnd = emphasisEnd;
    }
    unit.dotted = true;
    return unit;
}

bool UnitReader::ReadEmphasis(std::size_t at, Unit& unit) {
    if (text_.substr(at, 2) != kEmphasisOpen) {
        return false;
    }
    const std::size_t text = at + kEmphasisOpen.size();
    const std::size_t close = FindOnLine(Mark::EmphasisClose, text);
    if (close == kNone || close == text) {
        return false;
    }
    unit = Dotted(text, close);
    return true;
}

bool UnitReader::ReadRuby(std::size_t at, Unit& unit) {
    std::size_t base = at;
    std::size_t open = at;
    if (text_[at] == kFullWidthBar || text_[at] == kHalfWidthBar) {
        base = at + 1;
        open = FindOnLine(Mark::RubyOpen, base);
    } else if (at >= plainKanjiEnd_ && IsKanji(CodePointAt(text_, at))) {
        while (open < text_.size() && IsKanji(CodePointAt(text_, open))) {
            open += CharacterLength(text_, open);
        }
    } else {
        return false;
    }
    const std::size_t close = open == kNone || open == base || text_.substr(open, 1) != kRubyOpen ||
                                      text_.substr(open, 2) == kEmphasisOpen
                                  ? kNone
                                  : FindOnLine(Mark::RubyClose, open + 1);
    if (close == kNone || close == open + 1) {
        if (base == at) {
            plainKanjiEnd_ = open;  // no other kanji of the run can be a base
        }
        return false;
    }
    unit.kind = Unit::Kind::Ruby;
    unit.text = {base, open};
    unit.ruby = {open + 1, close};
    unit.to = {close + kRubyClose.size(), 0};
    unit.cells = 0;
    std::size_t last = base;
    for (std::size_t c = base; c < open; c += CharacterLength(text_, c)) {
        last = c;
        ++unit.cells;
    }
    unit.first = CodePointAt(text_, base);
    unit.last = CodePointAt(text_, last);
    return true;
}

void UnitReader::ReadHalfWidth(std::size_t at, std::size_t limit, std::size_t room, bool cut,
                               Unit& unit) {
    if (const std::size_t upright = UprightLength(text_, at); upright != 0) {
        unit.kind = Unit::Kind::Upright;
        unit.text = {at, at + upright};
    } else {
        unit.kind = Unit::Kind::Latin;
        double advance = 0;
        std::size_t end = at;
        std::size_t spaceEnd = 0;  // the run up to its last space that fits, and its advance
        double spaceAdvance = 0;
        while (end < limit && IsHalfWidth(text_[end]) &&
               (end == at || UprightLength(text_, end) == 0)) {
            const double next = advance + advance_(text_[end]);
            if (Cells(next) > room && end > at) {
                if (spaceEnd != 0) {
                    end = spaceEnd;
                    advance = spaceAdvance;
                } else if (!cut) {
                    advance = next;  // too long for the room: it moves on whole
                    ++end;
                }
                break;
            }
            advance = next;
            ++end;
            if (text_[end - 1] == u' ') {
                spaceEnd = end;
                spaceAdvance = advance;
            }
        }
        unit.text = {at, end};
        unit.advance = advance;
        unit.cells = Cells(advance);
    }
    unit.to = {unit.text.end, 0};
    unit.first = text_[unit.text.start];
    unit.last = text_[unit.text.end - 1];
}

std::size_t UnitReader::LineEnd(std::size_t from) {
    if (from < line_.start || from > line_.end) {
        const std::size_t end = text_.find_first_of(u"\r\n", from);
        line_ = {from, end == kNone ? text_.size() : end};
    }
    return line_.end;
}

std::size_t UnitReader::FindOnLine(Mark mark, std::size_t from) {
    // Reading goes forward, so the last search of a mark mostly answers the
    // next one too, and a long line with marks that are never closed is not
    // searched again for each of them.
    Search& last = searches_[static_cast<std::size_t>(mark)];
    const std::size_t end = LineEnd(from);
    if (!(from >= last.from && from <= last.found && last.lineEnd == end)) {
        last.from = from;
        last.lineEnd = end;
        last.found =
            std::min(text_.substr(0, end).find(kMarks[static_cast<std::size_t>(mark)], from), end);
    }
    return last.found == end ? kNone : last.found;
}

}  // namespace ruvo
