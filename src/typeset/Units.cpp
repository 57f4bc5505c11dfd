#include "typeset/Units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "typeset/Annotations.h"
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
            } else if (unit == u'《' || unit == kFullWidthBar || unit == u'［') {
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

// The start of the line after the one at `at`; npos at the text's end.
std::size_t NextLine(std::u16string_view text, std::size_t at) {
    const std::size_t end = text.find_first_of(u"\r\n", at);
    return end == kNone ? kNone : end + (text.substr(end, 2) == u"\r\n" ? 2 : 1);
}

bool IsHyphens(std::u16string_view text, std::size_t line) {
    constexpr std::size_t kFewest = 10;
    const std::size_t end = std::min(text.find_first_not_of(u'-', line), text.size());
    return end - line >= kFewest && (end == text.size() || IsLineBreak(text[end]));
}

// Where the library's key to the notation ends, after the line of hyphens
// that closes it: the key and the header above it show the notation as
// written. 0 where the text has none. The key's heading follows the title,
// the author's name and a line of hyphens, so only the text's start is
// looked at, and little of it where there is no key.
std::size_t KeyEnd(std::u16string_view text) {
    const std::size_t key = text.substr(0, 1U << 10).find(u"【テキスト中に現れる記号について】");
    if (key == kNone || key < 2 || !IsLineBreak(text[key - 1])) {
        return 0;
    }
    const std::size_t lineBreak = key - (text.substr(key - 2, 2) == u"\r\n" ? 2 : 1);
    const std::size_t hyphens = lineBreak == 0 ? 0 : text.find_last_of(u"\r\n", lineBreak - 1) + 1;
    if (!IsHyphens(text, hyphens)) {
        return 0;
    }
    const std::u16string_view head = text.substr(0, 1U << 13);
    for (std::size_t line = NextLine(head, key); line != kNone; line = NextLine(head, line)) {
        if (IsHyphens(head, line)) {
            return std::min(NextLine(head, line), head.size());
        }
    }
    return 0;
}

// Where the library's colophon starts, at the last line that begins with
// 底本：, or the text's end; it closes the text, so only its end is looked at.
std::size_t ColophonStart(std::u16string_view text) {
    const std::size_t tail = text.size() - std::min<std::size_t>(text.size(), 1U << 12);
    for (std::size_t at = text.size(); at > tail; --at) {
        const std::size_t start = at - 1;
        if (text[start] == u'底' && text.substr(start).starts_with(u"底本：") &&
            (start == 0 || IsLineBreak(text[start - 1]))) {
            return start;
        }
    }
    return text.size();
}

}  // namespace

UnitReader::UnitReader(std::u16string_view text, bool notation, Advance advance,
                       bool mayHoldAnnotations)
    : text_(text), advance_(std::move(advance)), mayHoldAnnotations_(mayHoldAnnotations) {
    if (notation) {
        notation_.end = ColophonStart(text);
        notation_.start = std::min(KeyEnd(text), notation_.end);
    }
}

