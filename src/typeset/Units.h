#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace ruvo {

// A place to read the text from: where, and, inside 《《…》》, where the
// emphasis ends (0 outside), since that cannot be told from the place alone.
struct ReadPoint {
    std::size_t at = 0;
    std::size_t emphasisEnd = 0;

    bool operator==(const ReadPoint&) const = default;
};

// Part of the text: [start, end).
struct Span {
    std::size_t start = 0;
    std::size_t end = 0;

    bool operator==(const Span&) const = default;
};

// What a column holds, one after another: a character; a tate-chu-yoko
// group, upright in one cell; a run of half-width text, turned, over the
// cells its advance needs; a ruby base with its ruby; or an annotation
// ［＃…］, which shows nothing. The notation takes no cell: it lies within
// `from` and `to` but outside `text`.
struct Unit {
    enum class Kind { Character, Upright, Latin, Ruby, Annotation };

    Kind kind = Kind::Character;
    ReadPoint from;
    ReadPoint to;  // where the next unit starts
    Span text;     // what the column shows
    Span ruby;     // what stands beside a ruby base
    std::size_t cells = 1;
    double advance = 1;   // a half-width run's extent down the column, in cells
    bool dotted = false;  // emphasis: a sesame dot beside the character
    char32_t first = 0;   // the first and last characters shown, for the
    char32_t last = 0;    // line-breaking rules
};

// How far a half-width character advances down a column, in cells.
using Advance = std::function<double(char16_t)>;

// Reads the text as units. Ruby notation (｜base《ruby》, kanji《ruby》,
// 《《emphasis》》) and annotations (［＃…］, see Annotations.h) are read as
// such only when `notation` is on; otherwise, where the notation is
// incomplete, and in an e-text's header with its key to the notation and in
// its colophon, which show the notation as written, it is text like any other.
class UnitReader {
  public:
    // A reader told that the text holds no "［" reads no line for annotations.
    UnitReader(std::u16string_view text, bool notation, Advance advance,
               bool mayHoldAnnotations = true);

    // Whether the notation is read at `at`, where a line begins.
    bool ReadsNotation(std::size_t at) const { return at >= notation_.start && at < notation_.end; }

    // The unit at `from`, which is no line break, reading no further than
    // `limit`. A half-width run that takes more than `room` cells ends after
    // its last space within them, or, with `cut`, where none does, after its
    // last character within them (at least one).
    Unit Read(ReadPoint from, std::size_t limit, std::size_t room, bool cut);

    // Where a run of plain characters from `at` ends, after `most` of them
    // at the latest: units of one cell and one code unit that start no
    // notation, group or run. Most of a text is such characters, so the
    // layout takes them without reading them as units; emphasis dots on
    // them change no cell and are not looked for.
    std::size_t PlainEnd(std::size_t at, std::size_t most);

  private:
    enum class Mark { RubyOpen, RubyClose, EmphasisClose };
    // A search on a line and what it found (the line's end for nothing).
    struct Search {
        std::size_t from = static_cast<std::size_t>(-1);  // none yet
        std::size_t found = 0;
        std::size_t lineEnd = 0;
    };

    // Where the mark next stands at or after `from` on the line, or npos.
    std::size_t FindOnLine(Mark mark, std::size_t from);
    std::size_t LineEnd(std::size_t from);
    bool ReadRuby(std::size_t at, Unit& unit);
    // Whether ruby notation may follow the run of kanji at `at`; where it
    // cannot, the run is plain.
    bool MayCarryRuby(std::size_t at);
    bool ReadEmphasis(std::size_t at, Unit& unit);
    // An annotation, unless it is one of emphasis whose X is not on the line.
    bool ReadNote(std::size_t at, Unit& unit);
    // The first part of the line at `at` that annotations dot and that ends
    // after `at`; npos for none.
    Span DotsFrom(std::size_t at);
    // Reads the annotations of the line at `at` when it is not the one read last.
    void EnterLine(std::size_t at);
    // The nearest X before `before` on the line from `lineStart`, outside the
    // annotations found so far; npos for none.
    std::size_t FindTarget(std::size_t lineStart, std::size_t before, Span target) const;
    void ReadHalfWidth(std::size_t at, std::size_t limit, std::size_t room, bool cut, Unit& unit);
    Unit Character(std::size_t at) const;
    // Emphasised characters, each a unit of its own with its dot.
    Unit Dotted(std::size_t at, std::size_t emphasisEnd) const;

    std::u16string_view text_;
    Span notation_;  // where the notation is read
    Advance advance_;
    // The line last looked at, none yet; the last search for each mark; and
    // where the kanji known to carry no ruby end.
    Span line_{static_cast<std::size_t>(-1), static_cast<std::size_t>(-1)};
    std::array<Search, 3> searches_;
    std::size_t plainKanjiEnd_ = 0;
    // The line whose annotations were read last, what of it they dot, where
    // their emphasis annotations stand that found their X, and all of them.
    Span annotatedLine_{static_cast<std::size_t>(-1), static_cast<std::size_t>(-1)};
    std::vector<Span> dots_;
    std::vector<std::size_t> emphases_;
    std::vector<Span> notes_;
    bool mayHoldAnnotations_;
};

}  // namespace ruvo