std::size_t UnitReader::PlainEnd(std::size_t at, std::size_t most) {
    const bool notation = ReadsNotation(at);
    // Notation read on one side of an edge is text on the other.
    std::size_t end = std::min({text_.size() - at > most ? at + most : text_.size(),
                                at < notation_.start ? notation_.start : text_.size(),
                                notation ? notation_.end : text_.size()});
    const std::array<Start, 0x10000>& starts = Starts();
    std::size_t p = at;
    for (; p < end; ++p) {
        const Start start = starts[text_[p]];
        if (start == Start::Plain ||
            (start == Start::Kanji && (!notation || p < plainKanjiEnd_ || !MayCarryRuby(p))) ||
            (start == Start::Notation && !notation)) {
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
    const bool notation = ReadsNotation(at);
    const std::size_t dots = notation ? DotsFrom(at).start : kNone;
    if (from.emphasisEnd != 0) {
        unit = Dotted(at, from.emphasisEnd);
    } else if (notation && (ReadNote(at, unit) || ReadEmphasis(at, unit) || ReadRuby(at, unit))) {
        // read as notation
    } else if (dots <= at) {
        // Dotted as 《《…》》 dots, a character at a time; ruby before them goes first.
        unit = Character(at);
        unit.dotted = true;
    } else if (IsHalfWidth(text_[at])) {
        ReadHalfWidth(at, std::min(limit, dots), room, cut, unit);
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

bool UnitReader::ReadNote(std::size_t at, Unit& unit) {
    const std::size_t end = AnnotationEnd(text_, at);
    if (end == kNone) {
        return false;
    }
    if (text_[at + 2] == u'「' &&
        ReadAnnotation(text_, at, end).kind == Annotation::Kind::Emphasis) {
        EnterLine(at);
        if (!std::ranges::binary_search(emphases_, at)) {
            return false;
        }
    }
    unit.kind = Unit::Kind::Annotation;
    unit.text = {at, at};
    unit.to = {end, 0};
    unit.cells = 0;
    return true;
}

Span UnitReader::DotsFrom(std::size_t at) {
    EnterLine(at);
    const auto found = std::ranges::upper_bound(dots_, at, {}, &Span::end);
    return found == dots_.end() ? Span{kNone, kNone} : *found;
}

void UnitReader::EnterLine(std::size_t at) {
    if (!mayHoldAnnotations_ || (at >= annotatedLine_.start && at <= annotatedLine_.end)) {
        return;
    }
    std::size_t start = at;
    while (start > 0 && !IsLineBreak(text_[start - 1])) {
        --start;
    }
    // Every line is read to its end once, so in one pass that also finds
    // whether it holds an annotation at all.
    std::size_t end = start;
    std::size_t first = kNone;
    for (; end < text_.size() && (text_[end] > u'\r' || !IsLineBreak(text_[end])); ++end) {
        if (text_[end] == u'［' && first == kNone) {
            first = end;
        }
    }
    line_ = annotatedLine_ = {start, end};
    dots_.clear();
    emphases_.clear();
    notes_.clear();
    const std::u16string_view line = text_.substr(0, end);
    for (std::size_t p = first == kNone ? kNone : line.find(kAnnotationOpen, first); p != kNone;) {
        const std::size_t close = AnnotationEnd(line, p);
        if (close == kNone) {
            p = line.find(kAnnotationOpen, p + 1);
            continue;
        }
        if (const Annotation annotation = ReadAnnotation(line, p, close);
            annotation.kind == Annotation::Kind::Emphasis) {
            if (const std::size_t found = FindTarget(start, p, annotation.target); found != kNone) {
                dots_.push_back({found, found + annotation.target.end - annotation.target.start});
                emphases_.push_back(p);
            }
        }
        notes_.push_back({p, close});
        p = line.find(kAnnotationOpen, close);
    }
    // In order and apart, for a binary search.
    std::ranges::sort(dots_, {}, &Span::start);
    std::size_t kept = 0;
    for (const Span& dots : dots_) {
        if (kept != 0 && dots.start <= dots_[kept - 1].end) {
            dots_[kept - 1].end = std::max(dots_[kept - 1].end, dots.end);
        } else {
            dots_[kept++] = dots;
        }
    }
    dots_.resize(kept);
}

std::size_t UnitReader::FindTarget(std::size_t lineStart, std::size_t before, Span target) const {
    const std::u16string_view x = text_.substr(target.start, target.end - target.start);
    const std::u16string_view line = text_.substr(0, before);
    std::size_t note = notes_.size();
    for (std::size_t from = before; from >= lineStart + x.size();) {
        const std::size_t found = line.rfind(x, from - x.size());
        if (found == kNone || found < lineStart) {
            return kNone;
        }
        // An X within an earlier annotation is not the text's: look before it.
        while (note > 0 && notes_[note - 1].start >= found + x.size()) {
            --note;
        }
        if (note == 0 || notes_[note - 1].end <= found) {
            return found;
        }
        from = notes_[note - 1].start;
    }
    return kNone;
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
        // Most characters are beyond CR and so no line break: one comparison.
        std::size_t end = from;
        while (end < text_.size() && (text_[end] > u'\r' || !IsLineBreak(text_[end]))) {
            ++end;
        }
        line_ = {from, end};
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
